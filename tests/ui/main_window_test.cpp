#include "GridDriving.h"
#include "MainWindowFixture.h"

#include "model/Tables.h"
#include "model/Texts.h"

#include <cstring>

TEST_F(MainWindowTest, StartsOnBallScrewInSiWithHiddenDeveloperPages)
{
    EXPECT_EQ(w->cbModel->ItemIndex(), 0);
    EXPECT_EQ(w->pcModPic->ActivePageIndex(), 0);
    EXPECT_EQ(w->UnitType, 1);
    EXPECT_EQ(w->WindowState(), wsMaximized);
    EXPECT_EQ(w->PageControl2->ActivePage(), w->tsPar1);
    EXPECT_EQ(w->PageControl1->ActivePage(), w->tsMatch);
    for (TTabSheet *sheet : {w->TabSheet2, w->TabSheet3, w->TabSheet4, w->tsPar3x, w->tsPar2, w->tsSingleRlt,
                             w->TabSheet6, w->TabSheet11})
        EXPECT_FALSE(sheet->TabVisible()) << sheet->Name;
    EXPECT_TRUE(w->moRlt->Lines.Items().empty());
    EXPECT_FALSE(w->DebugMode);
}

TEST_F(MainWindowTest, ActivationKeepsDeltaSymbolsAndClickAreaHints)
{
    for (int i = 0; i < 5; ++i)
        w->Activate();
    EXPECT_EQ(SizeItems[0].Abbr, "ΔS");
    EXPECT_EQ(SizeItems[1].Abbr, "ΔP");
    for (TImage *area : w->PictureAreas) {
        const int code = area->Tag % 100;
        if (code == 11) {
            EXPECT_EQ(area->Hint(), "Click to calculate JR");
        } else if (code == 14) {
            EXPECT_EQ(area->Hint(), "Click to calculate JRO");
        }
        EXPECT_EQ(area->Enabled(), code >= 11 && code <= 14);
    }
}

TEST_F(MainWindowTest, ReturnFromADialogShowsTheTableValues)
{
    const int row = RowOfSymbol(w->sgPar1, "S");
    ASSERT_TRUE(w->sgPar1->UserSelectCell(1, row));
    TypeText(w->CellEdit, "-");
    ASSERT_EQ(w->sgPar1->Cells(1, row), "-");
    OnNextModal([](TForm *) { return mrOk; });
    w->tbAbout->Click();
    EXPECT_EQ(w->sgPar1->Cells(1, row), "200");
    EXPECT_FALSE(w->CellEdit->Visible());
}

TEST_F(MainWindowTest, FormsAreCreatedInStartUpOrder)
{
    EXPECT_EQ(Application->MainForm, w);
    EXPECT_EQ(w->Name, "Selvane_F");
    EXPECT_EQ(w->Caption(), "選型工具 V1.02.04");
}

class MainWindowTextsTest : public MainWindowTest
{
  protected:
    bool WithTextFiles() const override { return true; }
};

TEST_F(MainWindowTextsTest, LanguageSwitchTranslatesAndMessagesFollow)
{
    EXPECT_EQ(w->tbOpen->Caption(), "Open");
    EXPECT_EQ(w->tbOpen->Hint(), "Open");
    w->cbLag->UserSelect(1);
    EXPECT_EQ(LanguageIndex, 1);
    EXPECT_EQ(GetMsg("ABB", 999, "?"), "Δ");
    EXPECT_EQ(SizeItems[0].Abbr, "ΔS");
    w->cbLag->UserSelect(0);
    EXPECT_EQ(w->cbLag->ItemIndex(), 0);
    EXPECT_EQ(w->cbLag->Items[0], "English");
}

TEST_F(MainWindowTextsTest, LanguageSwitchRenamesTheShownMechanism)
{
    w->pcModPic->UserSelect(1);
    EXPECT_EQ(w->stModeName->Caption(), "Rack and Pinion");
    const char *const names[3] = {"Rack and Pinion", "齒條傳動裝置", "齿条传动装置"};
    for (int language : {1, 2, 0}) {
        w->cbLag->UserSelect(language);
        EXPECT_EQ(w->stModeName->Caption(), names[language]) << language;
    }
}

// Each description says what the formulas use; the elevator and the rotary table name rows their own
// way while shown, also after a language switch, and give the names back when left.
TEST_F(MainWindowTextsTest, DescriptionsNameWhatTheFormulasUse)
{
    const struct {
        const char *symbol;
        int page;
        const char *names[3];
    } rows[] = {
        {"MC", 6, {"Counterweight mass", "配重質量", "配重质量"}},
        {"tP", 6, {"Time of one cycle (up and down)", "上下一次循環所需時間", "上下一次循环所需时间"}},
        {"PB", 6, {"Ball screw lead", "導螺桿導程", "导螺杆导程"}},
        {"MC", 4, {"Cart mass", "車子重量", "车子重量"}},
        {"tP", 4, {"Time of one stroke", "單一行程所需時間", "单一行程所需时间"}},
        {"LG", 1, {"Pinion length", "小齒輪長度", "小齿轮长度"}},
        {"DG", 1, {"Pinion diameter", "小齒輪直徑", "小齿轮直径"}},
        {"JG", 1, {"Pinion inertia", "小齒輪慣量", "小齿轮惯量"}},
        {"DF", 3, {"Friction circle diameter", "摩擦圓直徑", "摩擦圆直径"}},
        {"DS", 3, {"Support shaft diameter", "支撐軸直徑", "支撑轴直径"}},
        {"DS", 2, {"Bearing diameter", "軸承直徑", "轴承直径"}},
    };
    w->pcModPic->UserSelect(6);
    for (int language : {1, 2, 0}) {
        w->cbLag->UserSelect(language);
        for (const auto &r : rows) {
            w->pcModPic->UserSelect(r.page);
            TStringGrid *grid = RowOfSymbol(w->sgPar1, r.symbol) > 0 ? w->sgPar1 : w->sgPar3;
            EXPECT_EQ(grid->Cells(3, RowOfSymbol(grid, r.symbol)), r.names[language]) << r.symbol << r.page;
        }
        w->pcModPic->UserSelect(6);
    }
}

TEST_F(MainWindowTextsTest, ChartTitleFollowsTheLanguageUntilACalculationWritesItsTotal)
{
    const struct {
        int language;
        const char *title;
    } cases[] = {{1, "圖表"}, {2, "图表"}, {0, "Graph"}};
    for (const auto &c : cases) {
        w->cbLag->UserSelect(c.language);
        EXPECT_EQ(w->stRlt->Caption(), c.title) << c.language;
    }
    w->bbCalculate->Click();
    const AnsiString total = w->stRlt->Caption();
    EXPECT_EQ(total.rfind("Suggest Matches : Total", 0), 0u) << total;
    // Neither the return from a dialog nor a language switch puts the title back.
    OnNextModal([](TForm *) { return mrOk; });
    w->tbAbout->Click();
    EXPECT_EQ(w->stRlt->Caption(), total);
    w->cbLag->UserSelect(1);
    EXPECT_EQ(w->stRlt->Caption(), total);
}
