#include "model/SizeItem.h"

#include "model/Units.h"

CSIZEITEM::CSIZEITEM(short idx, short model, short rltFlg, const AnsiString &abbr, double defV,
                     const AnsiString &unitSI, const AnsiString &unitMI, const AnsiString &name)
    : nIdx(idx), FModel(model), FRltFlg(rltFlg), dDefV(defV), Abbr(abbr), asUnit_SI(unitSI),
      asUnit_MI(unitMI), Name(name)
{
    iErCode = 0;
    dV = dDefV;
    nUnitType = 1;
    asUnit = asUnit_SI;
    dV_U = dV;
    // Bare name here; only a unit-system switch puts it in round brackets.
    asNowUnit = textInFirstPair(asUnit, '[', ']');
}

CSIZEITEM::CSIZEITEM(short idx, short model, short model2, short rltFlg, short modelM, const AnsiString &abbr,
                     double defV, const AnsiString &unit, const AnsiString &name)
    : nIdx(idx), FModel(model), FModel2(model2), FModelM(modelM), FRltFlg(rltFlg), dDefV(defV), Abbr(abbr),
      asUnit(unit), Name(name)
{
    iErCode = 0;
    dV = dDefV;
}
