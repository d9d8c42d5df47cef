#pragma once

#include "platform/Controls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <vector>

class QLabel;
class QGroupBox;
class QCheckBox;
class QPushButton;
class QScrollArea;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TBevelKind { bvNone, bvLowered, bvRaised };

class TPanel : public TWinControl
{
  public:
    explicit TPanel(TComponent *owner);
    const char *ClassName() const override { return "TPanel"; }
    void SetBevel(TBevelKind bevel);
};

class TGroupBox : public TWinControl
{
  public:
    explicit TGroupBox(TComponent *owner);
    const char *ClassName() const override { return "TGroupBox"; }
    AnsiString Caption() const;
    void SetCaption(const AnsiString &text);

  private:
    QGroupBox *box_;
};

// Label and static text share the Qt label; they differ in class name only.
class TLabel : public TControl
{
  public:
    explicit TLabel(TComponent *owner);
    const char *ClassName() const override { return "TLabel"; }
    AnsiString Caption() const;
    void SetCaption(const AnsiString &text);
    void SetAlignment(TAlignment a);
    void SetBevel(TBevelKind bevel);
    void SetWordWrap(bool wrap);
    // Runs the click as the user's would.
    void Click();

  protected:
    QLabel *label_;
};

class TStaticText : public TLabel
{
  public:
    explicit TStaticText(TComponent *owner) : TLabel(owner) {}
    const char *ClassName() const override { return "TStaticText"; }
};

using TKeyEvent = std::function<void(TObject *, unsigned short &, int)>;

class TEdit : public TWinControl
{
  public:
    explicit TEdit(TComponent *owner);
    const char *ClassName() const override { return "TEdit"; }
    AnsiString Text() const;
    void SetText(const AnsiString &text);
    QLineEdit *LineEdit() const { return edit_; }
    // Key release with the key code of the old keyboard interface (38 up, 40 down, 13 return ...).
    // Comes once per key press that this editor received; auto-repeat releases are dropped.
    TKeyEvent OnKeyUp;
    TNotifyEvent OnChange;
    // The focus went to another control of the program, raised when the event loop next runs; not
    // raised when only the window loses the focus (another window, a message box, a menu).
    TNotifyEvent OnExit;
    // The text that is no number whose conversion error was last shown; a text set from code clears
    // it.
    AnsiString ReportedText;

  private:
    QLineEdit *edit_;
};

// Lines of a memo; the widget is brought up to date when the event loop next runs, so a calculation
// that writes hundreds of lines does not lay out the text hundreds of times.
class TMemo;
class TMemoLines : public TStrings
{
  public:
    explicit TMemoLines(TMemo *memo) : memo_(memo) {}

  protected:
    void changed() override;

  private:
    TMemo *memo_;
};

class TMemo : public TWinControl
{
  public:
    explicit TMemo(TComponent *owner);
    const char *ClassName() const override { return "TMemo"; }
    TMemoLines Lines{this};
    QPlainTextEdit *TextEdit() const { return edit_; }
    void SetReadOnly(bool ro);
    void SetWordWrap(bool wrap);
    // Copies the lines into the widget now.
    void Sync();

  private:
    friend class TMemoLines;
    void scheduleSync();
    QPlainTextEdit *edit_;
    bool syncPending_ = false;
    std::vector<AnsiString> shown_; // the lines the widget holds
};

class TComboBox;
class TComboItems : public TStrings
{
  public:
    explicit TComboItems(TComboBox *combo) : combo_(combo) {}

  protected:
    void changed() override;

  private:
    TComboBox *combo_;
};

enum TComboBoxStyle { csDropDown, csDropDownList };

// Setting ItemIndex from code raises no OnChange; a pick by the user does.
class TComboBox : public TWinControl
{
  public:
    explicit TComboBox(TComponent *owner);
    const char *ClassName() const override { return "TComboBox"; }
    TComboItems Items{this};
    int ItemIndex() const;
    void SetItemIndex(int i);
    AnsiString Text() const;
    void SetStyle(TComboBoxStyle style);
    TComboBoxStyle Style() const { return style_; }
    void SetDropDownCount(int n);
    void SetItemHeight(int) {}
    QComboBox *Combo() const { return combo_; }
    // Picks item i as the user would: selects it and raises OnChange.
    void UserSelect(int i);
    // Only a pick in the open list raises OnChange; the closed combo ignores keys and the wheel.
    bool PickOnlyInOpenList = false;
    // Shown by the closed combo while no item is selected.
    void SetPlaceholder(const AnsiString &text);
    // Selects the item whose number (numbers[i] for item i) is the number the text holds, or none,
    // showing the text.
    void SelectNumber(const std::vector<AnsiString> &numbers, const AnsiString &text);

    TNotifyEvent OnChange;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

  private:
    friend class TComboItems;
    void syncItems();
    QComboBox *combo_;
    std::vector<AnsiString> shownItems_; // the items the widget holds
    TComboBoxStyle style_ = csDropDown;  // the edit field is made when the combo is first shown
};

class TComboBoxEx : public TComboBox
{
  public:
    explicit TComboBoxEx(TComponent *owner) : TComboBox(owner) {}
    const char *ClassName() const override { return "TComboBoxEx"; }
};

// Setting Checked from code raises OnClick when the state changes, as a user's click does.
class TCheckBox : public TWinControl
{
  public:
    explicit TCheckBox(TComponent *owner);
    const char *ClassName() const override { return "TCheckBox"; }
    bool Checked() const;
    void SetChecked(bool v);
    AnsiString Caption() const;
    void SetCaption(const AnsiString &text);
    QCheckBox *CheckBox() const { return box_; }

  private:
    QCheckBox *box_;
};

class TButton : public TWinControl
{
  public:
    explicit TButton(TComponent *owner);
    const char *ClassName() const override { return "TButton"; }
    AnsiString Caption() const;
    void SetCaption(const AnsiString &text);
    int ModalResult = 0;
    // Enter anywhere in the form clicks the default button, Esc the cancel button.
    void SetDefault(bool d);
    bool Default() const;
    bool Cancel = false;
    // Runs the click as the user's would: the form's modal result, then OnClick.
    void Click();
    QPushButton *PushButton() const { return button_; }

  private:
    QPushButton *button_;
};

class TBitBtn : public TButton
{
  public:
    explicit TBitBtn(TComponent *owner) : TButton(owner) {}
    const char *ClassName() const override { return "TBitBtn"; }
};

// A bar between two aligned controls that the user drags to resize the one before it.
class TSplitter : public TControl
{
  public:
    explicit TSplitter(TComponent *owner);
    const char *ClassName() const override { return "TSplitter"; }
};

class TScrollBox : public TWinControl
{
  public:
    explicit TScrollBox(TComponent *owner);
    const char *ClassName() const override { return "TScrollBox"; }
    QWidget *ClientWidget() const override { return inner_; }
    // Size of the scrolled area.
    void SetRange(int width, int height);
    QScrollArea *ScrollArea() const { return area_; }

  private:
    QScrollArea *area_;
    QWidget *inner_;
};
