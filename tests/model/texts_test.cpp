#include "model/Texts.h"

#include "platform/ComCtrls.h"
#include "platform/Forms.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{

// Message.ini and Caption.ini given as text for one test.
class TextsTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        MessageIni = new TMemIniFile("");
        CaptionIni = new TMemIniFile("");
        LanguageIndex = 0;
    }
    void TearDown() override
    {
        delete MessageIni;
        delete CaptionIni;
        MessageIni = CaptionIni = nullptr;
        LanguageIndex = 0;
    }
};

} // namespace

TEST_F(TextsTest, GetMsgLooksUpNumberDotLanguage)
{
    MessageIni->SetText("[Selvane_F]\n24.0=English\n24.1=中文\n25.0=\n[ABB]\n999.1=Δ\n");
    EXPECT_EQ(GetMsg("Selvane_F", 24, "def"), "English");
    EXPECT_EQ(GetMsg("selvane_f", 24, "def"), "English");
    LanguageIndex = 1;
    EXPECT_EQ(GetMsg("Selvane_F", 24, "def"), "中文");
    EXPECT_EQ(GetMsg("ABB", 999, "x"), "Δ");
    LanguageIndex = 2;
    EXPECT_EQ(GetMsg("Selvane_F", 24, "def"), "def");
    EXPECT_EQ(GetMsg("ABB", 999, "x"), "x");
    LanguageIndex = 0;
    EXPECT_EQ(GetMsg("Selvane_F", 25, "def"), "") << "a present empty value wins over the default";
    EXPECT_EQ(GetMsg("Other", 24, "def"), "def");
    delete MessageIni;
    MessageIni = nullptr;
    EXPECT_EQ(GetMsg("Selvane_F", 24, "built in"), "built in");
}

TEST_F(TextsTest, ApplyCaptionsLocalisesOnlyTheListedClasses)
{
    CaptionIni->SetText("[Test_F]\nCap.0=Window\nlbl.Cap.0=Label\nedt.Cap.0=Edit\ncmb.0.Cap.0=First\n"
                        "cmbx.0.Cap.0=Ex\ntb.Cap.0=Tool\nts.Cap.0=Sheet\n.Cap.0=Nameless\n");
    TForm form(nullptr);
    form.Name = "Test_F";
    form.SetCaption("old");
    auto *lbl = new TLabel(&form);
    lbl->Name = "lbl";
    lbl->SetCaption("l");
    auto *nameless = new TStaticText(&form);
    nameless->SetCaption("n");
    auto *edt = new TEdit(&form);
    edt->Name = "edt";
    edt->SetText("e");
    auto *cmb = new TComboBox(&form);
    cmb->Name = "cmb";
    cmb->Items.Assign({"a", "b"});
    cmb->SetItemIndex(1);
    auto *cmbx = new TComboBoxEx(&form);
    cmbx->Name = "cmbx";
    cmbx->Items.Assign({"x"});
    auto *tb = new TToolButton(&form);
    tb->Name = "tb";
    tb->SetCaption("t");
    auto *tbMissing = new TToolButton(&form);
    tbMissing->Name = "tbMissing";
    tbMissing->SetCaption("Keep");
    tbMissing->SetHint("layout hint");
    auto *empty = new TComboBox(&form);
    empty->Name = "cmb";
    empty->Items.Assign({"p", "q"});

    ApplyCaptions(&form);

    EXPECT_EQ(form.Caption(), "Window");
    EXPECT_EQ(lbl->Caption(), "Label");
    EXPECT_EQ(nameless->Caption(), "Nameless");
    EXPECT_EQ(edt->Text(), "e");
    EXPECT_EQ(cmb->Items.Items(), (std::vector<AnsiString>{"First", "b"}));
    EXPECT_EQ(cmb->ItemIndex(), 1);
    EXPECT_EQ(empty->ItemIndex(), -1);
    EXPECT_EQ(cmbx->Items[0], "x");
    EXPECT_EQ(tb->Caption(), "Tool");
    EXPECT_EQ(tb->Hint(), "Tool");
    EXPECT_EQ(tbMissing->Caption(), "Keep");
    EXPECT_EQ(tbMissing->Hint(), "Keep");
}

TEST_F(TextsTest, ApplyCaptionsWithoutFileKeepsEveryText)
{
    delete CaptionIni;
    CaptionIni = nullptr;
    TForm form(nullptr);
    form.Name = "Test_F";
    form.SetCaption("old");
    auto *sheet = new TTabSheet(&form);
    sheet->Name = "ts";
    sheet->SetCaption("Sheet");
    ApplyCaptions(&form);
    EXPECT_EQ(form.Caption(), "old");
    EXPECT_EQ(sheet->Caption(), "Sheet");
}
