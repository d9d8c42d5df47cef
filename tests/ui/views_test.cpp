#include "GridDriving.h"
#include "MainWindowFixture.h"
#include "TestSupport.h"

#include "model/MotorCatalogue.h"
#include "model/SizeItem.h"
#include "model/Tables.h"
#include "ui/MatchLookup.h"

#include <QStyle>

#include <vector>

namespace
{

const char *const kMaterials[16] = {
    "鋨[osmium]",      "銥[iridium(Ir)]",  "鉑[platinum(Pt)]", "金[gold]",
    "鎢[wolfram(W)]",  "鈾[uranium (U)]",  "汞[mercury(Hg)]",  "鈀[palladium(Pd)]",
    "鉛[Plumbum(Pb)]", "銀[silver]",       "銅[copper]",       "鐵[iron]",
    "錫[tin]",         "鈦[titanium(Ti)]", "鋁[aluminum]",     "鑽石[diamond]"};
const char *const kSiDensities[16] = {"22660", "22650", "21450", "19300", "19250", "19050", "13580", "12023",
                                      "11340", "10490", "8960",  "7870",  "7310",  "4507",  "2700",  "3500"};
// density x 3.609485462555e-05, worked out in 64-bit precision and rounded to double.
const char *const kImperialDensities[16] = {
    "0.817909405814963", "0.817548457268708", "0.774234631718048", "0.696630694273115",
    "0.694825951541837", "0.687606980616728", "0.490168125814969", "0.433968437162988",
    "0.409315651453737", "0.37863502502202",  "0.323409897444928", "0.284066505903078",
    "0.26385338731277",  "0.162679509797354", "0.097456107488985", "0.126331991189425"};

std::vector<AnsiString> Column(const TStringGrid *grid, int col, int from, int to)
{
    std::vector<AnsiString> cells;
    for (int r = from; r <= to; ++r)
        cells.push_back(grid->Cells(col, r));
    return cells;
}

std::vector<AnsiString> Row(const TStringGrid *grid, int row)
{
    std::vector<AnsiString> cells;
    for (int c = 0; c < grid->ColCount(); ++c)
        cells.push_back(grid->Cells(c, row));
    return cells;
}

void ExpectDensityColumn(const TStringGrid *grid, const char *const (&values)[16], const char *unit)
{
    for (int r = 1; r <= 16; ++r) {
        EXPECT_EQ(grid->Cells(0, r), kMaterials[r - 1]) << r;
        EXPECT_EQ(grid->Cells(1, r), values[r - 1]) << r;
        EXPECT_EQ(grid->Cells(2, r), unit) << r;
    }
}

} // namespace

