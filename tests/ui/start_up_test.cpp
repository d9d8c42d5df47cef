#include "MainWindowFixture.h"

#include "inertia/Selvane_Inertia.h"
#include "ui/Selvane_ABOUT.h"
#include "ui/Selvane_Actions.h"

#include <QIcon>
#include <QToolButton>

// What start-up leaves for later: the hidden forms exist under their names but build their widgets
// on first use; what the main window shows is all there.

namespace
{

struct HiddenForm {
    TForm *(*form)();
    const char *name;
    const char *caption;
};
const HiddenForm HiddenForms[] = {
    {[]() -> TForm * { return Selvane_Inertia_F; }, "Selvane_Inertia_F", "慣量計算"},
    {[]() -> TForm * { return Selvane_About_F; }, "Selvane_About_F", "About"},
    {[]() -> TForm * { return Selvane_Actions_F; }, "Selvane_Actions_F", "請選擇存檔的內容"},
};

TEST_F(MainWindowTest, HiddenFormsAreBuiltOnFirstUse)
{
    EXPECT_EQ(Application->MainForm, w);
    for (const HiddenForm &h : HiddenForms) {
        TForm *form = h.form();
        EXPECT_EQ(form->Name, h.name);
        EXPECT_EQ(form->ComponentCount(), 0) << h.name;
    }
    for (const HiddenForm &h : HiddenForms) {
        TForm *form = h.form();
        form->Activate();
        const int built = form->ComponentCount();
        EXPECT_GT(built, 0) << h.name;
        EXPECT_EQ(form->Caption(), h.caption) << h.name;
        form->Show();
        form->Activate();
        EXPECT_EQ(form->ComponentCount(), built) << h.name << " built twice";
    }
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
