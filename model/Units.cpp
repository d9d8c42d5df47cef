#include "model/Units.h"

#include "platform/Real.h"

AnsiString textInFirstPair(const AnsiString &text, char open, char close)
{
    const auto openAt = text.find(open);
    const auto closeAt = text.find(close);
    if (openAt == AnsiString::npos || closeAt == AnsiString::npos || closeAt < openAt)
        return AnsiString();
    return text.substr(openAt + 1, closeAt - openAt - 1);
}

std::vector<AnsiString> UnitsOfList(AnsiString list)
{
    std::vector<AnsiString> units;
    for (;;) {
        const auto open = list.find('[');
        if (open == AnsiString::npos)
            break;
        units.push_back(textInFirstPair(list, '[', ']'));
        const auto close = list.find(']');
        if (close == AnsiString::npos)
            break;
        list.erase(0, close + 1);
    }
    return units;
}

AnsiString UnitName(const AnsiString &unitText)
{
    return unitText.find('(') != AnsiString::npos ? textInFirstPair(unitText, '(', ')') : unitText;
}

void SetParamUnitSystem(CSIZEITEM &item, int system)
{
    item.nUnitType = system;
    if (system == UnitSystemSI)
        item.asUnit = item.asUnit_SI;
    else if (system == UnitSystemImperial)
        item.asUnit = item.asUnit_MI;
    else
        item.asUnit.clear();

    item.asNowUnit.clear();
    if (item.asUnit.find('[') != AnsiString::npos) {
        const AnsiString shown = "(" + textInFirstPair(item.asUnit, '[', ']') + ")";
        if (shown != "()")
            item.asNowUnit = shown;
    }
}

void SetMotorUnitSystem(CMOTORSPC &record, int system)
{
    record.TorqueUnitType = system;
    if (system == UnitSystemSI) {
        record.TorqueUnit = record.TorqueUnit_SI;
        record.JM = record.JM_SI;
        record.Ttyp = record.Ttyp_SI;
        record.Tmax = record.Tmax_SI;
    } else if (system == UnitSystemImperial) {
        record.TorqueUnit = record.TorqueUnit_MI;
        record.JM = record.JM_MI;
        record.Ttyp = record.Ttyp_MI;
        record.Tmax = record.Tmax_MI;
    } else {
        record.TorqueUnit.clear();
    }
    // Unlike the parameter records, an empty "[]" would show as "()" here; no torque list is empty.
    if (record.TorqueUnit.find('[') != AnsiString::npos)
        record.TorqueNowUnit = "(" + textInFirstPair(record.TorqueUnit, '[', ']') + ")";
    else
        record.TorqueNowUnit.clear();
}

namespace
{

struct UnitFactorEntry {
    int unitSystem;
    const char *unit;
    long double factor;
};

// Compared as exact, case-sensitive texts. The SI factors are the doubles of their decimal literals;
// only 1/12 keeps extended precision.
const UnitFactorEntry UnitFactors[] = {
    {UnitSystemSI, "mm", 0.001},
    {UnitSystemSI, "cm", 0.01},
    {UnitSystemSI, "g", 0.001},
    {UnitSystemSI, "min", 60},
    {UnitSystemSI, "m/sec", 60},
    {UnitSystemSI, "cm/min", 0.01},
    {UnitSystemSI, "cm/sec", 0.6},
    {UnitSystemSI, "kg/cm^3", 1000000},
    {UnitSystemSI, "kg*cm^2", 0.0001},
    {UnitSystemImperial, "inch", 1.0L / 12},
    {UnitSystemImperial, "lb/inch^3", 1728},
};

} // namespace

long double UnitFactor(int unitSystem, const AnsiString &unitCellText)
{
    const AnsiString unit = UnitName(unitCellText);
    for (const auto &entry : UnitFactors) {
        if (entry.unitSystem == unitSystem && unit == entry.unit)
            return entry.factor;
    }
    return 1;
}

double ConvertToCalc(double value, int unitSystem, const AnsiString &unitCellText)
{
    return Real(value) * Real(UnitFactor(unitSystem, unitCellText));
}
