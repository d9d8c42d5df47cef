#include "MainWindowFixture.h"
#include "TestSupport.h"

#include "inertia/InertiaTable.h"
#include "inertia/Selvane_Inertia.h"
#include "ui/Selvane_ABOUT.h"
#include "ui/Selvane_Actions.h"

#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QToolButton>

#include <functional>
#include <vector>

// What start-up leaves for later: the hidden forms exist under their names but build their widgets
// on first use; what the main window shows is all there.

namespace
{

class HiddenFormsTest : public MainWindowTest
{
  protected:
    bool WithTextFiles() const override { return true; }
    void TearDown() override
    {
        MainWindowTest::TearDown();
        InitInertiaTable(); // the inertia dialog renamed its entries in English
    }
};

// Each of the three forms is built when it is first shown, not before: nothing the main window does
// until then reaches the widgets it does not yet have.
TEST_F(HiddenFormsTest, BuiltWhenFirstShownAndNotBefore)
{
    TForm *const forms[] = {Selvane_Actions_F, Selvane_Inertia_F, Selvane_About_F};
    const char *const names[] = {"Selvane_Actions_F", "Selvane_Inertia_F", "Selvane_About_F"};
    // Built: how many forms have their widgets, in the order above.
    auto built = [&] {
        int n = 0;
        while (n < 3 && forms[n]->ComponentCount() > 0)
            ++n;
        for (int i = n; i < 3; ++i)
            EXPECT_EQ(forms[i]->ComponentCount(), 0) << names[i];
        return n;
    };
    EXPECT_EQ(Application->MainForm, w);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(forms[i]->Name, names[i]);
    const TSelvane_Inertia_F *d = Selvane_Inertia_F;
    const TSelvane_About_F *about = Selvane_About_F;
    const TSelvane_Actions_F *actions = Selvane_Actions_F;
    // Their widget pointers are null until then.
    const std::vector<const void *> widgets[] = {
        {actions->ScrollBox1, actions->stTitle, actions->GroupBox1, actions->GroupBox2, actions->GroupBox3,
         actions->GroupBox4, actions->GroupBox5, actions->StaticText1, actions->StaticText2,
         actions->StaticText3, actions->StaticText4, actions->StaticText5, actions->CheckBox1,
         actions->CheckBox2, actions->CheckBox3, actions->CheckBox4, actions->CheckBox5, actions->BitBtn5,
         actions->BitBtn6},
        {d->cbMode, d->cbCalWeight, d->sgWeight, d->bbCalWeight, d->stMrlt, d->sgInertia, d->Image1,
         d->stFormula, d->stIrlt, d->edValue, d->cbCBX, d->bbCal, d->bbReplace, d->bbCancel},
        {about->Panel1, about->ProgramIcon, about->Banner, about->ProductName, about->Version, about->Label1,
         about->OKButton}};
    for (int i = 0; i < 3; ++i)
        for (const void *widget : widgets[i])
            EXPECT_EQ(widget, nullptr) << names[i];

    TempDir dir;
    const std::string path = dir.filePath("case.siz");
    for (int language : {1, 2, 0})
        w->cbLag->UserSelect(language);
    AnswerNextFileDialog(path);
    w->tbSave->Click();
    AnswerNextFileDialog(path);
    w->tbOpen->Click();
    w->bbCalculate->Click();
    QApplication::setActiveWindow(w->Widget());
    for (int press = 0; press < 2; ++press) {
        QKeyEvent ctrlD(QEvent::KeyPress, Qt::Key_D, Qt::ControlModifier);
        QCoreApplication::sendEvent(w->Widget(), &ctrlD);
        EXPECT_EQ(w->DebugMode, press == 0);
    }
    EXPECT_EQ(built(), 0);
    EXPECT_TRUE(messages.empty()) << messages.front().text;

    TImage *jrArea = nullptr;
    for (TImage *area : w->PictureAreas)
        if (area->Tag == 111)
            jrArea = area;
    ASSERT_NE(jrArea, nullptr);
    const std::function<void()> firstShowings[] = {
        [this] { w->tbSaveRlt->Click(); }, [jrArea] { jrArea->Click(); }, [this] { w->tbAbout->Click(); }};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(names[i]);
        int components = 0;
        for (int showing = 0; showing < 2; ++showing) {
            TForm *shown = nullptr;
            OnNextModal([&](TForm *form) {
                shown = form;
                EXPECT_EQ(built(), i + 1);
                components = showing == 0 ? form->ComponentCount() : components;
                EXPECT_EQ(form->ComponentCount(), components) << "built twice";
                return mrCancel;
            });
            firstShowings[i]();
            EXPECT_EQ(shown, forms[i]);
        }
    }
    EXPECT_TRUE(messages.empty()) << messages.front().text;
}

TEST_F(MainWindowTest, CaptionGivenBeforeFirstUseStays)
{
    Selvane_Inertia_F->SetCaption("Inertia: JR");
    EXPECT_EQ(Selvane_Inertia_F->Caption(), "Inertia: JR");
    Selvane_Inertia_F->Show();
    EXPECT_EQ(Selvane_Inertia_F->Caption(), "Inertia: JR");
    EXPECT_GT(Selvane_Inertia_F->ComponentCount(), 0);
}

TEST_F(MainWindowTest, ToolBarIconsAreSmallPictures)
{
    for (TToolButton *b : {w->tbOpen, w->tbSave, w->tbSaveRlt, w->tbAbout}) {
        auto *button = qobject_cast<QToolButton *>(b->Widget());
        ASSERT_NE(button, nullptr) << b->Name;
        const QIcon icon = button->icon();
        ASSERT_FALSE(icon.isNull()) << b->Name;
        EXPECT_EQ(icon.availableSizes(), QList<QSize>{QSize(16, 16)}) << b->Name;
    }
}

} // namespace
