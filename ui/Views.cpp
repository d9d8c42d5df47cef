#include "ui/Selvane.h"

#include "model/Materials.h"
#include "model/MotorCatalogue.h"
#include "model/SizeItem.h"
#include "model/Texts.h"
#include "model/Units.h"
#include "platform/Real.h"
#include "ui/MatchLookup.h"

#include <cstring>
#include <vector>

namespace
{

// kg/m^3 to lb/inch^3.
const double kDensityToImperial = 3.609485462555e-05;

void switchUnitSystem(TSelvane_F &f, int unitType)
{
    // The values are not converted: results computed in the other system would read as this one's.
    if (unitType != f.UnitType)
        f.DropResults();
    f.UnitType = unitType;
    f.FillDensityGrid();
    for (CSIZEITEM &item : SizeItems)
        SetParamUnitSystem(item, unitType);
    for (CMOTORSPC &record : MotorSpecs)
        SetMotorUnitSystem(record, unitType);
    f.FillParamGrids(f.cbModel->ItemIndex());
    f.FillMotorGrid(true);
}

// A number cell of the catalogue grid. Each Calculate refills all its rows, mostly with the numbers
// they show already: a number is made text again only when it differs from the one that gave the
// cell its text (the text of a number never changes, so the cell would get the same text).
void setNumber(TStringGrid *grid, int col, int row, double value)
{
    struct Shown {
        double value;
        AnsiString text;
    };
    static std::vector<Shown> shown;
    const size_t i = static_cast<size_t>(row) * 16 + static_cast<size_t>(col);
    if (i >= shown.size())
        shown.resize(i + 1, {0, AnsiString()});
    Shown &s = shown[i];
    if (std::memcmp(&s.value, &value, sizeof value) != 0 || s.text.empty())
        s = {value, FloatToStr(value)};
    // A cell emptied by dropped results gets the same number's text back without formatting it anew.
    if (grid->Cells(col, row) != s.text)
        grid->SetCells(col, row, s.text);
}

} // namespace

void TSelvane_F::FillMotorGrid(bool withResults)
{
    sgMotor->SetRowCount(44);
    sgMotor->SetColCount(withResults ? 16 : 8);
    sgMotor->SetCells(0, 0, "");
    sgMotor->SetCells(1, 0, GetMsg("Selvane_F", 11, "馬達"));
    sgMotor->SetCells(2, 0, GetMsg("Selvane_F", 12, "瓦特數(W)"));
    sgMotor->SetCells(7, 0, GetMsg("Selvane_F", 13, "最高轉速(rpm)"));
    if (UnitType == UnitSystemSI) {
        sgMotor->SetCells(3, 0, GetMsg("Selvane_F", 14, "JM 額定慣量(Kg.m^2)"));
        sgMotor->SetCells(4, 0, GetMsg("Selvane_F", 15, "Ttyp 額定扭矩(N.m)"));
        sgMotor->SetCells(5, 0, GetMsg("Selvane_F", 16, "Tmax 最大扭矩(N.m)"));
        sgMotor->SetCells(6, 0, GetMsg("Selvane_F", 17, "EP 電容儲存能量(J)"));
    } else if (UnitType == UnitSystemImperial) {
        sgMotor->SetCells(3, 0, GetMsg("Selvane_F", 18, "JM 額定慣量(lb.ft^2)"));
        sgMotor->SetCells(4, 0, GetMsg("Selvane_F", 19, "Ttyp 額定扭矩(lb.ft)"));
        sgMotor->SetCells(5, 0, GetMsg("Selvane_F", 20, "Tmax 最大扭矩(lb.ft)"));
        sgMotor->SetCells(6, 0, GetMsg("Selvane_F", 21, "EP 電容儲存能量(J)"));
    }
    sgMotor->SetColWidths(0, 50);
    sgMotor->SetColWidths(1, 80);
    for (int c = 2; c <= 7; ++c)
        sgMotor->SetColWidths(c, 90);
    if (withResults) {
        const char *const results[8] = {"Trms", "TA", "TD", "Pr", "EA", "ED", "EE", "ER"};
        for (int c = 0; c < 8; ++c)
            sgMotor->SetCells(8 + c, 0, results[c]);
    }
    for (int j = 0; j < 43; ++j) {
        const CMOTORSPC &m = MotorSpecs[j];
        const int row = j + 1;
        sgMotor->SetCells(0, row, m.Drive);
        sgMotor->SetCells(1, row, m.Model);
        sgMotor->SetCells(2, row, IntToStr(m.PowerW));
        setNumber(sgMotor, 3, row, m.JM);
        setNumber(sgMotor, 4, row, m.Ttyp);
        setNumber(sgMotor, 5, row, m.Tmax);
        setNumber(sgMotor, 6, row, m.EC);
        setNumber(sgMotor, 7, row, m.MaxRpm);
        if (!withResults)
            continue;
        // In column order (MotorResult); only what the last calculation computed is shown.
        const double results[8] = {m.Trms, m.TA, m.TD, m.Pr, m.EA, m.ED, m.EE, m.ER};
        for (int c = 0; c < 8; ++c) {
            if (m.IsCalculated(static_cast<MotorResult>(c)))
                setNumber(sgMotor, 8 + c, row, results[c]);
            else
                sgMotor->SetCells(8 + c, row, "");
        }
    }
}