TEST_F(MainWindowTest, CatalogueGridInBothUnitSystems)
{
    TStringGrid *g = w->sgMotor;
    // Its page first shown: each header and cell in sight shows a text exactly where the grid has one.
    w->PageControl2->SetActivePage(w->tsMotor);
    QApplication::processEvents();
    const QImage screen = Grabbed(g->Widget());
    const int step = g->DefaultRowHeight() + g->GridLineWidth();
    const int bar = QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    int texts = 0;
    for (int c = 0, left = 0; c < g->ColCount() && left + g->ColWidths(c) <= screen.width() - bar; ++c) {
        for (int r = 0; (r + 1) * step <= screen.height() - bar; ++r) {
            const QRect cell(left + 2, r * step + 2, g->ColWidths(c) - 4, step - 5);
            EXPECT_EQ(DarkPixels(screen, cell) > 0, !g->Cells(c, r).empty()) << c << ", " << r;
            texts += !g->Cells(c, r).empty();
        }
        left += g->ColWidths(c) + g->GridLineWidth();
    }
    EXPECT_GT(texts, 50);

    EXPECT_EQ(g->RowCount(), 44);
    EXPECT_EQ(g->ColCount(), 16);
    const std::vector<int> widths{50, 80, 90, 90, 90, 90, 90, 90, 90, 90};
    for (int c = 0; c < 10; ++c)
        EXPECT_EQ(g->ColWidths(c), widths[static_cast<size_t>(c)]) << c;
    EXPECT_EQ(Row(g, 0),
              (std::vector<AnsiString>{"", "馬達", "瓦特數(W)", "JM 額定慣量(Kg.m^2)", "Ttyp 額定扭矩(N.m)",
                                       "Tmax 最大扭矩(N.m)", "EP 電容儲存能量(J)", "最高轉速(rpm)", "Trms",
                                       "TA", "TD", "Pr", "EA", "ED", "EE", "ER"}));
    // No calculation yet: no results.
    EXPECT_EQ(Row(g, 1), (std::vector<AnsiString>{"Kelo-P", "Pemra-0100-50", "100", "3E-6", "0.318", "0.95",
                                                  "3", "5000", "", "", "", "", "", "", "", ""}));
    EXPECT_EQ(Column(g, 0, 1, 43).back(), "Kelo-T");
    EXPECT_EQ(Row(g, 43)[5], "71.62");

    w->tbMI->Click();
    EXPECT_EQ(Column(g, 3, 0, 6)[0], "JM 額定慣量(lb.ft^2)");
    EXPECT_EQ(g->Cells(4, 0), "Ttyp 額定扭矩(lb.ft)");
    EXPECT_EQ(g->Cells(5, 0), "Tmax 最大扭矩(lb.ft)");
    EXPECT_EQ(g->Cells(6, 0), "EP 電容儲存能量(J)");
    EXPECT_EQ(Column(g, 3, 1, 1)[0], "7.11910011E-5");
    EXPECT_EQ(g->Cells(4, 1), "0.23454476347017"); // 0.318 N.m in lbf.ft
    EXPECT_EQ(g->Cells(5, 1), "0.700684041813402");
    EXPECT_EQ(g->Cells(3, 43), "0.1845033445175");
    EXPECT_EQ(g->Cells(4, 43), "21.1311555767937");
    EXPECT_EQ(g->Cells(5, 43), "52.8242011312378");
    EXPECT_EQ(g->Cells(6, 43), "28");
    EXPECT_EQ(MotorSpecs[0].TorqueNowUnit, "(lb.ft)");

    w->tbSI->Click();
    EXPECT_EQ(g->Cells(3, 0), "JM 額定慣量(Kg.m^2)");
    EXPECT_EQ(g->Cells(3, 1), "3E-6");

    w->FillMotorGrid(false);
    EXPECT_EQ(g->ColCount(), 8);
}

