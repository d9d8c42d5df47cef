#include "platform/Forms.h"

#include "platform/StdCtrls.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>

namespace
{
TApplication theApplication;
MessageHook messageHook;
ModalHook modalHook;
} // namespace

TApplication *Application = &theApplication;

void SetMessageHook(MessageHook hook)
{
    messageHook = std::move(hook);
}
void SetModalHook(ModalHook hook)
{
    modalHook = std::move(hook);
}

bool HeadlessPlatform()
{
    return QGuiApplication::platformName() == QLatin1String("offscreen");
}

void CallHandler(const std::function<void()> &body)
{
    try {
        body();
    } catch (const std::exception &e) {
        Application->ShowException(e);
    }
}

class FormWidget : public AlignHost<QWidget>
{
  public:
    TForm *form = nullptr;

  protected:
    void closeEvent(QCloseEvent *e) override
    {
        if (form && !form->handleClose())
            e->ignore();
        else
            e->accept();
    }
    // Reached by the keys that the focused control leaves alone.
    void keyPressEvent(QKeyEvent *e) override
    {
        if (form && form->handleDialogKey(e->key()))
            e->accept();
        else
            AlignHost<QWidget>::keyPressEvent(e);
    }
};

TForm::TForm(TComponent *owner) : TWinControl(owner, new FormWidget())
{
    auto *w = static_cast<FormWidget *>(widget_.data());
    w->form = this;
    w->host = this;
    w->setAutoFillBackground(true);
}

TForm::~TForm()
{
    if (auto *w = static_cast<FormWidget *>(widget_.data()))
        w->form = nullptr;
    if (Application->MainForm == this)
        Application->MainForm = nullptr;
}

AnsiString TForm::Caption() const
{
    return widget_->windowTitle().toStdString();
}
void TForm::SetCaption(const AnsiString &text)
{
    EnsureBuilt();
    widget_->setWindowTitle(QString::fromStdString(text));
}
void TForm::SetClientSize(int width, int height)
{
    widget_->resize(width, height);
}

void TForm::SetWindowState(TWindowState state)
{
    state_ = state;
    if (!widget_->isVisible())
        return;
    if (state == wsMaximized)
        widget_->showMaximized();
    else if (state == wsMinimized)
        widget_->showMinimized();
    else
        widget_->showNormal();
}

void TForm::SetDialogFrame()
{
    widget_->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

void TForm::SetAutoScroll()
{
    if (scrollArea_)
        return;
    scrollArea_ = new QScrollArea(widget_);
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setWidgetResizable(true);
    auto *area = new AlignHost<QWidget>();
    area->host = this;
    area->setMinimumSize(widget_->size());
    scrollArea_->setWidget(area);
    scrollArea_->setGeometry(widget_->rect());
    scrolled_ = area;
}

QWidget *TForm::ClientWidget() const
{
    return scrolled_ ? scrolled_ : widget_.data();
}

void TForm::AlignControls()
{
    if (scrollArea_)
        scrollArea_->setGeometry(widget_->rect());
    TWinControl::AlignControls();
}

bool TForm::handleDialogKey(int key)
{
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!enter && key != Qt::Key_Escape)
        return false;
    // A focused button takes Enter itself, as the default button would.
    auto *focused = qobject_cast<QPushButton *>(QApplication::focusWidget());
    if (enter && focused && focused->isEnabled() && widget_->isAncestorOf(focused)) {
        focused->click();
        return true;
    }
    for (TComponent *c : Components()) {
        auto *b = dynamic_cast<TButton *>(c);
        if (!b || !b->Visible() || !b->Enabled() || !(enter ? b->Default() : b->Cancel))
            continue;
        b->Click();
        return true;
    }
    return false;
}

void TForm::Activate()
{
    EnsureBuilt();
    FireEvent(OnActivate, this);
}

void TForm::EnsureBuilt()
{
    if (!build_)
        return;
    const auto build = std::move(build_);
    build_ = nullptr;
    build();
}

void TForm::Show()
{
    EnsureBuilt();
    if (position_ == poScreenCenter && !shown_)
        if (QScreen *screen = QGuiApplication::primaryScreen()) {
            const QRect avail = screen->availableGeometry();
            widget_->move(avail.center() - QPoint(widget_->width() / 2, widget_->height() / 2));
        }
    if (state_ == wsMaximized) {
        // Without a window manager nothing maximises the window: give it the screen.
        if (QScreen *screen = QGuiApplication::primaryScreen())
            widget_->setGeometry(screen->availableGeometry());
        widget_->showMaximized();
    } else {
        widget_->show();
    }
    shown_ = true;
    AlignControls();
}

