#pragma once

#include "model/MotorCatalogue.h"
#include "model/SizeItem.h"
#include "platform/SysUtils.h"

#include <vector>

// Unit system numbers held by the window and by every record.
enum { UnitSystemSI = 1, UnitSystemImperial = 2 };

// Text between the first `open` and the first `close` of text (not the first close after the open):
// empty when text holds no `open` or when the close comes first or is missing.
AnsiString textInFirstPair(const AnsiString &text, char open, char close);

// Units of a list such as "[m/min][m/sec]", in order; "[]" gives one empty unit.
std::vector<AnsiString> UnitsOfList(AnsiString list);

// The unit that a unit text names: "(cm/sec)" as a unit-system switch shows it and "cm/sec" as picked
// in a unit cell are the same unit.
AnsiString UnitName(const AnsiString &unitText);

// Switches the unit texts of a parameter record; its values stay as they are. The shown unit becomes
// the first unit of the active list in round brackets, empty for "[]" or a system other than 1 or 2.
void SetParamUnitSystem(CSIZEITEM &item, int system);

// Switches JM, Ttyp, Tmax to the SI or imperial copies and the torque unit texts with them; a system
// other than 1 or 2 empties the texts and keeps the values.
void SetMotorUnitSystem(CMOTORSPC &record, int system);

// Factor from the unit in a grid's unit cell ("cm/sec" or "(cm/sec)") to the calculation unit of
// the unit system (SI: m, m/min, s, kg, kg/m^3, kg*m^2; imperial: ft, ft/min, s, lb, lb/ft^3, lb*ft^2).
// Unknown units, and every unit of any other system, have factor 1.
long double UnitFactor(int unitSystem, const AnsiString &unitCellText);

// value times UnitFactor, in extended precision, rounded to double (EOverflow past the double range).
double ConvertToCalc(double value, int unitSystem, const AnsiString &unitCellText);