// Result cells of the catalogue and the result grid hold only what the last calculation computed,
// in the unit system it computed them in.
TEST_F(MainWindowTest, ResultsShownBelongToTheLastCalculation)
{
    TStringGrid *g = w->sgMotor;
    const int ml = RowOfSymbol(w->sgPar1, "ML");
    // Per row: the eight result cells are filled, or all empty.
    auto shown = [&](int record) {
        int filled = 0;
        for (int c = 8; c < 16; ++c)
            filled += !g->Cells(c, record + 1).empty();
        EXPECT_TRUE(filled == 0 || filled == 8) << record;
        return filled == 8;
    };
    // The candidates of the steps that compute them: those with a TA line in their details.
    auto candidate = [](int record) {
        for (const AnsiString &line : MotorSpecs[record].Lines)
            if (line.find(" TA = ") != AnsiString::npos)
                return true;
        return false;
    };
    const int twoHundredWatt[] = {1, 12, 27};

    w->bbCalculate->Click();
    for (int r : twoHundredWatt)
        EXPECT_TRUE(shown(r)) << r;
    // A 500 kg load: JL/15 = 2.5E-5 kg·m² rises above the 200 W rotors, so they are no longer
    // candidates.
    w->sgPar1->SetCells(1, ml, "500");
    w->bbCalculate->Click();
    int candidates = 0;
    for (int r = 0; r < 43; ++r) {
        EXPECT_EQ(shown(r), candidate(r)) << r;
        if (!candidate(r))
            continue;
        ++candidates;
        EXPECT_EQ(g->Cells(8, r + 1), FloatToStr(MotorSpecs[r].Trms)) << r;
        EXPECT_EQ(g->Cells(9, r + 1), FloatToStr(MotorSpecs[r].TA)) << r;
    }
    EXPECT_GT(candidates, 0);
    for (int r : twoHundredWatt)
        EXPECT_FALSE(shown(r)) << r;
    EXPECT_EQ(w->sgPar3->Cells(1, RowOfSymbol(w->sgPar3, "NV")), "2000"); // 10 m/min over 5 mm

    // Pressing the active system again keeps them; the other system empties them until the next
    // calculation, and so does coming back; the inputs stay as typed.
    w->tbSI->Click();
    EXPECT_TRUE(shown(2)); // 400 W
    for (TToolButton *button : {w->tbMI, w->tbSI}) {
        button->Click();
        SCOPED_TRACE(w->UnitType);
        for (int r = 0; r < 43; ++r)
            EXPECT_FALSE(shown(r)) << r;
        for (int r = 1; r < w->sgPar3->RowCount(); ++r)
            EXPECT_EQ(w->sgPar3->Cells(1, r), "") << w->sgPar3->Cells(0, r);
        EXPECT_EQ(w->sgPar1->Cells(1, ml), "500");
    }
    w->bbCalculate->Click();
    EXPECT_TRUE(shown(2)); // 400 W
    EXPECT_EQ(g->Cells(8, 0), "Trms");

    // Another mechanism shows none of them, nor any other view of them; nor does coming back.
    w->sgMotorRlt->UserSelectCell(1, 1);
    w->sgMotorRlt->UserDblClick();
    ASSERT_FALSE(LinesOf(w->meSingleRlt).empty());
    for (int page : {4, 0}) {
        SCOPED_TRACE(page);
        w->pcModPic->UserSelect(page);
        EXPECT_FALSE(w->tsSingleRlt->TabVisible() || !LinesOf(w->meSingleRlt).empty());
        for (int r = 0; r < 43; ++r)
            EXPECT_FALSE(shown(r)) << r;
        for (int r = 1; r < w->sgPar3->RowCount(); ++r)
            EXPECT_EQ(w->sgPar3->Cells(1, r), "") << w->sgPar3->Cells(0, r);
        EXPECT_EQ(w->sgMotorRlt->RowCount(), 1);
        EXPECT_EQ(w->stRlt->Caption(), "Suggest Maches : Total  0 Sets");
        ASSERT_TRUE(w->imgFig->Bitmap());
        EXPECT_EQ(w->imgFig->Bitmap()->pixelColor(50, 100), QColor(219, 232, 221)) << "no speed axis";
        w->sgMotorRlt->UserSelectCell(1, 1);
        w->sgMotorRlt->UserDblClick();
        EXPECT_EQ(LinesOf(w->meSingleRlt), std::vector<AnsiString>{});
    }
}

TEST_F(MainWindowTest, DensityColumnFollowsTheUnitSystemExactly)
{
    TStringGrid *g = w->sgDensity;
    w->PageControl2->SetActivePage(w->tsDensity);
    QApplication::processEvents();
    EXPECT_EQ(g->VisibleRowCount(), 16) << "every material in view";
    EXPECT_EQ(Row(g, 0), (std::vector<AnsiString>{"", "", ""}));
    ExpectDensityColumn(g, kSiDensities, "Kg/m^3");
    EXPECT_EQ(w->cbCBX->Items[0], "鋨[osmium]22660");
    EXPECT_EQ(w->cbCBX->Items[15], "鑽石[diamond]3500");
    for (int round = 0; round < 2; ++round) {
        w->tbMI->Click();
        ExpectDensityColumn(g, kImperialDensities, "lb/inch^3");
        EXPECT_EQ(w->cbCBX->Items[0], "鋨[osmium]0.817909405814963");
        w->tbSI->Click();
        ExpectDensityColumn(g, kSiDensities, "Kg/m^3");
    }
}

