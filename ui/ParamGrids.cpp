#include "ui/Selvane.h"

#include "model/SizeItem.h"
#include "model/Texts.h"
#include "model/Units.h"

#include <algorithm>

namespace
{

const char *const kGridHeaders[4] = {"", "Value", "Unit", "Description"};
const int kGridColWidths[4] = {50, 80, 100, 200};
const int kDensityId = 9;

// Built-in names of the seven mechanisms, in index order (messages 1 to 7).
const char *const kMechanismNames[7] = {"滾珠導螺桿傳動裝置", "齒條傳動裝置", "滾筒裝置",
                                        "分度加工裝置",       "自走車",       "傳送帶運輸裝置",
                                        "電梯傳送裝置"};

bool isValidId(int id)
{
    return id >= 0 && id < 62;
}

// A result shows only when the last calculation computed it.
AnsiString resultText(const CSIZEITEM &item)
{
    return item.Calculated ? FloatToStr(item.dV) : AnsiString();
}

void putParamRow(TStringGrid *grid, int row, const CSIZEITEM &item, const AnsiString &symbol,
                 const AnsiString &value)
{
    grid->SetCells(0, row, symbol);
    grid->SetCells(1, row, value);
    grid->SetCells(2, row, item.asNowUnit);
    grid->SetCells(3, row, item.Name);
}

// The density symbol as the grid shows it: the Greek letter (Message.ini gives it in every language)
// or its spelled-out name.
bool isDensitySymbol(const AnsiString &symbol)
{
    return symbol == "ρ" || symbol == "rho";
}

// Travel per revolution and per pulse, stroke and speed: angles while the rotary table is shown.
struct TravelUnits {
    int id;
    const char *si, *imperial, *rotary;
};
const TravelUnits kTravelUnits[] = {
    {0, "[m/rev]", "[ft/rev]", "[deg]"},
    {1, "[m/pulse]", "[ft/pulse]", "[deg/pulse]"},
    {5, "[mm][cm]", "[inch]", "[deg]"},
    {4, "[m/min][m/sec][cm/min][cm/sec]", "[ft/min]", "[deg/min]"},
};

// Descriptions that a mechanism gives rows of its own while it is shown (message number and built-in
// text), and those the rows get back when another mechanism is shown.
struct OwnName {
    int mechanism, id;
    int number;
    const char *builtIn;
    int backNumber;
    const char *backBuiltIn;
};
const OwnName kOwnNames[] = {
    {3, 0, 50, "馬達旋轉一圈平台轉動角度", 54, "馬達旋轉一圈螺桿前進距離"},
    {3, 5, 51, "單一行程轉動角度", 55, "單一行程移動距離"},
    {3, 4, 52, "平台轉動速度", 56, "平台移動速度"},
    {3, 38, 169, "支撐軸直徑", 138, "軸承直徑"},                   // the roll feed's bearing
    {6, 23, 168, "配重質量", 123, "車子重量"},                     // the wheel cart's car
    {6, 20, 170, "上下一次循環所需時間", 120, "單一行程所需時間"}, // an up and a down stroke
};

} // namespace

void UseRowNamesOf(int k, int was)
{
    for (const OwnName &n : kOwnNames) {
        if (n.mechanism == k)
            SizeItems[n.id].Name = GetMsg("Selvane_F", n.number, n.builtIn);
        else if (n.mechanism == was)
            SizeItems[n.id].Name = GetMsg("Selvane_F", n.backNumber, n.backBuiltIn);
    }
}

namespace
{

// Shows row in the grid, scrolling as little as possible.
void scrollRowIntoView(TStringGrid *grid, int row)
{
    const int top = grid->TopRow();
    const int shown = std::max(1, grid->VisibleRowCount());
    if (row < top)
        grid->SetTopRow(row);
    else if (row >= top + shown)
        grid->SetTopRow(row - shown + 1);
}

// Record id behind a data row of sgPar1 or sgAll; -1 for any other grid, the header or a row past
// the last fill.
int recordOfRow(const TSelvane_F &f, const TStringGrid *grid, int row)
{
    int id = -1;
    if (grid == f.sgPar1 && row >= 1 && row <= f.Par1Rows)
        id = f.Par1RowItem[row];
    else if (grid == f.sgAll && row >= 1 && row <= f.AllRows)
        id = f.AllRowItem[row];
    return isValidId(id) ? id : -1;
}

} // namespace

void UseTravelUnitsOf(int k)
{
    for (const TravelUnits &t : kTravelUnits) {
        SizeItems[t.id].asUnit_SI = k == 3 ? t.rotary : t.si;
        SizeItems[t.id].asUnit_MI = k == 3 ? t.rotary : t.imperial;
    }
}

