#include "MainWindowFixture.h"

#include <QApplication>
#include <QKeyEvent>

namespace
{

std::vector<TControl *> DeveloperControls(TSelvane_F *w)
{
    return {w->Button5, w->Button6, w->Button7, w->Edit3, w->Edit2};
}

TEST_F(MainWindowTest, DebugModeShowsTheAllParametersPageAndDetailLines)
{
    for (bool on : {true, false, true, false}) {
        w->actDebug->Execute();
        EXPECT_EQ(w->DebugMode, on);
        EXPECT_EQ(w->tsPar2->TabVisible(), on);
        EXPECT_FALSE(w->TabSheet11->TabVisible()); // the controls' own page stays hidden
        for (TControl *c : DeveloperControls(w))
            EXPECT_EQ(c->Visible(), on) << c->Name;

        w->moRlt->Lines.Clear();
        w->LogLine(1, "detail");
        w->LogLine(101, "detail for the report");
        w->LogLine(10, "always");
        const std::vector<AnsiString> expected =
            on ? std::vector<AnsiString>{"detail", "detail for the report", "always"}
               : std::vector<AnsiString>{"always"};
        EXPECT_EQ(LinesOf(w->moRlt), expected) << (on ? "on" : "off");
    }
}

TEST_F(MainWindowTest, CtrlDReachesTheDebugAction)
{
    QApplication::setActiveWindow(w->Widget());
    QKeyEvent press(QEvent::KeyPress, Qt::Key_D, Qt::ControlModifier);
    QCoreApplication::sendEvent(w->Widget(), &press);
    EXPECT_TRUE(w->DebugMode);
    EXPECT_TRUE(w->tsPar2->TabVisible());
}

} // namespace