int TForm::ShowModal()
{
    TForm *previous = Application->ActiveForm();
    modalResult_ = 0;
    modal_ = true;
    Application->modalStack_.push_back(this);
    Activate();
    if (modalHook) {
        const int hooked = modalHook(this);
        if (modalResult_ == 0)
            modalResult_ = hooked;
    } else if (HeadlessPlatform()) {
        modalResult_ = mrCancel;
    } else {
        widget_->setWindowModality(Qt::ApplicationModal);
        Show();
        QEventLoop loop;
        while (modalResult_ == 0 && widget_->isVisible())
            loop.processEvents(QEventLoop::WaitForMoreEvents);
        widget_->hide();
        if (modalResult_ == 0)
            modalResult_ = mrCancel;
    }
    Application->modalStack_.pop_back();
    modal_ = false;
    const int result = modalResult_;
    if (previous)
        previous->Activate();
    return result;
}

void TForm::SetModalResult(int result)
{
    modalResult_ = result;
    if (modal_ && result != 0 && !modalHook)
        widget_->hide();
}

void TForm::Close()
{
    widget_->close();
}

bool TForm::handleClose()
{
    if (modal_) {
        if (modalResult_ == 0)
            modalResult_ = mrCancel;
        return true;
    }
    TCloseAction action = Application->MainForm == this ? caFree : caHide;
    FireEvent(OnClose, this, action);
    if (action == caNone)
        return false;
    if (Application->MainForm == this)
        QApplication::quit();
    return true;
}

TAction::TAction(TComponent *owner, TForm *form, const QKeySequence &shortCut) : TComponent(owner)
{
    auto *sc = new QShortcut(shortCut, form->Widget());
    sc->setContext(Qt::WindowShortcut);
    QObject::connect(sc, &QShortcut::activated, [this] { Execute(); });
}

void TAction::Execute()
{
    FireEvent(OnExecute, this);
}

void TApplication::CreateForm(TForm *form)
{
    if (!MainForm)
        MainForm = form;
}

TForm *TApplication::ActiveForm() const
{
    return modalStack_.empty() ? MainForm : modalStack_.back();
}

void TApplication::Run()
{
    if (!MainForm)
        return;
    // Activated as it is shown, before its first layout: as with a modal form, the texts that
    // OnActivate gives the form are in place when the window is first measured and drawn.
    MainForm->Activate();
    MainForm->Show();
    QApplication::exec();
}

int TApplication::MessageBox(const AnsiString &text, const AnsiString &caption, int flags)
{
    const bool yesNo = (flags & 0xF) == MB_YESNO;
    const bool okCancel = (flags & 0xF) == MB_OKCANCEL;
    QMessageBox box(ActiveForm() ? ActiveForm()->Widget() : nullptr);
    box.setWindowTitle(QString::fromStdString(caption));
    box.setText(QString::fromStdString(text));
    const int icon = flags & 0xF0;
    box.setIcon(icon == MB_ICONERROR         ? QMessageBox::Critical
                : icon == MB_ICONQUESTION    ? QMessageBox::Question
                : icon == MB_ICONWARNING     ? QMessageBox::Warning
                : icon == MB_ICONINFORMATION ? QMessageBox::Information
                                             : QMessageBox::NoIcon);
    if (yesNo)
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    else if (okCancel)
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    else
        box.setStandardButtons(QMessageBox::Ok);
    if (messageHook) {
        MessageRecord record{caption, text, flags, {}};
        for (QAbstractButton *b : box.buttons())
            record.buttons.push_back(QString(b->text()).remove('&').toStdString());
        return messageHook(record);
    }
    if (HeadlessPlatform())
        return yesNo ? IDYES : IDOK;
    switch (box.exec()) {
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    case QMessageBox::Cancel:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

void TApplication::ShowException(const std::exception &e)
{
    AnsiString text = e.what();
    if (text.empty() || text.back() != '.')
        text += '.';
    MessageBox(text, Title, MB_OK | MB_ICONERROR);
}

void ShowMessage(const AnsiString &text)
{
    Application->MessageBox(text, Application->Title, MB_OK);
}