void TSelvane_F::FillParamGrids(int k)
{
    // The rows change under the value editor: that leaves it.
    CellEditExit(CellEdit);
    GridsReady = false;
    // An editor left over a refilled grid would write into whatever parameter now has its row.
    CellEdit->SetVisible(false);
    CellUnitCombo->SetVisible(false);
    cbCBX->SetVisible(false);

    for (TStringGrid *grid : {sgPar1, sgAll, sgPar3}) {
        for (int c = 0; c < 4; ++c) {
            grid->SetCells(c, 0, kGridHeaders[c]);
            grid->SetColWidths(c, kGridColWidths[c]);
        }
        grid->SetRowCount(2);
        grid->SetFixedRows(1);
    }
    const int mask = k >= 0 && k < 7 ? 1 << (k + 1) : 0;
    // Results of one mechanism are no results of another.
    if (k != CurMechanism)
        DropResults();
    Par1Rows = AllRows = Par3Rows = 0;

    if (k == 3 || CurMechanism == 3) {
        UseTravelUnitsOf(k);
        for (const TravelUnits &t : kTravelUnits)
            SetParamUnitSystem(SizeItems[t.id], UnitType);
    }
    UseRowNamesOf(k, CurMechanism);

    CurMechanism = k;
    for (int &id : Par1RowItem)
        id = -1;

    // Each grid takes its final size at once: a grid resized row by row lays itself out every time.
    int par1Count = 0, par3Count = 0, allCount = 0;
    for (int id = 0; id < 62; ++id) {
        const bool input = SizeItems[id].FModel & mask;
        const bool result = SizeItems[id].FRltFlg & mask;
        par1Count += input;
        par3Count += result;
        allCount += !input && !result;
    }
    sgPar1->SetRowCount(par1Count + 1);
    sgPar3->SetRowCount(par3Count + 1);
    sgAll->SetRowCount(allCount + 1);

    for (int id = 0; id < 62; ++id) {
        const CSIZEITEM &item = SizeItems[id];
        const bool input = item.FModel & mask;
        const bool result = item.FRltFlg & mask;
        if (input) {
            const int r = Par1Rows + 1;
            Par1RowItem[r] = id;
            ++Par1Rows;
            AnsiString symbol = item.Abbr;
            if (id >= 9 && id <= 13)
                symbol = GetMsg("ABB", 1000 + id, item.Abbr);
            putParamRow(sgPar1, r, item, symbol, FloatToStr(item.dV));
        }
        if (result) {
            const int r = Par3Rows + 1;
            Par3RowItem[r] = id;
            ++Par3Rows;
            putParamRow(sgPar3, r, item, item.Abbr, resultText(item));
        }
        if (!input && !result) {
            const int r = AllRows + 1;
            AllRowItem[r] = id;
            ++AllRows;
            putParamRow(sgAll, r, item, item.Abbr, FloatToStr(item.dV));
        }
    }
    GridsReady = true;
}

void TSelvane_F::RefreshParamValues()
{
    CellEdit->SetVisible(false);
    cbCBX->SetVisible(false);
    for (int r = 1; r < sgPar1->RowCount(); ++r) {
        const int id = Par1RowItem[r];
        if (!isValidId(id))
            continue;
        SizeItems[id].dV = SizeItems[id].dV_O;
        sgPar1->SetCells(1, r, FloatToStr(SizeItems[id].dV));
    }
    for (int r = 1; r <= AllRows; ++r)
        if (isValidId(AllRowItem[r]))
            sgAll->SetCells(1, r, FloatToStr(SizeItems[AllRowItem[r]].dV));
    RefreshResultValues();
}

void TSelvane_F::RefreshResultValues()
{
    for (int r = 1; r < sgPar3->RowCount() && r <= Par3Rows; ++r)
        if (isValidId(Par3RowItem[r]))
            sgPar3->SetCells(1, r, resultText(SizeItems[Par3RowItem[r]]));
}

void TSelvane_F::ConvertToCalcUnits()
{
    if (UnitType != UnitSystemSI && UnitType != UnitSystemImperial)
        return;
    for (int r = 1; r < sgPar1->RowCount(); ++r) {
        const int id = Par1RowItem[r];
        if (!isValidId(id))
            continue;
        SizeItems[id].dV_U = ConvertToCalc(SizeItems[id].dV, UnitType, sgPar1->Cells(2, r));
    }
}

