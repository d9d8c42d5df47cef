#include "model/Tables.h"

#include <gtest/gtest.h>

#include <set>

namespace
{

class SizeItemTable : public ::testing::Test
{
  protected:
    void SetUp() override { InitParamAndMotorTables(); }
    void TearDown() override { InitParamAndMotorTables(); }
};

TEST_F(SizeItemTable, EveryRecordStartsAtItsDefaultInSi)
{
    for (int id = 0; id < 62; ++id) {
        const CSIZEITEM &item = SizeItems[id];
        SCOPED_TRACE(id);
        EXPECT_EQ(item.nIdx, id);
        EXPECT_EQ(item.dV, item.dDefV);
        EXPECT_EQ(item.dV_U, item.dDefV);
        EXPECT_EQ(item.dV_O, 0.0);
        EXPECT_EQ(item.iErCode, 0);
        EXPECT_EQ(item.nUnitType, 1);
        EXPECT_EQ(item.asUnit, item.asUnit_SI);
        EXPECT_EQ(item.FModel2, 0);
        EXPECT_EQ(item.FModelM, 0);
        EXPECT_EQ(item.asUnit_SI.front(), '[');
        EXPECT_EQ(item.asUnit_MI.front(), '[');
        EXPECT_FALSE(item.Name.empty());
    }
}

TEST_F(SizeItemTable, ShownUnitIsTheFirstSiUnitWithoutBrackets)
{
    const struct {
        int id;
        const char *unit;
    } cases[] = {
        {0, "m/rev"},     {1, "m/pulse"}, {4, "m/min"}, {5, "mm"},      {6, "rpm"},  {9, "kg/m^3"},
        {10, "\xC2\xB0"}, {14, "sec"},    {21, "kg"},   {40, "kg*m^2"}, {55, "N.m"}, {2, ""},
        {3, ""},          {11, ""},       {12, ""},     {13, ""},       {60, ""},    {61, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SizeItems[c.id].asNowUnit, c.unit) << "id " << c.id;
}

TEST_F(SizeItemTable, SymbolsAreUniqueAndGreekLettersAreUtf8)
{
    std::set<AnsiString> symbols;
    for (const auto &item : SizeItems)
        EXPECT_TRUE(symbols.insert(item.Abbr).second) << "duplicate key " << item.Abbr;

    EXPECT_EQ(SizeItems[0].Abbr, "\xCE\x94S");
    EXPECT_EQ(SizeItems[1].Abbr, "\xCE\x94P");
    EXPECT_EQ(SizeItems[9].Abbr, "\xCF\x81");
    EXPECT_EQ(SizeItems[10].Abbr, "\xCE\xB8");
    EXPECT_EQ(SizeItems[11].Abbr, "\xCE\xBC");
    EXPECT_EQ(SizeItems[12].Abbr, "\xCE\xB7");
    EXPECT_EQ(SizeItems[13].Abbr, "\xCE\xB7m");
    EXPECT_EQ(SizeItems[10].asUnit_SI, "[\xC2\xB0]");
    EXPECT_EQ(SizeItems[10].asUnit_MI, "[\xC2\xB0]");
}

TEST_F(SizeItemTable, NamesKeepTheirTrailingBlankAndCut)
{
    EXPECT_EQ(SizeItems[5].Name.back(), ' ');
    EXPECT_EQ(SizeItems[18].Name.back(), ' ');
    // "...的傳動效": the text stops in the middle of a word.
    EXPECT_EQ(SizeItems[12].Name, "\xE7\x94\xB1\xE9\xA6\xAC\xE9\x81\x94\xE8\x87\xB3\xE5\xB0\x8E\xE8\x9E\xBA"
                                  "\xE6\xA1\xBF\xE7\x9A\x84\xE5\x82\xB3\xE5\x8B\x95\xE6\x95\x88");
    for (int id : {0, 2, 4, 6, 17, 61})
        EXPECT_NE(SizeItems[id].Name.back(), ' ') << "id " << id;
}

TEST_F(SizeItemTable, MasksAndDefaults)
{
    const struct {
        int id;
        short inputs;
        short results;
        double def;
    } cases[] = {
        {0, 0, 254, 5},          {2, 254, 0, 1},       {3, 0, 0, 1},           {7, 142, 0, 0},
        {9, 182, 0, 7870},       {13, 0, 0, 0.9},      {17, 0, 254, 3.0 / 70}, {21, 246, 0, 5},
        {22, 150, 0, 5},         {40, 0, 0, 0.000108}, {41, 0, 230, 0.0001},   {43, 0, 130, 6.18e-5},
        {44, 0, 254, 0.0009738}, {50, 0, 132, 0},      {55, 0, 126, 0.225},    {56, 0, 200, 0},
        {60, 32, 0, 4},          {61, 64, 0, 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(SizeItems[c.id].FModel, c.inputs);
        EXPECT_EQ(SizeItems[c.id].FRltFlg, c.results);
        EXPECT_EQ(SizeItems[c.id].dDefV, c.def);
    }
    EXPECT_EQ(SizeItems[17].dDefV, 0.04285714285714286);
}

TEST_F(SizeItemTable, OnlyGainAndEfficiencyRecordsAreInNoMask)
{
    std::set<int> inNoMask;
    for (const auto &item : SizeItems) {
        EXPECT_EQ(item.FModel & 1, 0);
        EXPECT_EQ(item.FRltFlg & 1, 0);
        EXPECT_EQ(item.FModel & item.FRltFlg, 0) << "id " << item.nIdx << " is input and result";
        if (item.FModel == 0 && item.FRltFlg == 0)
            inNoMask.insert(item.nIdx);
    }
    EXPECT_EQ(inNoMask, (std::set<int>{3, 13, 40}));
}

TEST_F(SizeItemTable, InputsOfBallScrewAndElevator)
{
    auto inputsOf = [](int mechanism) {
        std::set<int> ids;
        for (const auto &item : SizeItems)
            if (item.FModel & (1 << (mechanism + 1)))
                ids.insert(item.nIdx);
        return ids;
    };
    EXPECT_EQ(inputsOf(0),
              (std::set<int>{2, 4, 5, 7, 9, 11, 12, 14, 16, 19, 21, 22, 26, 29, 30, 45, 46, 47}));
    EXPECT_EQ(inputsOf(6),
              (std::set<int>{2, 4, 5, 7, 9, 11, 12, 14, 16, 19, 21, 22, 23, 26, 29, 30, 45, 46, 47}));
}

TEST_F(SizeItemTable, InitResetsWhatACalculationChanged)
{
    CSIZEITEM &item = SizeItems[5];
    item.dV = 12;
    item.dV_U = 0.012;
    item.dV_O = 12;
    item.iErCode = -1;
    item.nUnitType = 2;
    item.asUnit = "[inch]";
    item.asNowUnit = "(inch)";
    item.Name = "Stroke";
    SizeItems[0].Abbr = "dS";

    InitParamAndMotorTables();

    EXPECT_EQ(item.dV, 200);
    EXPECT_EQ(item.dV_U, 200);
    EXPECT_EQ(item.dV_O, 0);
    EXPECT_EQ(item.iErCode, 0);
    EXPECT_EQ(item.nUnitType, 1);
    EXPECT_EQ(item.asUnit, "[mm][cm]");
    EXPECT_EQ(item.asNowUnit, "mm");
    EXPECT_EQ(item.Name.back(), ' ');
    EXPECT_EQ(SizeItems[0].Abbr, "\xCE\x94S");
}

TEST_F(SizeItemTable, DestroyEmptiesBothTablesAndMayRunTwice)
{
    MotorSpecs[3].Lines.push_back("line");
    DestroyParamAndMotorTables();
    DestroyParamAndMotorTables();
    EXPECT_TRUE(MotorSpecs[3].Lines.empty());
    EXPECT_TRUE(MotorSpecs[3].Model.empty());
    EXPECT_TRUE(SizeItems[5].Abbr.empty());
    EXPECT_EQ(SizeItems[5].dDefV, 0);

    InitParamAndMotorTables();
    EXPECT_EQ(SizeItems[5].Abbr, "S");
    EXPECT_EQ(MotorSpecs[3].Model, "Pemra-0750-50");
}

TEST(SizeItemInertiaForm, StoresMasksAndOneUnitOnly)
{
    const CSIZEITEM item(3, 24, 20, 224, 230, "r", 1, "[Kg/m^3]", "density");
    EXPECT_EQ(item.nIdx, 3);
    EXPECT_EQ(item.FModel, 24);
    EXPECT_EQ(item.FModel2, 20);
    EXPECT_EQ(item.FRltFlg, 224);
    EXPECT_EQ(item.FModelM, 230);
    EXPECT_EQ(item.Abbr, "r");
    EXPECT_EQ(item.dDefV, 1);
    EXPECT_EQ(item.dV, 1);
    EXPECT_EQ(item.dV_U, 0);
    EXPECT_EQ(item.dV_O, 0);
    EXPECT_EQ(item.asUnit, "[Kg/m^3]");
    EXPECT_TRUE(item.asUnit_SI.empty());
    EXPECT_TRUE(item.asUnit_MI.empty());
    EXPECT_TRUE(item.asNowUnit.empty());
    EXPECT_EQ(item.Name, "density");
    EXPECT_EQ(item.iErCode, 0);
    EXPECT_EQ(item.nUnitType, 0);
}

TEST(SizeItemMainForm, ShownUnitOfOddLists)
{
    const struct {
        const char *list;
        const char *shown;
    } cases[] = {
        {"[sec][min]", "sec"}, {"[]", ""}, {"mm", ""}, {"", ""}, {"][mm]", ""}, {"[mm", ""},
    };
    for (const auto &c : cases) {
        const CSIZEITEM item(0, 0, 0, "X", 0, c.list, "[ft]", "x");
        EXPECT_EQ(item.asNowUnit, c.shown) << "list " << c.list;
    }
}

} // namespace
