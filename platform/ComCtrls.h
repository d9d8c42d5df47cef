#pragma once

#include "platform/StdCtrls.h"

class QTabWidget;
class QToolButton;
class TPageControl;

class TTabSheet : public TWinControl
{
  public:
    explicit TTabSheet(TComponent *owner);
    const char *ClassName() const override { return "TTabSheet"; }
    // Adds the sheet as the last page of pageControl.
    void SetPageControl(TPageControl *pageControl);
    TPageControl *PageControl() const { return pageControl_; }
    AnsiString Caption() const { return caption_; }
    void SetCaption(const AnsiString &text);
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool v);
    int PageIndex() const;

  private:
    TPageControl *pageControl_ = nullptr;
    AnsiString caption_;
    bool tabVisible_ = true;
};

// Setting the active page from code raises no OnChange; a click on a tab does.
class TPageControl : public TWinControl
{
  public:
    explicit TPageControl(TComponent *owner);
    const char *ClassName() const override { return "TPageControl"; }
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet *Pages(int i) const { return pages_.at(static_cast<size_t>(i)); }
    int ActivePageIndex() const;
    void SetActivePageIndex(int i);
    TTabSheet *ActivePage() const;
    void SetActivePage(TTabSheet *page);
    QTabWidget *TabWidget() const { return tabs_; }
    // Switches to page i as the user's click would, raising OnChange.
    void UserSelect(int i);
    TNotifyEvent OnChange;

  private:
    friend class TTabSheet;
    QTabWidget *tabs_;
    std::vector<TTabSheet *> pages_;
    bool settingFromCode_ = false;
};

class TToolButton;

// A bar of tool buttons and other controls laid out left to right in creation order.
class TToolBar : public TWinControl
{
  public:
    explicit TToolBar(TComponent *owner);
    const char *ClassName() const override { return "TToolBar"; }
    void Arrange();
    void AlignControls() override { Arrange(); }
};

enum TToolButtonStyle { tbsButton, tbsSeparator };

class TToolButton : public TControl
{
  public:
    TToolButton(TComponent *owner, TToolButtonStyle style = tbsButton);
    const char *ClassName() const override { return "TToolButton"; }
    AnsiString Caption() const { return caption_; }
    void SetCaption(const AnsiString &text);
    void SetIcon(const QIcon &icon);
    TToolButtonStyle Style() const { return style_; }
    // Runs the click as the user's would.
    void Click();

  private:
    AnsiString caption_;
    TToolButtonStyle style_;
};
