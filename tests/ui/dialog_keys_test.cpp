#include "MainWindowFixture.h"

#include "inertia/Selvane_Inertia.h"
#include "ui/Selvane_ABOUT.h"
#include "ui/Selvane_Actions.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>

namespace
{

// A key pressed while widget has the focus: the widget sees it first, its form what it leaves.
void PressKeyOn(QWidget *widget, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

} // namespace

// Enter ends a dialog through its default button and Esc through its cancel button; the inertia
// dialog has no default button (Enter finishes a typed value), so Enter leaves it open.
TEST_F(MainWindowTest, EnterAndEscAnswerTheDialogsButtons)
{
    struct Case {
        const char *dialog;
        std::function<TForm *()> form;
        std::function<QWidget *()> focus;
        int key;
        int result;
    };
    auto actions = [] { return static_cast<TForm *>(Selvane_Actions_F); };
    auto actionsBox = [] { return static_cast<QWidget *>(Selvane_Actions_F->CheckBox1->CheckBox()); };
    auto about = [] { return static_cast<TForm *>(Selvane_About_F); };
    auto aboutPanel = [] { return Selvane_About_F->Panel1->Widget(); };
    auto inertia = [] { return static_cast<TForm *>(Selvane_Inertia_F); };
    auto inertiaText = [] { return Selvane_Inertia_F->stFormula->Widget(); };
    const Case cases[] = {
        {"save-content", actions, actionsBox, Qt::Key_Return, mrOk},
        {"save-content", actions, actionsBox, Qt::Key_Enter, mrOk},
        {"save-content", actions, actionsBox, Qt::Key_Escape, mrCancel},
        {"About", about, aboutPanel, Qt::Key_Return, mrOk},
        {"About", about, aboutPanel, Qt::Key_Escape, mrOk},
        {"inertia", inertia, inertiaText, Qt::Key_Escape, mrCancel},
        {"inertia", inertia, inertiaText, Qt::Key_Return, mrNone},
    };
    for (TForm *f : {actions(), about(), inertia()})
        f->EnsureBuilt();
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.dialog) + " key " + std::to_string(c.key));
        const bool wasChecked = Selvane_Actions_F->CheckBox1->Checked();
        OnNextModal([&](TForm *) {
            PressKeyOn(c.focus(), c.key);
            return mrNone;
        });
        EXPECT_EQ(c.form()->ShowModal(), c.result);
        EXPECT_EQ(Selvane_Actions_F->CheckBox1->Checked(), wasChecked) << "the key ticks no box";
    }
}
