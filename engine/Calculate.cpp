#include "engine/CalcFrame.h"
#include "model/Texts.h"
#include "model/Units.h"
#include "ui/Selvane.h"

#include <cmath>
#include <tuple>

namespace
{

constexpr int MotorCount = 43;
constexpr int ElevatorIndex = 6;

using engine::Msg;

// A check of the final selection: passes on a strict "greater than", writes its line either way.
void check(TSelvane_F &w, int r, bool passes, const char *passLine, const char *failLine)
{
    if (!passes)
        MotorSpecs[r].Pass = 0;
    w.LogMotorLine(r, 1, passes ? passLine : failLine);
}

void finalChecks(TSelvane_F &w)
{
    for (int r = 0; r < MotorCount; ++r) {
        CMOTORSPC &m = MotorSpecs[r];
        if (m.Pass != 1)
            continue;
        w.LogMotorLine(r, 1, "---------------------");
        w.LogMotorLine(r, 1, m.Model);
        check(w, r, m.Ttyp > m.Trms, " (V) Ttyp > Trms", " (X) Ttyp <= Trms");
        if (w.cbModel->ItemIndex() != ElevatorIndex) {
            check(w, r, m.Tmax > std::fabs(m.TA), " (V)Tmax  >   |TA|", " (X)Tmax  <=  |TA|");
            check(w, r, m.Tmax > std::fabs(m.TD), " (V)Tmax  >   |TD|", " (X)Tmax  <=  |TD|");
        } else {
            check(w, r, m.Tmax > std::fabs(m.TMAU), " (V)Tmax  >   |TMAU|", " (X)Tmax  <=  |TMAU|");
            check(w, r, m.Tmax > std::fabs(m.TMAD), " (V)Tmax  >   |TMAD|", " (X)Tmax  <=  |TMAD|");
            check(w, r, m.Tmax > std::fabs(m.TMDU), " (V)Tmax  >   |TMDU|", " (X)Tmax  <=  |TMDU|");
            check(w, r, m.Tmax > std::fabs(m.TMDD), " (V)Tmax  >   |TMDD|", " (X)Tmax  <=  |TMDD|");
        }
        m.NeedResistor = m.Pr > m.RegenW ? 1 : 0;
    }
}

// Fills the suggested matches: the first three candidates of each large series in catalogue order;
// the small series Kelo-T only once a row of 2000 W or more of another series is shown. Returns
// the number of rows shown.
int fillSuggestions(TSelvane_F &w)
{
    TStringGrid *grid = w.sgMotorRlt;
    grid->SetRowCount(1);
    const char *const series[] = {"Kelo-P", "Kelo-Q", "Kelo-R", "Kelo-T"};
    int counted[4] = {0, 0, 0, 0};
    int n = 0;
    bool large = false;
    for (int r = 0; r < MotorCount; ++r) {
        const CMOTORSPC &m = MotorSpecs[r];
        if (m.Pass == 0)
            continue;
        bool show = false;
        for (int s = 0; s < 4; ++s) {
            if (m.Drive != series[s] || counted[s] >= 3)
                continue;
            ++counted[s]; // Kelo-T counts against its quota even when not shown
            if (s < 3) {
                show = true;
                large = large || m.PowerW >= 2000;
            } else {
                show = large;
            }
        }
        if (!show)
            continue;
        ++n;
        grid->SetRowCount(n + 1);
        grid->SetCells(0, n, m.Drive);
        grid->SetCells(1, n, m.Model);
        grid->SetCells(2, n, IntToStr(m.PowerW));
        grid->SetCells(3, n, FloatToStr(m.JM));
        grid->SetCells(4, n, FloatToStr(m.Ttyp));
        grid->SetCells(5, n, FloatToStr(m.EC));
        grid->SetCells(6, n, m.NeedResistor ? GetMsg("Selvane_F", 57, "需外加回升電阻") : AnsiString());
    }
    return n;
}

void writeSuggestionHeader(TSelvane_F &w)
{
    TStringGrid *grid = w.sgMotorRlt;
    const bool imperial = w.UnitType == 2;
    grid->SetColCount(7);
    grid->SetCells(0, 0, GetMsg("Selvane_F", 10, "伺服"));
    grid->SetCells(1, 0, GetMsg("Selvane_F", 11, "馬達"));
    grid->SetCells(2, 0, GetMsg("Selvane_F", 12, "瓦特數(W)"));
    grid->SetCells(3, 0,
                   imperial ? GetMsg("Selvane_F", 18, "額定慣量(lb.ft^2)")
                            : GetMsg("Selvane_F", 14, "額定慣量(Kg.m^2)"));
    grid->SetCells(4, 0,
                   imperial ? GetMsg("Selvane_F", 19, "額定扭矩(lb.ft)")
                            : GetMsg("Selvane_F", 15, "額定扭矩(N.m)"));
    grid->SetCells(5, 0, GetMsg("Selvane_F", 21, "電容儲存能量(J)"));
    grid->SetCells(6, 0, GetMsg("Selvane_F", 22, "備註"));
    grid->SetColWidths(0, 80);
    grid->SetColWidths(1, 80);
    grid->SetColWidths(2, 60);
    grid->SetColWidths(3, 100);
    grid->SetColWidths(5, 100);
    grid->SetColWidths(6, 100);
}

// The all-parameters rows entered the calculation converted to calculation units; like the input
// rows, they show the values as entered again afterwards.
void restoreEnteredValues(TSelvane_F &w)
{
    for (int row = 1; row < w.sgAll->RowCount() && row < 63; ++row) {
        const int id = w.AllRowItem[row];
        if (id >= 0 && id < 62)
            SizeItems[id].dV = SizeItems[id].dV_O;
    }
}

} // namespace

