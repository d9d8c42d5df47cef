#pragma once

#include "platform/Controls.h"

#include <QImage>

#include <functional>
#include <memory>

// A picture control. It shows a stored picture (stretched when asked) or, once Canvas() was used, its
// own bitmap of the control's size. Without either it is transparent: a click area over a drawing.
class TImage : public TControl
{
  public:
    explicit TImage(TComponent *owner);
    const char *ClassName() const override { return "TImage"; }
    void SetPicture(const QImage &image);
    // A picture decoded only when the control is first painted or its picture is asked for. A load
    // that throws leaves the control without a picture and is reported once, after the paint.
    void SetPicture(std::function<QImage()> load);
    const QImage &Picture() const;
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
    void loadPicture() const;
    mutable QImage picture_;
    mutable std::function<QImage()> load_;
    bool stretch_ = false;
    std::unique_ptr<QImage> bitmap_;
    std::unique_ptr<TCanvas> canvas_;
};
