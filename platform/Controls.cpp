#include "platform/Controls.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPalette>
#include <QTimer>

#include <algorithm>

TControl::TControl(TComponent *owner, QWidget *widget) : TComponent(owner), widget_(widget) {}

TControl::~TControl()
{
    if (parent_) {
        auto &list = parent_->children_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
    delete widget_.data();
}

void TControl::SetParent(TWinControl *parent)
{
    if (parent_ == parent)
        return;
    if (parent_) {
        auto &list = parent_->children_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
    parent_ = parent;
    if (!widget_)
        return;
    const QRect geom = widget_->geometry();
    widget_->setParent(parent_ ? parent_->ClientWidget() : nullptr);
    widget_->setGeometry(geom);
    if (parent_) {
        parent_->children_.push_back(this);
        widget_->setVisible(visible_);
        if (align_ != alNone)
            parent_->AlignControls();
    }
}

int TControl::Left() const
{
    return widget_ ? widget_->x() : 0;
}
int TControl::Top() const
{
    return widget_ ? widget_->y() : 0;
}
int TControl::Width() const
{
    return widget_ ? widget_->width() : 0;
}
int TControl::Height() const
{
    return widget_ ? widget_->height() : 0;
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    if (!widget_)
        return;
    widget_->setGeometry(left, top, std::max(0, width), std::max(0, height));
    if (parent_ && align_ != alNone)
        parent_->AlignControls();
}

void TControl::SetLeft(int v)
{
    SetBounds(v, Top(), Width(), Height());
}
void TControl::SetTop(int v)
{
    SetBounds(Left(), v, Width(), Height());
}
void TControl::SetWidth(int v)
{
    SetBounds(Left(), Top(), v, Height());
}
void TControl::SetHeight(int v)
{
    SetBounds(Left(), Top(), Width(), v);
}

void TControl::SetVisible(bool v)
{
    visible_ = v;
    if (widget_ && (parent_ || !v))
        widget_->setVisible(v);
    if (parent_)
        parent_->AlignControls();
}

bool TControl::Enabled() const
{
    return widget_ && widget_->isEnabled();
}

void TControl::SetEnabled(bool v)
{
    if (widget_)
        widget_->setEnabled(v);
}

AnsiString TControl::Hint() const
{
    return widget_ ? widget_->toolTip().toStdString() : AnsiString();
}

void TControl::SetHint(const AnsiString &hint)
{
    if (widget_)
        widget_->setToolTip(QString::fromStdString(hint));
}

void TControl::SetCursor(TCursor cursor)
{
    if (widget_)
        widget_->setCursor(cursor == crHandPoint ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TControl::SetColor(TColor color)
{
    color_ = color;
    if (!widget_)
        return;
    QPalette pal = widget_->palette();
    pal.setColor(QPalette::Window, ToQColor(color));
    pal.setColor(QPalette::Base, ToQColor(color));
    widget_->setPalette(pal);
    widget_->setAutoFillBackground(true);
}

void TControl::SetFontColor(TColor color)
{
    if (!widget_)
        return;
    QPalette pal = widget_->palette();
    pal.setColor(QPalette::WindowText, ToQColor(color));
    pal.setColor(QPalette::Text, ToQColor(color));
    pal.setColor(QPalette::ButtonText, ToQColor(color));
    widget_->setPalette(pal);
}

void TControl::SetFontBold(bool bold)
{
    if (!widget_)
        return;
    QFont f = widget_->font();
    f.setBold(bold);
    widget_->setFont(f);
}

void TControl::SetFontPixelSize(int px)
{
    if (!widget_)
        return;
    QFont f = widget_->font();
    f.setPixelSize(px);
    widget_->setFont(f);
}

void TControl::SetFontFamily(const AnsiString &family)
{
    if (!widget_)
        return;
    QFont f = widget_->font();
    f.setFamily(InstalledFamily(QString::fromStdString(family)));
    widget_->setFont(f);
}

void WhenMouseUp(QObject *context, const std::function<void()> &f)
{
    if (QGuiApplication::mouseButtons() == Qt::NoButton)
        f();
    else
        QTimer::singleShot(20, context, [context, f] { WhenMouseUp(context, f); });
}

QString InstalledFamily(const QString &family)
{
    // A missing family goes straight to its stand-in (QFont::insertSubstitution): the font is then
    // never searched for under a name the system lacks, which costs a fallback search for every
    // size and weight drawn.
    if (QFont::substitutes(family).isEmpty())
        return family;
    static const QStringList installed = QFontDatabase::families();
    return installed.contains(family) ? family : QFont::substitute(family);
}

void TControl::SetAlign(TAlign align)
{
    align_ = align;
    if (parent_)
        parent_->AlignControls();
}

TWinControl::TWinControl(TComponent *owner, QWidget *widget) : TControl(owner, widget) {}

TWinControl::~TWinControl()
{
    for (TControl *c : children_)
        c->parent_ = nullptr;
}

bool TWinControl::Focused() const
{
    return widget_ && widget_->hasFocus();
}

void TWinControl::SetFocus()
{
    if (widget_)
        widget_->setFocus(Qt::OtherFocusReason);
}

void TWinControl::AlignControls()
{
    QWidget *client = ClientWidget();
    if (!client)
        return;
    QRect r = client->contentsRect();
    auto visible = [](TControl *c) { return c->Visible() && c->Widget(); };
    for (TControl *c : children_)
        if (c->Align() == alTop && visible(c)) {
            c->Widget()->setGeometry(r.left(), r.top(), r.width(), c->Height());
            r.setTop(r.top() + c->Height());
        }
    for (auto it = children_.rbegin(); it != children_.rend(); ++it)
        if ((*it)->Align() == alBottom && visible(*it)) {
            TControl *c = *it;
            c->Widget()->setGeometry(r.left(), r.bottom() + 1 - c->Height(), r.width(), c->Height());
            r.setBottom(r.bottom() - c->Height());
        }
    for (TControl *c : children_)
        if (c->Align() == alLeft && visible(c)) {
            c->Widget()->setGeometry(r.left(), r.top(), c->Width(), r.height());
            r.setLeft(r.left() + c->Width());
        }
    for (auto it = children_.rbegin(); it != children_.rend(); ++it)
        if ((*it)->Align() == alRight && visible(*it)) {
            TControl *c = *it;
            c->Widget()->setGeometry(r.right() + 1 - c->Width(), r.top(), c->Width(), r.height());
            r.setRight(r.right() - c->Width());
        }
    for (TControl *c : children_)
        if (c->Align() == alClient && visible(c))
            c->Widget()->setGeometry(r);
}
