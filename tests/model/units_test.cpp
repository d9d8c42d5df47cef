#include "model/Units.h"

#include "model/Tables.h"
#include "platform/Exceptions.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

struct ConversionCase {
    int system;
    const char *cell;
    double value;
    double expected;
};

// Expected values: the exact product rounded to 64 bits, then to double (worked out in python).
const ConversionCase conversionCases[] = {
    {1, "(cm/sec)", 10, 6},
    {1, "cm/sec", 10, 6},
    {1, "cm/sec", 1.499, 0.8994}, // plain double arithmetic gives 0.8994000000000001
    {1, "(m/min)", 10, 10},
    {1, "sec", 3, 3},
    {1, "(kg)", 3, 3},
    {1, "N", 3, 3},
    {1, "", 3, 3},
    {1, "(mm)", 200, 0.2},
    {1, "cm", 5, 0.05},
    {1, "(g)", 500, 0.5},
    {1, "min", 2, 120},
    {1, "(m/sec)", 1.5, 90},
    {1, "cm/min", 250, 2.5},
    {1, "(kg/m^3)", 0.02266, 0.02266},
    {1, "(kg/cm^3)", 0.02266, 22660},
    {1, "kg*cm^2", 3, 0.00030000000000000003},
    {1, "(inch)", 12, 12},
    {1, "MM", 5, 5},
    {2, "(inch)", 12, 1},
    {2, "inch", 5, 0.4166666666666667}, // a double 1/12 would give 0.41666666666666663
    {2, "lb/inch^3", 1, 1728},
    {2, "(mm)", 5, 5},
    {2, "cm/sec", 10, 10},
    {2, "kg/cm^3", 1, 1},
    {3, "(mm)", 5, 5},
    {0, "inch", 12, 12},
    // Only the text between the first "(" and the first ")" counts; a reversed or missing pair
    // leaves an empty unit.
    {1, " (mm) ", 200, 0.2},
    {1, "(mm)(cm)", 200, 0.2},
    {1, "mm)(", 200, 200},
    {1, "(mm", 200, 200},
    {1, "()", 200, 200},
};

TEST(ConvertToCalc, FactorsOfTheUnitCell)
{
    for (const auto &c : conversionCases)
        EXPECT_EQ(ConvertToCalc(c.value, c.system, c.cell), c.expected)
            << "system " << c.system << " cell \"" << c.cell << "\" value " << c.value;
}

TEST(ConvertToCalc, InchFactorKeepsExtendedPrecision)
{
    EXPECT_EQ(UnitFactor(2, "(inch)"), 1.0L / 12);
    EXPECT_NE(UnitFactor(2, "(inch)"), static_cast<long double>(1.0 / 12));
    EXPECT_EQ(UnitFactor(1, "cm/sec"), static_cast<long double>(0.6));
}

TEST(ConvertToCalc, ResultBeyondTheDoubleRangeOverflows)
{
    EXPECT_THROW(ConvertToCalc(1e305, 1, "kg/cm^3"), EOverflow);
}

struct ParamSwitchCase {
    const char *siList;
    const char *miList;
    int system;
    const char *unit;
    const char *shown;
};

const ParamSwitchCase paramSwitchCases[] = {
    {"[mm][cm]", "[inch]", 1, "[mm][cm]", "(mm)"},
    {"[mm][cm]", "[inch]", 2, "[inch]", "(inch)"},
    {"[mm][cm]", "[inch]", 3, "", ""},
    {"[mm][cm]", "[inch]", 0, "", ""},
    {"[]", "[]", 1, "[]", ""},
    {"[]", "[]", 2, "[]", ""},
    {"[\xC2\xB0]", "[\xC2\xB0]", 2, "[\xC2\xB0]", "(\xC2\xB0)"},
    {"mm", "inch", 1, "mm", ""},
    {"][mm]", "[inch", 1, "][mm]", ""},
    {"][mm]", "[inch", 2, "[inch", ""},
};

TEST(SetParamUnitSystem, SwitchesTextsOnly)
{
    for (const auto &c : paramSwitchCases) {
        CSIZEITEM item(5, 254, 0, "S", 200, c.siList, c.miList, "stroke");
        item.dV = 12.5;
        item.dV_U = 0.0125;
        SetParamUnitSystem(item, c.system);
        SCOPED_TRACE(std::string(c.siList) + " system " + std::to_string(c.system));
        EXPECT_EQ(item.nUnitType, c.system);
        EXPECT_EQ(item.asUnit, c.unit);
        EXPECT_EQ(item.asNowUnit, c.shown);
        EXPECT_EQ(item.dV, 12.5);
        EXPECT_EQ(item.dV_U, 0.0125);
        EXPECT_EQ(item.asUnit_SI, c.siList);
        EXPECT_EQ(item.asUnit_MI, c.miList);
    }
}

TEST(SetParamUnitSystem, TableRecordsShowTheirFirstUnit)
{
    InitParamAndMotorTables();
    CSIZEITEM speed = SizeItems[4];
    SetParamUnitSystem(speed, 1);
    EXPECT_EQ(speed.asNowUnit, "(m/min)");
    SetParamUnitSystem(speed, 2);
    EXPECT_EQ(speed.asNowUnit, "(ft/min)");
    CSIZEITEM gain = SizeItems[2];
    SetParamUnitSystem(gain, 2);
    EXPECT_EQ(gain.asNowUnit, "");
}

TEST(SetMotorUnitSystem, SwitchesValuesAndTorqueTexts)
{
    CMOTORSPC m("Pemra-0100-50", "Kelo-P", 100, 0.000003, 0.318, 0.95, 3, 30, 5000);

    SetMotorUnitSystem(m, 2);
    EXPECT_EQ(m.TorqueUnitType, 2);
    EXPECT_EQ(m.TorqueUnit, "[lb.ft]");
    EXPECT_EQ(m.TorqueNowUnit, "(lb.ft)");
    EXPECT_EQ(m.JM, 7.11910011e-05);
    EXPECT_EQ(m.Ttyp, 0.23454476347017048);
    EXPECT_EQ(m.Tmax, 0.7006840418134023);

    // Any other system keeps the values it had and empties the texts.
    SetMotorUnitSystem(m, 3);
    EXPECT_EQ(m.TorqueUnitType, 3);
    EXPECT_EQ(m.TorqueUnit, "");
    EXPECT_EQ(m.TorqueNowUnit, "");
    EXPECT_EQ(m.JM, 7.11910011e-05);
    EXPECT_EQ(m.Ttyp, 0.23454476347017048);
    EXPECT_EQ(m.Tmax, 0.7006840418134023);

    SetMotorUnitSystem(m, 1);
    EXPECT_EQ(m.TorqueUnit, "[N.m]");
    EXPECT_EQ(m.TorqueNowUnit, "(N.m)");
    EXPECT_EQ(m.JM, 0.000003);
    EXPECT_EQ(m.Ttyp, 0.318);
    EXPECT_EQ(m.Tmax, 0.95);
    EXPECT_EQ(m.EC, 3);
    EXPECT_EQ(m.RegenW, 30);
}

TEST(SetMotorUnitSystem, EmptyBracketsShowAsEmptyParentheses)
{
    CMOTORSPC m("M", "Kelo-P", 1, 1, 1, 2, 0, 0, 0);
    m.TorqueUnit_SI = "[]";
    SetMotorUnitSystem(m, 1);
    EXPECT_EQ(m.TorqueNowUnit, "()");
}

} // namespace
