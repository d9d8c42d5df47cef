#pragma once

#include "platform/Controls.h"

#include <QKeySequence>

class QScrollArea;

enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TPosition { poDesigned, poScreenCenter };

constexpr int mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7;
constexpr int MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_YESNO = 0x4, MB_ICONERROR = 0x10, MB_ICONQUESTION = 0x20,
              MB_ICONWARNING = 0x30, MB_ICONINFORMATION = 0x40;
constexpr int IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7;

using TCloseEvent = std::function<void(TObject *, TCloseAction &)>;

class TForm : public TWinControl
{
  public:
    explicit TForm(TComponent *owner);
    ~TForm() override;
    const char *ClassName() const override { return "TForm"; }

    AnsiString Caption() const;
    void SetCaption(const AnsiString &text);
    void SetClientSize(int width, int height);
    void SetPosition(TPosition position) { position_ = position; }
    TWindowState WindowState() const { return state_; }
    void SetWindowState(TWindowState state);
    void SetDialogFrame();
    // From now on the controls lie on a scrolled area as large as the client size at this call:
    // a smaller window shows scroll bars, a larger one stretches the area.
    void SetAutoScroll();
    QScrollArea *ScrollArea() const { return scrollArea_; }
    QWidget *ClientWidget() const override;
    void AlignControls() override;

    // Shows the form modally and returns its modal result; the form that was active before gets
    // its OnActivate again when the dialog closes.
    int ShowModal();
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result);
    bool IsModal() const { return modal_; }
    void Show();
    void Close();
    // Runs OnActivate: the program's own activation points call it.
    void Activate();
    // Builds the widgets of a form that defers them; Show, ShowModal, Activate and SetCaption do.
    void EnsureBuilt();

    TNotifyEvent OnActivate;
    TCloseEvent OnClose;

  protected:
    // A hidden form builds its widgets on first use instead of at start.
    void BuildOnFirstUse(std::function<void()> build) { build_ = std::move(build); }

  private:
    friend class FormWidget;
    bool handleClose();
    // Enter clicks the focused or the default button, Esc the cancel button; false when none takes it.
    bool handleDialogKey(int key);
    std::function<void()> build_;
    TPosition position_ = poDesigned;
    TWindowState state_ = wsNormal;
    int modalResult_ = 0;
    bool modal_ = false;
    bool shown_ = false;
    QScrollArea *scrollArea_ = nullptr;
    QWidget *scrolled_ = nullptr;
};

// A keyboard command of a form (Ctrl+D ...).
class TAction : public TComponent
{
  public:
    TAction(TComponent *owner, TForm *form, const QKeySequence &shortCut);
    const char *ClassName() const override { return "TAction"; }
    void Execute();
    TNotifyEvent OnExecute;
};

class TApplication
{
  public:
    AnsiString Title;
    TForm *MainForm = nullptr;
    // The first form created becomes the main form.
    void CreateForm(TForm *form);
    // Shows the main form and runs the message loop until it closes.
    void Run();
    int MessageBox(const AnsiString &text, const AnsiString &caption, int flags);
    // The default exception display: the message, with a final "." added when it has none.
    void ShowException(const std::exception &e);
    TForm *ActiveForm() const;

  private:
    friend class TForm;
    std::vector<TForm *> modalStack_;
};

extern TApplication *Application;

void ShowMessage(const AnsiString &text);

// Test hooks: when set, message boxes, modal forms, file dialogs and the shell answer through them
// without showing anything.
struct MessageRecord {
    AnsiString caption;
    AnsiString text;
    int flags;
    std::vector<AnsiString> buttons; // texts of the box's buttons, in the language in use
};
using MessageHook = std::function<int(const MessageRecord &)>;
using ModalHook = std::function<int(TForm *)>;
void SetMessageHook(MessageHook hook);
void SetModalHook(ModalHook hook);
// Without a hook on a platform with no screen ("offscreen"), boxes answer their first button and
// dialogs cancel, so nothing ever waits for a user who is not there.
bool HeadlessPlatform();
