#pragma once

#include "platform/Controls.h"

#include <QImage>

#include <memory>

// A picture control. It shows a stored picture (stretched when asked) or, once Canvas() was used, its
// own bitmap of the control's size. Without either it is transparent: a click area over a drawing.
class TImage : public TControl
{
  public:
    explicit TImage(TComponent *owner);
    const char *ClassName() const override { return "TImage"; }
    void SetPicture(const QImage &image);
    const QImage &Picture() const { return picture_; }
    void SetStretch(bool stretch);
    // The bitmap is created at the first access, at the control's size.
    TCanvas *Canvas();
    const QImage *Bitmap() const { return bitmap_.get(); }
    // Repaints the control from its bitmap.
    void Invalidate();
    // Runs the click as the user's would (enabled areas only).
    void Click();

  private:
    friend class ImageWidget;
    QImage picture_;
    bool stretch_ = false;
    std::unique_ptr<QImage> bitmap_;
    std::unique_ptr<TCanvas> canvas_;
};
