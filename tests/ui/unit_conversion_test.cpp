#include "GridDriving.h"
#include "MainWindowFixture.h"

#include "model/SizeItem.h"

namespace
{

// One input row prepared as a user would, then converted. Expected values worked out with exact
// fractions, rounded to 64 then to 53 bits as the extended product is.
struct Conversion {
    const char *name;
    bool imperial;
    const char *symbol;
    int unitPick;         // item of the unit list picked, -1 to keep the shown unit
    const char *unitCell; // text put into the unit cell instead, or nullptr
    const char *value;
    double expected;
};

const Conversion kConversions[] = {
    {"MetrePerMinute", false, "V", -1, nullptr, "10", 10},
    {"CentimetrePerSecondPicked", false, "V", 3, nullptr, "10", 6},
    {"CentimetrePerSecondInBrackets", false, "V", -1, "(cm/sec)", "10", 6},
    {"MetrePerSecond", false, "V", 1, nullptr, "2", 120},
    {"CentimetrePerMinute", false, "V", 2, nullptr, "15", 0.15},
    {"Millimetre", false, "S", -1, nullptr, "200", 0.2},
    {"Centimetre", false, "S", 1, nullptr, "30", 0.3},
    {"Minute", false, "tA", 1, nullptr, "0.5", 30},
    {"Second", false, "tA", -1, nullptr, "0.257", 0.257},
    {"Gram", false, "ML", 1, nullptr, "2500", 2.5},
    {"Kilogram", false, "ML", -1, nullptr, "5", 5},
    {"Newton", false, "F", -1, nullptr, "3", 3},
    {"NoUnit", false, "1/RN", -1, nullptr, "2", 2},
    {"EmptyUnitCell", false, "ML", -1, "", "5", 5},
    {"UnclosedBracket", false, "S", -1, "(mm", "200", 200},
    {"KilogramPerCubicMetre", false, "ρ", -1, nullptr, nullptr, 0.02266},
    {"KilogramPerCubicCentimetre", false, "ρ", 1, nullptr, nullptr, 22660},
    {"LastRowSquareCentimetre", false, "JS", 1, nullptr, "3", 0.00030000000000000003},
    {"Inch", true, "S", -1, nullptr, "12", 1},
    {"InchFraction", true, "S", -1, nullptr, "30", 2.5},
    {"PoundPerCubicInch", true, "ρ", -1, nullptr, nullptr, 1728},
    {"SiNameInImperial", true, "S", -1, "(mm)", "200", 200},
    {"BareSiNameInImperial", true, "S", -1, "cm", "30", 30},
    {"FootPerMinute", true, "V", -1, nullptr, "10", 10},
};

void PrintTo(const Conversion &c, std::ostream *os)
{
    *os << c.name;
}

class ConvertToCalcUnits : public MainWindowTest, public ::testing::WithParamInterface<Conversion>
{
};

TEST_P(ConvertToCalcUnits, ConvertsTheRowByItsUnitCell)
{
    const Conversion &c = GetParam();
    if (c.imperial)
        w->tbMI->Click();
    const int row = RowOfSymbol(w->sgPar1, c.symbol);
    ASSERT_GT(row, 0);
    const int id = w->Par1RowItem[row];
    if (c.value) {
        ASSERT_TRUE(w->sgPar1->UserSelectCell(1, row));
        TypeText(w->CellEdit, c.value);
    } else {
        SizeItems[id].dV = c.imperial ? 1 : 0.02266;
    }
    if (c.unitPick >= 0) {
        ASSERT_TRUE(w->sgPar1->UserSelectCell(2, row));
        w->CellUnitCombo->UserSelect(c.unitPick);
    }
    if (c.unitCell)
        w->sgPar1->SetCells(2, row, c.unitCell);
    ASSERT_TRUE(messages.empty());

    w->ConvertToCalcUnits();
    EXPECT_EQ(SizeItems[id].dV_U, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Examples, ConvertToCalcUnits, ::testing::ValuesIn(kConversions),
                         [](const ::testing::TestParamInfo<Conversion> &p) {
                             return std::string(p.param.name);
                         });

} // namespace

TEST_F(MainWindowTest, ConversionTouchesOnlyTheInputRows)
{
    SizeItems[3].dV_U = 7; // 1/RM: never an input
    SizeItems[30].dV = 20; // DB: an input of the ball screw only
    w->pcModPic->UserSelect(1);
    SizeItems[30].dV_U = 11;
    w->ConvertToCalcUnits();
    EXPECT_EQ(SizeItems[3].dV_U, 7);
    EXPECT_EQ(SizeItems[30].dV_U, 11);
    EXPECT_EQ(SizeItems[31].dV_U, 0.2); // DG 200 mm
    for (int r = 1; r < w->sgPar1->RowCount(); ++r)
        EXPECT_NE(w->Par1RowItem[r], -1);
}

TEST_F(MainWindowTest, NoConversionInAnUnknownUnitSystem)
{
    SizeItems[5].dV_U = 9;
    w->UnitType = 3;
    w->ConvertToCalcUnits();
    EXPECT_EQ(SizeItems[5].dV_U, 9);
}