void TSelvane_F::sgPar1SelectCell(TObject *Sender, int ACol, int ARow, bool &CanSelect)
{
    if (!GridsReady)
        return;
    auto *grid = dynamic_cast<TStringGrid *>(Sender);
    if (!grid)
        return;
    CellEditExit(CellEdit);
    EditCol = ACol;
    EditRow = ARow;
    EditGrid = grid;
    SelRow = ARow;
    SelCol = ACol;
    CanSelect = true;

    const int line = grid->GridLineWidth();
    const int step = grid->DefaultRowHeight() + line;
    const int cellTop = step * (ARow - grid->TopRow() + 1);
    const int lastTop = grid->VisibleRowCount() * step + grid->Top();
    const int firstTop = step + grid->Top();

    if (ACol == 1) {
        // The pick list belongs to sgPar1's page and writes only into sgPar1.
        if (grid == sgPar1 && isDensitySymbol(grid->Cells(0, ARow))) {
            cbCBX->SetLeft(grid->ColWidths(0) + line);
            cbCBX->SetTop(cellTop + grid->Top());
            cbCBX->SetWidth(grid->ColWidths(1));
            showDensityOfCell(grid->Cells(1, ARow));
            cbCBX->SetVisible(true);
            cbCBX->Widget()->raise();
            CellEdit->SetVisible(false);
            if (cbCBX->Top() > lastTop)
                cbCBX->SetTop(lastTop);
        } else {
            CellEdit->SetParent(grid);
            CellEdit->SetColor(clInactiveCaptionText);
            CellEdit->SetBounds(grid->ColWidths(0) + line, cellTop, grid->ColWidths(1), step);
            CellEdit->SetText(grid->Cells(1, ARow));
            const int edited = recordOfRow(*this, grid, ARow);
            EditStartValue = edited >= 0 ? SizeItems[edited].dV : 0;
            CellEdit->SetVisible(true);
            CellEdit->Widget()->raise();
            cbCBX->SetVisible(false);
            CellEdit->SetFocus();
            // Typing replaces the value, as when an edit box is entered.
            CellEdit->LineEdit()->selectAll();
            if (CellEdit->Top() > lastTop)
                CellEdit->SetTop(lastTop);
        }
    } else {
        CellEdit->SetVisible(false);
        cbCBX->SetVisible(false);
    }

    const int id = recordOfRow(*this, grid, ARow);
    if (ACol == 2 && id >= 0) {
        CellUnitCombo->SetParent(grid->Parent());
        int top = cellTop + grid->Top();
        if (top < firstTop)
            top = firstTop;
        if (top > lastTop)
            top = lastTop;
        CellUnitCombo->SetBounds(grid->Left() + grid->ColWidths(0) + line + grid->ColWidths(1) + line, top,
                                 grid->ColWidths(2) + 2, 20);
        CellUnitCombo->SetDropDownCount(8);
        CellUnitCombo->Items.Clear();
        CellUnitCombo->SetStyle(csDropDownList);
        CellUnitCombo->SetItemHeight(13);
        const std::vector<AnsiString> units = UnitsOfList(SizeItems[id].asUnit);
        for (const AnsiString &unit : units)
            CellUnitCombo->Items.Add(unit);
        Memo2->Lines.Add(IntToStr(static_cast<long long>(units.size())));
        for (size_t i = 0; i < units.size(); ++i)
            Memo2->Lines.Add(IntToStr(static_cast<long long>(i)) + ":" + units[i]);
        CellUnitCombo->SetVisible(true);
        CellUnitCombo->Widget()->raise();
        // Opens on the cell's unit, so that Enter or leaving the list keeps it.
        const auto shown = std::find(units.begin(), units.end(), UnitName(grid->Cells(2, ARow)));
        CellUnitCombo->SetItemIndex(shown != units.end() ? static_cast<int>(shown - units.begin()) : 0);
    } else {
        CellUnitCombo->SetVisible(false);
    }
}

// The editors follow their cell when the grid scrolls, and go while it is out of view, so that they
// never lie over a row they do not write to. The edit ends there as leaving the editor ends it.
void TSelvane_F::sgPar1TopLeftChanged(TObject *Sender)
{
    auto *grid = dynamic_cast<TStringGrid *>(Sender);
    if (!GridsReady || !grid || grid != EditGrid)
        return;
    const int top = grid->TopRow();
    if (EditRow < top || EditRow >= top + grid->VisibleRowCount()) {
        const bool editing = CellEdit->Visible();
        // Gone before a report shows, which would otherwise find it over another row.
        CellEdit->SetVisible(false);
        cbCBX->SetVisible(false);
        CellUnitCombo->SetVisible(false);
        if (editing)
            undoFailedCellEdit();
        return;
    }
    const int cellTop = (grid->DefaultRowHeight() + grid->GridLineWidth()) * (EditRow - top + 1);
    if (CellEdit->Visible() && CellEdit->Parent() == grid)
        CellEdit->SetTop(cellTop);
    if (cbCBX->Visible() && grid == sgPar1)
        cbCBX->SetTop(cellTop + grid->Top());
    if (CellUnitCombo->Visible() && CellUnitCombo->Parent() == grid->Parent())
        CellUnitCombo->SetTop(cellTop + grid->Top());
}