TEST_F(MainWindowTest, UnitSwitchChangesUnitTextsButNotValues)
{
    std::vector<double> values;
    for (const CSIZEITEM &item : SizeItems)
        values.push_back(item.dV);
    w->tbMI->Click();
    EXPECT_EQ(w->UnitType, 2);
    for (const CSIZEITEM &item : SizeItems)
        EXPECT_EQ(item.dV, values[static_cast<size_t>(item.nIdx)]);
    EXPECT_EQ(SizeItems[5].asNowUnit, "(inch)");
    EXPECT_EQ(SizeItems[9].asNowUnit, "(lb/inch^3)");
    EXPECT_EQ(SizeItems[2].asNowUnit, "");
    EXPECT_EQ(w->sgPar1->Cells(2, RowOfSymbol(w->sgPar1, "ρ")), "(lb/inch^3)");
    EXPECT_EQ(w->sgPar3->Cells(2, RowOfSymbol(w->sgPar3, "JL")), "(lb*ft^2)");
    // Pressing the active system again only refreshes.
    w->tbMI->Click();
    EXPECT_EQ(SizeItems[5].asNowUnit, "(inch)");
}

struct ReplaceCase {
    const char *name;
    int mechanism;
    bool imperial;
    const char *value;
    bool inAllGrid;
};

void PrintTo(const ReplaceCase &c, std::ostream *os)
{
    *os << c.name;
}

class DensityReplace : public MainWindowTest, public ::testing::WithParamInterface<ReplaceCase>
{
};