void TSelvane_F::FillDensityGrid()
{
    const bool imperial = UnitType == UnitSystemImperial;
    const double factor = imperial ? kDensityToImperial : 1.0;
    const AnsiString unit = imperial ? "lb/inch^3" : "Kg/m^3";
    for (int r = 1; r <= 16; ++r)
        sgDensity->SetCells(2, r, unit);
    for (int r = 1; r <= 16; ++r) {
        const Material &m = kMaterials[r - 1];
        sgDensity->SetCells(0, r, GetMsg("Selvane_F", 29 + r, m.name));
        // Multiplied in extended precision, then stored as a double.
        const double density = Real(m.density) * Real(factor);
        sgDensity->SetCells(1, r, FloatToStr(density));
    }
    cbCBX->Items.Clear();
    for (int r = 1; r <= 16; ++r)
        cbCBX->Items.Add(sgDensity->Cells(0, r) + sgDensity->Cells(1, r));
}

void TSelvane_F::sgDensitySelectCell(TObject *, int ACol, int ARow, bool &CanSelect)
{
    DensityRow = ARow;
    DensityCol = ACol;
    CanSelect = true;
}

void TSelvane_F::bbReplaceClick(TObject *)
{
    CellEditExit(CellEdit); // before the new density, which the edit must not undo
    // Copied as shown: the density grid's unit may differ from the parameter's chosen unit.
    const AnsiString s = sgDensity->Cells(1, DensityRow);
    LogLine(8, s);
    for (int r = 1; r <= Par1Rows; ++r) {
        const int id = Par1RowItem[r];
        if (id >= 0 && id < 62 && SizeItems[id].nIdx == 9) {
            SizeItems[id].dV = StrToFloat(s);
            sgPar1->SetCells(1, r, s);
            if (cbCBX->Visible() && SelRow == r)
                showDensityOfCell(s);
            return;
        }
    }
    for (int r = 1; r <= AllRows; ++r) {
        const int id = AllRowItem[r];
        if (id >= 0 && id < 62 && SizeItems[id].nIdx == 9) {
            SizeItems[id].dV = StrToFloat(s);
            sgAll->SetCells(1, r, s);
            // An editor left open on the row shows the new density; a failed edit goes back to it.
            if (CellEdit->Visible() && EditGrid == sgAll && EditRow == r && EditCol == 1) {
                CellEdit->SetText(s);
                EditStartValue = SizeItems[id].dV;
            }
            LogLine(8, "Replace density in row " + IntToStr(r) + " := " + s);
            return;
        }
    }
    LogLine(8, GetMsg("Selvane_F", 90, "Can't Replace Density"));
}

void TSelvane_F::sgMotorRltSelectCell(TObject *, int ACol, int ARow, bool &CanSelect)
{
    MotorRltRow = ARow;
    MotorRltCol = ACol;
    CanSelect = true;
}

void TSelvane_F::sgMotorRltDblClick(TObject *)
{
    tsSingleRlt->SetTabVisible(true);
    meSingleRlt->Lines.Clear();
    PageControl1->SetActivePage(tsSingleRlt);

    // Row 0 is the header; a row past the grid reads as empty cells and finds nothing.
    const int record = MotorRltRow >= 1 ? FindMatchRecord(sgMotorRlt->Cells(0, MotorRltRow),
                                                          sgMotorRlt->Cells(1, MotorRltRow))
                                        : -1;
    if (record >= 0)
        meSingleRlt->Lines.Add(MatchTitle(record));
    for (const AnsiString &line : ResultLines)
        meSingleRlt->Lines.Add(line);
    if (record >= 0)
        for (const AnsiString &line : MotorSpecs[record].Lines)
            meSingleRlt->Lines.Add(line);
}

void TSelvane_F::DropResults()
{
    for (CSIZEITEM &item : SizeItems)
        item.Calculated = false;
    for (CMOTORSPC &m : MotorSpecs) {
        m.Calculated = 0;
        m.Lines.clear();
    }
    LastCalcInputs.reset();
    ResultLines.clear();
    sgMotorRlt->SetRowCount(1);
    MotorRltRow = 0;
    // The chart's placeholder stays until a calculation gives a total.
    if (stRlt->Caption() != graphCaption_)
        stRlt->SetCaption(TotalText(0));
    ClearChart();
    meSingleRlt->Lines.Clear();
    tsSingleRlt->SetTabVisible(false);
    RefreshResultValues();
    FillMotorGrid(true);
}

AnsiString TSelvane_F::TotalText(int sets) const
{
    return GetMsg("Selvane_F", 58, "Suggest Maches : Total") + "  " + IntToStr(sets) + " " +
           GetMsg("Selvane_F", 59, "Sets");
}

void TSelvane_F::tbSIClick(TObject *)
{
    switchUnitSystem(*this, UnitSystemSI);
}

void TSelvane_F::tbMIClick(TObject *)
{
    switchUnitSystem(*this, UnitSystemImperial);
}