void TSelvane_F::CellEditKeyUp(TObject *, unsigned short &Key, int)
{
    TStringGrid *grid = EditGrid;
    if (!grid)
        return;
    const bool up = Key == 38 && EditRow - 1 > 0;
    const bool down = Key == 40 && EditRow + 1 < grid->RowCount();
    if (Key == 13 || up || down)
        CellEditExit(CellEdit);
    if (up || down) {
        const int row = up ? EditRow - 1 : EditRow + 1;
        grid->SetFocus();
        // Scroll first, so that the editor is placed over the row where it now shows.
        scrollRowIntoView(grid, row);
        grid->UserSelectCell(EditCol, row);
    }
    // The pick list took the new row, or a refill took the editor away: nothing to commit.
    if (!CellEdit->Visible() || EditCol != 1)
        return;
    const int id = recordOfRow(*this, grid, EditRow);
    if (id < 0)
        return;
    grid->SetCells(EditCol, EditRow, CellEdit->Text());
    CommitTypedNumber(CellEdit, SizeItems[id].dV);
    // Enter stores the value: a failed edit from here on goes back to it.
    if (Key == 13)
        EditStartValue = SizeItems[id].dV;
}

// Leaving the editor (another cell, Enter, another control, Calculate) with text that is not a
// number undoes the edit: the value it started from, or that Enter last stored, goes back into the
// record and the cell, so that the cell never shows other than what is used (typing "1e-" has
// stored 1 on the way). Text that never becomes a number was reported as it was typed; a number
// left unfinished is reported now.
void TSelvane_F::CellEditExit(TObject *)
{
    if (CellEdit->Visible())
        undoFailedCellEdit();
}

void TSelvane_F::undoFailedCellEdit()
{
    if (EditCol != 1)
        return;
    const int id = recordOfRow(*this, EditGrid, EditRow);
    if (id >= 0)
        UndoFailedCellEdit(CellEdit, EditGrid, EditCol, EditRow, SizeItems[id].dV, EditStartValue);
}

void TSelvane_F::CellUnitChange(TObject *)
{
    const int id = recordOfRow(*this, EditGrid, EditRow);
    if (id < 0 || EditCol != 2)
        return;
    const AnsiString unit = CellUnitCombo->Text();
    EditGrid->SetCells(EditCol, EditRow, unit);
    SizeItems[id].asNowUnit = unit;
}

void TSelvane_F::showDensityOfCell(const AnsiString &cell)
{
    std::vector<AnsiString> densities;
    for (int r = 1; r <= 16; ++r)
        densities.push_back(sgDensity->Cells(1, r));
    cbCBX->SelectNumber(densities, cell);
}

void TSelvane_F::cbCBXDropDown(TObject *)
{
    cbCBX->SetWidth(200);
    if (SelRow >= 1 && SelRow < sgPar1->RowCount())
        showDensityOfCell(sgPar1->Cells(1, SelRow));
}

void TSelvane_F::cbCBXCloseUp(TObject *)
{
    cbCBX->SetWidth((EditGrid ? EditGrid : sgPar1)->ColWidths(1));
}

void TSelvane_F::cbCBXChange(TObject *)
{
    const int item = cbCBX->ItemIndex();
    if (item < 0 || EditGrid != sgPar1 || SelCol != 1 || recordOfRow(*this, sgPar1, SelRow) != kDensityId)
        return;
    // The item is the material name followed by its value, as in the density grid's row.
    const AnsiString value = sgDensity->Cells(1, item + 1);
    // Into the record too, as "Replace" does: the cell alone would be lost by the next refill.
    SizeItems[kDensityId].dV = StrToFloat(value);
    sgPar1->SetCells(SelCol, SelRow, value);
}

void TSelvane_F::pcModPicChange(TObject *)
{
    const int page = pcModPic->ActivePageIndex();
    cbModel->SetItemIndex(page);
    stModeName->SetCaption(page >= 0 && page < 7 ? GetMsg("Selvane_F", page + 1, kMechanismNames[page])
                                                 : AnsiString());
    FillParamGrids(cbModel->ItemIndex());
    CellUnitCombo->SetVisible(false);
}

void TSelvane_F::cbModelChange(TObject *)
{
    pcModPic->SetActivePageIndex(cbModel->ItemIndex());
    FillParamGrids(cbModel->ItemIndex());
    cbCBX->SetVisible(false);
}