bool TSelvane_F::InputRow::operator==(const InputRow &o) const
{
    return std::tie(id, cellIsNumber, cell, value, cellUnit, unit) ==
           std::tie(o.id, o.cellIsNumber, o.cell, o.value, o.cellUnit, o.unit);
}

bool TSelvane_F::InputsShown::operator==(const InputsShown &o) const
{
    return mechanism == o.mechanism && unitType == o.unitType && rows == o.rows;
}

TSelvane_F::InputsShown TSelvane_F::ReadInputsShown() const
{
    InputsShown shown{cbModel->ItemIndex(), UnitType, {}};
    auto readGrid = [&](const TStringGrid *grid, const int(&rowItem)[63]) {
        for (int row = 1; row < grid->RowCount() && row < 63; ++row) {
            const int id = rowItem[row];
            if (id < 0 || id >= 62)
                continue;
            double cell = 0;
            const bool number = TryStrToFloat(grid->Cells(1, row), cell);
            shown.rows.push_back({id, number, number ? cell : 0, SizeItems[id].dV,
                                  UnitName(grid->Cells(2, row)), UnitName(SizeItems[id].asNowUnit)});
        }
    };
    readGrid(sgPar1, Par1RowItem);
    readGrid(sgAll, AllRowItem);
    return shown;
}

void TSelvane_F::bbCalculateClick(TObject *)
{
    // The calculation reads the cells: an edit left with text that is no number is undone first.
    CellEditExit(CellEdit);
    // Whatever this run ends in, nothing of an earlier calculation stays in view.
    DropResults();
    PageControl1->SetActivePageIndex(0);
    for (auto &m : MotorSpecs)
        m.Pass = 1;
    InputsRead = false;

    static bool (TSelvane_F::*const calculations[])() = {
        &TSelvane_F::CalcBallScrew,   &TSelvane_F::CalcRackPinion,     &TSelvane_F::CalcRollFeed,
        &TSelvane_F::CalcRotaryTable, &TSelvane_F::CalcThreeWheelCart, &TSelvane_F::CalcConveyor,
        &TSelvane_F::CalcElevator,
    };
    const unsigned index = static_cast<unsigned>(cbModel->ItemIndex());
    const bool ok = index < 7 && (this->*calculations[index])();

    writeSuggestionHeader(*this);
    int n = 0;
    if (ok) {
        restoreEnteredValues(*this);
        RefreshParamValues();
        finalChecks(*this);
        n = fillSuggestions(*this);
        FillMotorGrid(true);
    } else {
        // Only what this run computed before it stopped is shown.
        FillMotorGrid(true);
    }

    stRlt->SetCaption(TotalText(n));
    LogLine(10, "  ");
    LogLine(10, "==================================  ");
    LogLine(10, stRlt->Caption());
    if (sgMotorRlt->RowCount() > 1)
        sgMotorRlt->SetFixedRows(1);
    // After a read that found bad text (or no calculation at all) the cells keep what was typed:
    // the refresh would put back the values of the last good read.
    if (InputsRead) {
        restoreEnteredValues(*this);
        RefreshParamValues();
    } else {
        RefreshResultValues();
    }
    if (ok)
        LastCalcInputs = ReadInputsShown();
    PageControl1->SetActivePage(tsPar3);
}
