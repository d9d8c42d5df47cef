#include "platform/ExtCtrls.h"

#include "platform/Exceptions.h"
#include "platform/Forms.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

class ImageWidget : public QWidget
{
  public:
    TImage *owner = nullptr;

  protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!owner)
            return;
        owner->loadPicture();
        QPainter p(this);
        if (owner->bitmap_)
            p.drawImage(0, 0, *owner->bitmap_);
        else if (!owner->picture_.isNull()) {
            if (owner->stretch_)
                p.drawImage(rect(), owner->picture_);
            else
                p.drawImage(0, 0, owner->picture_);
        }
    }
    void mouseReleaseEvent(QMouseEvent *e) override
    {
        if (owner && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
            owner->Click();
    }
    void mouseDoubleClickEvent(QMouseEvent *) override
    {
        if (owner)
            FireEvent(owner->OnDblClick, owner);
    }
};

TImage::TImage(TComponent *owner) : TControl(owner, new ImageWidget())
{
    static_cast<ImageWidget *>(widget_.data())->owner = this;
    widget_->setAttribute(Qt::WA_TranslucentBackground);
}

void TImage::SetPicture(const QImage &image)
{
    load_ = nullptr;
    picture_ = image;
    widget_->update();
}

void TImage::SetPicture(std::function<QImage()> load)
{
    picture_ = QImage();
    load_ = std::move(load);
    widget_->update();
}

const QImage &TImage::Picture() const
{
    loadPicture();
    return picture_;
}

void TImage::loadPicture() const
{
    if (!load_)
        return;
    const auto load = std::move(load_);
    load_ = nullptr;
    try {
        picture_ = load();
    } catch (const Exception &e) {
        // Not from within a paint: the report may open a message box.
        QTimer::singleShot(0, [e] { Application->ShowException(e); });
    }
}

void TImage::SetStretch(bool stretch)
{
    stretch_ = stretch;
    widget_->update();
}

TCanvas *TImage::Canvas()
{
    if (!bitmap_) {
        bitmap_ = std::make_unique<QImage>(std::max(1, Width()), std::max(1, Height()), QImage::Format_RGB32);
        bitmap_->fill(Qt::white);
        canvas_ = std::make_unique<TCanvas>(bitmap_.get());
    }
    widget_->update();
    return canvas_.get();
}

void TImage::Invalidate()
{
    widget_->update();
}

void TImage::Click()
{
    if (Enabled())
        FireEvent(OnClick, this);
}