TEST_P(DensityReplace, PutsTheGoldDensityIntoTheDensityRow)
{
    const ReplaceCase &c = GetParam();
    if (c.imperial)
        w->tbMI->Click();
    w->pcModPic->UserSelect(c.mechanism);
    ASSERT_TRUE(w->sgDensity->UserSelectCell(2, 4));
    EXPECT_EQ(w->DensityRow, 4);
    EXPECT_EQ(w->DensityCol, 2);
    w->bbReplace->Click();
    TStringGrid *g = c.inAllGrid ? w->sgAll : w->sgPar1;
    EXPECT_EQ(g->Cells(1, RowOfSymbol(g, "ρ")), c.value);
    EXPECT_EQ(FloatToStr(SizeItems[9].dV), c.value);
    EXPECT_TRUE(messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Mechanisms, DensityReplace,
    ::testing::Values(ReplaceCase{"BallScrew", 0, false, "19300", false},
                      ReplaceCase{"ElevatorImperial", 6, true, "0.696630694273115", false},
                      ReplaceCase{"RollFeed", 2, false, "19300", true},
                      ReplaceCase{"Conveyor", 5, false, "19300", true}),
    [](const ::testing::TestParamInfo<ReplaceCase> &p) { return std::string(p.param.name); });

TEST_F(MainWindowTest, ReplaceWhileTheDensityIsHalfTypedTakesTheMaterial)
{
    w->pcModPic->UserSelect(2); // the density is in the all-parameters grid
    const int row = RowOfSymbol(w->sgAll, "ρ");
    ASSERT_TRUE(w->sgAll->UserSelectCell(1, row));
    TypeText(w->CellEdit, "1e-");
    ASSERT_TRUE(w->sgDensity->UserSelectCell(1, 4)); // gold
    w->bbReplace->Click();
    EXPECT_EQ(MessageTexts(), std::vector<AnsiString>{"'1e-' is not a valid floating point value."});
    EXPECT_EQ(SizeItems[9].dV, 19300);
    EXPECT_EQ(w->sgAll->Cells(1, row), "19300");
    EXPECT_EQ(w->CellEdit->Text(), "19300");
}

TEST_F(MainWindowTest, ReplaceWithoutAChosenMaterialReportsAndChangesNothing)
{
    const int row = RowOfSymbol(w->sgPar1, "ρ");
    w->bbReplace->Click();
    EXPECT_EQ(MessageTexts(), std::vector<AnsiString>{"'' is not a valid floating point value."});
    EXPECT_EQ(w->sgPar1->Cells(1, row), "7870");
    EXPECT_EQ(SizeItems[9].dV, 7870);
    // The default is iron, exactly as Replace puts it.
    ASSERT_TRUE(w->sgDensity->UserSelectCell(1, 12));
    ASSERT_EQ(w->sgDensity->Cells(0, 12), "鐵[iron]");
    w->bbReplace->Click();
    EXPECT_EQ(w->sgPar1->Cells(1, row), "7870");
    EXPECT_EQ(SizeItems[9].dV, 7870);
}

TEST(MatchLookup, SeriesAndModelMustBothAgree)
{
    struct Case {
        const char *drive, *model;
        int row;
    };
    const Case cases[] = {
        {"Kelo-Q", "Vorn-0400-50a", 13}, {"Kelo-R", "Vorn-0400-50a", 28}, {"Kelo-P", "Pemra-0100-50", 0},
        {"Kelo-T", "Vorn-4500-30", 42},  {"Kelo-R", "Vorn-0900-20", 40},  {"Kelo-P", "Vorn-0100-50", -1},
        {"kelo-q", "Vorn-0400-50a", -1}, {"Kelo-Q", "vorn-0400-50a", -1}, {"", "", -1},
    };
    InitParamAndMotorTables();
    for (const Case &c : cases)
        EXPECT_EQ(FindMatchRecord(c.drive, c.model), c.row) << c.drive << " " << c.model;
    DestroyParamAndMotorTables();
}

class DetailView : public MainWindowTest
{
  protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        TStringGrid *g = w->sgMotorRlt;
        g->SetRowCount(4);
        g->SetFixedRows(1);
        const char *const rows[3][2] = {
            {"Kelo-Q", "Vorn-0400-50a"}, {"Kelo-R", "Vorn-0400-50a"}, {"Kelo-P", "Vorn-0400-50a"}};
        for (int r = 0; r < 3; ++r) {
            g->SetCells(0, r + 1, rows[r][0]);
            g->SetCells(1, r + 1, rows[r][1]);
        }
        w->ResultLines = {"common 1", "common 2"};
        MotorSpecs[13].Lines = {"Q regen 30 W"};
        MotorSpecs[28].Lines = {"R regen 0 W", "R resistor"};
    }
    std::vector<AnsiString> DoubleClickRow(int row)
    {
        EXPECT_TRUE(w->sgMotorRlt->UserSelectCell(1, row));
        w->sgMotorRlt->UserDblClick();
        EXPECT_TRUE(w->tsSingleRlt->TabVisible());
        EXPECT_EQ(w->PageControl1->ActivePage(), w->tsSingleRlt);
        return LinesOf(w->meSingleRlt);
    }
};

TEST_F(DetailView, ShowsTheLinesOfTheRecordOfThatSeries)
{
    EXPECT_EQ(DoubleClickRow(2), (std::vector<AnsiString>{"Kelo-R  Vorn-0400-50a", "common 1", "common 2",
                                                          "R regen 0 W", "R resistor"}));
    EXPECT_EQ(w->MotorRltRow, 2);
    EXPECT_EQ(DoubleClickRow(1),
              (std::vector<AnsiString>{"Kelo-Q  Vorn-0400-50a", "common 1", "common 2", "Q regen 30 W"}));
}

TEST_F(DetailView, WithoutARecordShowsOnlyTheCommonLines)
{
    const std::vector<AnsiString> common{"common 1", "common 2"};
    EXPECT_EQ(DoubleClickRow(3), common); // no such model in that series
    EXPECT_EQ(DoubleClickRow(0), common); // header row
    w->sgMotorRlt->SetRowCount(1);
    w->MotorRltRow = 2;
    w->sgMotorRlt->UserDblClick();
    EXPECT_EQ(LinesOf(w->meSingleRlt), common);
}
