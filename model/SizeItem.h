#pragma once

#include "platform/SysUtils.h"

// One quantity of the sizing calculation. The main table SizeItems holds one record per quantity,
// indexed by id; the inertia calculator keeps a small table of its own built with the second
// constructor, where the three FModel words are shape masks.
//
// Masks: bit k+1 (value 2^(k+1)) stands for mechanism (or shape) k; 254 means all seven.
struct CSIZEITEM {
    short nIdx = 0;
    short FModel = 0;  // inputs of these mechanisms (inertia table: grid rows, weight calculated)
    short FModel2 = 0; // unused in the main table (inertia table: grid rows, weight typed)
    short FModelM = 0; // unused in the main table (inertia table: rows of the weight grid)
    short FRltFlg = 0; // results of these mechanisms
    double dV = 0;     // working value: as shown while editing, in calculation units while calculating
    double dV_U = 0;   // value converted to calculation units
    double dV_O = 0;   // value as entered, kept across a calculation
    double dDefV = 0;
    AnsiString Abbr;      // symbol; also the key in project files
    AnsiString asUnit;    // unit list of the current unit system, "[mm][cm]"
    AnsiString asUnit_SI; // "[]" for a quantity without unit
    AnsiString asUnit_MI;
    AnsiString asNowUnit; // unit shown now
    AnsiString Name;
    int iErCode = 0;         // 0 untouched, 1 read, -1 the cell did not hold a number
    int nUnitType = 0;       // 1 SI, 2 imperial
    bool Calculated = false; // dV was stored by the current calculation: a result to show

    CSIZEITEM() = default;
    // Main table.
    CSIZEITEM(short idx, short model, short rltFlg, const AnsiString &abbr, double defV,
              const AnsiString &unitSI, const AnsiString &unitMI, const AnsiString &name);
    // Inertia table.
    CSIZEITEM(short idx, short model, short model2, short rltFlg, short modelM, const AnsiString &abbr,
              double defV, const AnsiString &unit, const AnsiString &name);
};

extern CSIZEITEM SizeItems[62];

// 1/RM and ηm: every calculation reads them, yet they are no mechanism's input rows.
inline bool IsCommonInput(int id)
{
    return id == 3 || id == 13;
}
