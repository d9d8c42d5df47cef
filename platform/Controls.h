#pragma once

#include "platform/Classes.h"
#include "platform/Graphics.h"

#include <QPointer>
#include <QWidget>

class TWinControl;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

// The family itself if installed, else its stand-in given by QFont::insertSubstitution.
QString InstalledFamily(const QString &family);
// Runs f now when no mouse button is down, else once all are up (while context lives): a box shown
// in the middle of a click or a drag would swallow the release.
void WhenMouseUp(QObject *context, const std::function<void()> &f);
enum TCursor { crDefault, crHandPoint };

// A control with a Qt widget behind it. Positions are in the parent's client coordinates.
class TControl : public TComponent
{
  public:
    TControl(TComponent *owner, QWidget *widget);
    ~TControl() override;
    const char *ClassName() const override { return "TControl"; }

    QWidget *Widget() const { return widget_; }
    TWinControl *Parent() const { return parent_; }
    virtual void SetParent(TWinControl *parent);

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int v);
    void SetTop(int v);
    void SetWidth(int v);
    void SetHeight(int v);
    void SetBounds(int left, int top, int width, int height);

    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const;
    void SetEnabled(bool v);
    AnsiString Hint() const;
    void SetHint(const AnsiString &hint);
    void SetCursor(TCursor cursor);
    TColor Color() const { return color_; }
    virtual void SetColor(TColor color);
    void SetFontColor(TColor color);
    void SetFontBold(bool bold);
    void SetFontPixelSize(int px);
    void SetFontFamily(const AnsiString &family);

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;

  protected:
    friend class TWinControl;
    QPointer<QWidget> widget_;
    TWinControl *parent_ = nullptr;
    bool visible_ = true;
    TAlign align_ = alNone;
    TColor color_ = clBtnFace;
};

// A control that holds other controls and places the aligned ones on every resize.
class TWinControl : public TControl
{
  public:
    TWinControl(TComponent *owner, QWidget *widget);
    ~TWinControl() override;
    const char *ClassName() const override { return "TWinControl"; }
    // The widget that child controls are put into.
    virtual QWidget *ClientWidget() const { return widget_; }
    virtual void AlignControls();
    const std::vector<TControl *> &Controls() const { return children_; }
    bool Focused() const;
    void SetFocus();

  private:
    friend class TControl;
    std::vector<TControl *> children_;
};

// Mixin for container widgets: lays out aligned children when resized.
template <class Base> class AlignHost : public Base
{
  public:
    template <class... A> explicit AlignHost(A &&...a) : Base(std::forward<A>(a)...) {}
    TWinControl *host = nullptr;

  protected:
    void resizeEvent(QResizeEvent *e) override
    {
        Base::resizeEvent(e);
        if (host)
            host->AlignControls();
    }
};
