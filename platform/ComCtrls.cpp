#include "platform/ComCtrls.h"

#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace
{

// Qt lays a tab bar out again for every tab added, measuring every caption, even while the bar is
// hidden. A hidden bar's tabs are therefore measured as empty, and the bar is laid out for real
// when it is shown; until then nothing places anything by its tabs.
class PageTabBar : public QTabBar
{
  protected:
    QSize tabSizeHint(int index) const override
    {
        return isVisible() ? QTabBar::tabSizeHint(index) : QSize();
    }
    QSize minimumTabSizeHint(int index) const override
    {
        return isVisible() ? QTabBar::minimumTabSizeHint(index) : QSize();
    }
    void showEvent(QShowEvent *e) override
    {
        // Setting the elide mode lays the tabs out again, now with their captions.
        setElideMode(elideMode());
        QTabBar::showEvent(e);
    }
};

class PageTabWidget : public QTabWidget
{
  public:
    PageTabWidget()
    {
        auto *bar = new PageTabBar;
        bar->setObjectName(tabBar()->objectName());
        bar->setDrawBase(tabBar()->drawBase());
        setTabBar(bar);
    }
};

} // namespace

TTabSheet::TTabSheet(TComponent *owner) : TWinControl(owner, new AlignHost<QWidget>())
{
    static_cast<AlignHost<QWidget> *>(widget_.data())->host = this;
}

void TTabSheet::SetPageControl(TPageControl *pc)
{
    pageControl_ = pc;
    pc->pages_.push_back(this);
    pc->settingFromCode_ = true;
    pc->tabs_->addTab(widget_, QString::fromStdString(caption_));
    pc->settingFromCode_ = false;
}

void TTabSheet::SetCaption(const AnsiString &text)
{
    caption_ = text;
    if (pageControl_)
        pageControl_->tabs_->setTabText(PageIndex(), QString::fromStdString(text));
}

void TTabSheet::SetTabVisible(bool v)
{
    tabVisible_ = v;
    if (!pageControl_)
        return;
    pageControl_->settingFromCode_ = true;
    pageControl_->tabs_->setTabVisible(PageIndex(), v);
    pageControl_->settingFromCode_ = false;
}

int TTabSheet::PageIndex() const
{
    if (!pageControl_)
        return -1;
    const auto &pages = pageControl_->pages_;
    for (size_t i = 0; i < pages.size(); ++i)
        if (pages[i] == this)
            return static_cast<int>(i);
    return -1;
}

TPageControl::TPageControl(TComponent *owner) : TWinControl(owner, new PageTabWidget())
{
    tabs_ = static_cast<QTabWidget *>(widget_.data());
    tabs_->setUsesScrollButtons(true);
    QObject::connect(tabs_, &QTabWidget::currentChanged, [this](int) {
        if (!settingFromCode_)
            FireEvent(OnChange, this);
    });
}

int TPageControl::ActivePageIndex() const
{
    return tabs_->currentIndex();
}

void TPageControl::SetActivePageIndex(int i)
{
    if (i < 0 || i >= PageCount())
        return;
    settingFromCode_ = true;
    tabs_->setCurrentIndex(i);
    settingFromCode_ = false;
}

TTabSheet *TPageControl::ActivePage() const
{
    const int i = ActivePageIndex();
    return i >= 0 && i < PageCount() ? pages_[static_cast<size_t>(i)] : nullptr;
}

void TPageControl::SetActivePage(TTabSheet *page)
{
    if (page)
        SetActivePageIndex(page->PageIndex());
}

void TPageControl::UserSelect(int i)
{
    if (i < 0 || i >= PageCount())
        return;
    if (i == ActivePageIndex())
        return;
    tabs_->setCurrentIndex(i);
}

TToolBar::TToolBar(TComponent *owner) : TWinControl(owner, new AlignHost<QWidget>())
{
    static_cast<AlignHost<QWidget> *>(widget_.data())->host = this;
}

void TToolBar::Arrange()
{
    int x = 2;
    for (TControl *c : Controls()) {
        if (!c->Visible())
            continue;
        const int h = c->Height();
        c->Widget()->setGeometry(x, std::max(0, (Height() - h) / 2), c->Width(), h);
        x += c->Width() + 1;
    }
}

TToolButton::TToolButton(TComponent *owner, TToolButtonStyle style)
    : TControl(owner, style == tbsSeparator ? new QWidget() : new QToolButton()), style_(style)
{
    if (auto *b = qobject_cast<QToolButton *>(widget_.data())) {
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setAutoRaise(true);
        QObject::connect(b, &QToolButton::clicked, [this] { FireEvent(OnClick, this); });
    }
    widget_->resize(style == tbsSeparator ? 8 : 60, 22);
}

void TToolButton::SetCaption(const AnsiString &text)
{
    caption_ = text;
    if (auto *b = qobject_cast<QToolButton *>(widget_.data())) {
        b->setText(QString::fromStdString(text));
        b->resize(std::max(b->sizeHint().width(), 40), b->height());
        if (auto *bar = dynamic_cast<TToolBar *>(Parent()))
            bar->Arrange();
    }
}

void TToolButton::SetIcon(const QIcon &icon)
{
    if (auto *b = qobject_cast<QToolButton *>(widget_.data())) {
        b->setIcon(icon);
        b->resize(std::max(b->sizeHint().width(), 40), b->height());
    }
}

void TToolButton::Click()
{
    FireEvent(OnClick, this);
}
