#include "inertia/Selvane_Inertia.h"

#include "inertia/InertiaTable.h"
#include "model/Materials.h"
#include "model/Texts.h"
#include "platform/Exceptions.h"
#include "platform/Jpeg.h"
#include "ui/Selvane.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>

#include <algorithm>
#include <cmath>
#include <vector>

AnsiString TSelvane_Inertia_F::PictureFolder;

namespace
{

const char *const Section = "Selvane_Inertia_F";

template <class T>
T *Make(TSelvane_Inertia_F *form, const char *name, int left, int top, int width, int height)
{
    auto *c = new T(form);
    c->Name = name;
    c->SetBounds(left, top, width, height);
    c->SetParent(form);
    return c;
}

TStringGrid *Grid(TSelvane_Inertia_F *form, const char *name, int top, int height)
{
    auto *g = Make<TStringGrid>(form, name, 16, top, 389, height);
    g->SetColCount(5);
    g->SetRowCount(2);
    g->SetFixedRows(1);
    g->SetFixedCols(1);
    g->SetDefaultRowHeight(16);
    g->SetColWidths(4, 70);
    g->SetColor(clWindow);
    return g;
}

// Shape k appears in a mask as bit k+1.
bool inShape(short mask, int shape)
{
    return (mask & (1 << (shape + 1))) != 0;
}

AnsiString value(InertiaEntry e)
{
    return FloatToStr(InertiaItems[e].dV);
}

// The entries that the inertia formula, or the mass formula, of a shape writes.
std::vector<InertiaEntry> inertiaResults(int shape)
{
    if (shape >= 4)
        return {EntryI1, EntryI2, EntryI};
    return {EntryI};
}
std::vector<InertiaEntry> massResults(int shape)
{
    if (shape == 0 || shape == 1)
        return {EntryM};
    if (shape >= 4)
        return {EntryM1, EntryM2};
    return {};
}

// A mass or inertia that no body has: negative or not finite.
bool anyImpossible(const std::vector<InertiaEntry> &entries)
{
    return std::any_of(entries.begin(), entries.end(), [](InertiaEntry e) {
        return !(InertiaItems[e].dV >= 0 && std::isfinite(InertiaItems[e].dV));
    });
}

bool innerOverOuter(int shape)
{
    return (shape == 1 || shape == 3) && InertiaItems[EntryRI].dV > InertiaItems[EntryR0].dV;
}

// Why a shape's mass or inertia came out negative: an inner radius over the outer one, and every
// other negative value that the user enters for the shape, weighed or with the mass typed.
AnsiString refusalText(int shape, bool weighed, const std::vector<InertiaEntry> &written)
{
    AnsiString text = GetMsg(Section, 36, "No result: the mass or the inertia comes out negative.");
    const CSIZEITEM &RI = InertiaItems[EntryRI], &R0 = InertiaItems[EntryR0];
    if (innerOverOuter(shape))
        text += "\n" + RI.Name + " (RI) " + GetMsg(Section, 37, "is larger than") + " " + R0.Name + " (R0)";
    AnsiString negatives;
    for (int i = 0; i < InertiaEntryCount; ++i) {
        const CSIZEITEM &item = InertiaItems[i];
        const bool result = std::find(written.begin(), written.end(), i) != written.end();
        const short entered = weighed ? static_cast<short>(item.FModel | item.FModelM) : item.FModel2;
        if (!result && inShape(entered, shape) && item.dV < 0)
            negatives += " " + item.Abbr + " (" + item.Name + ")";
    }
    if (!negatives.empty())
        text += "\n" + GetMsg(Section, 38, "Negative:") + negatives;
    return text;
}

// Runs a formula that writes the entries given. False, with the cause shown, when it faults (a zero
// G2 or D2, a value out of range) or what it wrote is no body's; the caller puts the entries back.
bool runFormula(void (*formula)(), const std::vector<InertiaEntry> &written, int shape, bool weighed)
{
    try {
        formula();
    } catch (const EMathError &e) {
        Application->ShowException(e);
        return false;
    }
    if (!anyImpossible(written))
        return true;
    ShowMessage(refusalText(shape, weighed, written));
    return false;
}

// The mass formula of a shape; none for the cones, whose formula takes the density itself.
void (*massFormula(int shape))()
{
    if (shape == 0)
        return storeSolidCylinderMass;
    if (shape == 1)
        return storeHollowCylinderMass;
    if (shape >= 4 && shape <= 6)
        return storeWheelMasses;
    return nullptr;
}

std::vector<double> allValues()
{
    std::vector<double> values;
    for (const CSIZEITEM &item : InertiaItems)
        values.push_back(item.dV);
    return values;
}

AnsiString formulaText(int shape)
{
    const AnsiString pi = GetMsg("ABB", 998, "π");
    const AnsiString rho = GetMsg("ABB", 1009, "ρ");
    switch (shape) {
    case 0:
        return " I = m * RO^2 /2 ,  m = " + pi + " * RO^2 * L * " + rho;
    case 1:
        return " I = m/2 * (RO^2 + RI^2 ),  m = " + pi + " * (RO^2 - RI^2) * L * " + rho;
    case 2:
        return " I = 1/10 * " + pi + " * " + rho + " * RO^4 * L";
    case 3:
        return " I = " + pi + " * " + rho +
               " * L/2 * (RI^4 + 2* RI^3 *(RO - RI) + 2 * RI^2 * (RI-RO)^2 + RI *(RO-RI)^3 + ((RO_RI)^4)/5)";
    case 4:
    case 5:
    case 6:
        return " m1 = " + pi + " * " + rho + " * D1^2 * W /4 \n m2 = " + pi + " * " + rho +
               " * D2^2 * W /4 \n " + GetMsg(Section, 11, "傳動齒輪慣量") + " I1 = m1 * D1^2 / 8 \n " +
               GetMsg(Section, 12, "負載齒輪慣量") + " I2 = m2 * D2^2 / 8 \n " +
               GetMsg(Section, 13, "換算至馬達端總慣量") +
               (shape == 5 ? " I  = I1 + I2 * (D1/D2)^2" : "  I = I1 + I2 * (G1/G2)^2");
    default:
        return "";
    }
}

} // namespace

TSelvane_Inertia_F::TSelvane_Inertia_F(TComponent *owner) : TForm(owner)
{
    Name = "Selvane_Inertia_F";
    BuildOnFirstUse([this] {
        buildLayout();
        RefreshGrids();
        cbMode->SetItemIndex(0);
        cbModeChange(nullptr);
        cbCalWeightClick(nullptr);
    });
}

void TSelvane_Inertia_F::buildLayout()
{
    SetCaption("慣量計算");
    SetDialogFrame();
    SetClientSize(820, 510);
    SetColor(13820380);
    SetFontFamily("Tahoma");
    SetFontPixelSize(11);
    OnActivate = [this](TObject *s) { FormActivate(s); };

    cbMode = Make<TComboBox>(this, "cbMode", 16, 8, 200, 21);
    cbMode->SetStyle(csDropDownList);
    for (const char *item : {"1", "2", "3", "4", "5", "6", "7"})
        cbMode->Items.Add(item);
    cbMode->OnChange = [this](TObject *s) { cbModeChange(s); };

    // Wider than the layout's 97 pixels so that the English caption fits.
    cbCalWeight = Make<TCheckBox>(this, "cbCalWeight", 34, 37, 140, 17);
    cbCalWeight->SetCaption("計算重量");
    cbCalWeight->OnClick = [this](TObject *s) { cbCalWeightClick(s); };

    sgWeight = Grid(this, "sgWeight", 60, 114);
    sgWeight->View()->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    bbCalWeight = Make<TBitBtn>(this, "bbCalWeight", 34, 180, 97, 25);
    bbCalWeight->SetCaption("開始計算重量");
    bbCalWeight->OnClick = [this](TObject *s) { bbCalWeightClick(s); };
    stMrlt = Make<TStaticText>(this, "stMrlt", 151, 180, 246, 33);
    stMrlt->SetBevel(bvLowered);

    // Created after the weight button and text, which it covers while the weight is typed.
    sgInertia = Grid(this, "sgInertia", 220, 160);
    for (TStringGrid *g : {sgWeight, sgInertia})
        g->OnSelectCell = [this](TObject *s, int c, int r, bool &can) { sgInertiaSelectCell(s, c, r, can); };

    Image1 = Make<TImage>(this, "Image1", 435, 171, 170, 194);
    Image1->SetStretch(true);
    stFormula = Make<TStaticText>(this, "stFormula", 411, 63, 380, 102);
    stFormula->SetBevel(bvLowered);
    stFormula->SetFontFamily("Arial");
    stFormula->SetFontPixelSize(11);
    stFormula->SetWordWrap(true);
    stIrlt = Make<TStaticText>(this, "stIrlt", 56, 417, 313, 68);
    stIrlt->SetBevel(bvLowered);
    for (TStaticText *t : {stMrlt, stFormula, stIrlt})
        static_cast<QLabel *>(t->Widget())->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    bbCal = Make<TBitBtn>(this, "bbCal", 56, 386, 75, 25);
    bbCal->SetCaption("Calculate");
    bbCal->OnClick = [this](TObject *s) { bbCalClick(s); };
    bbReplace = Make<TBitBtn>(this, "bbReplace", 137, 386, 75, 25);
    bbReplace->SetCaption("代入");
    bbReplace->ModalResult = mrOk;
    bbCancel = Make<TBitBtn>(this, "bbCancel", 218, 386, 75, 25);
    bbCancel->SetCaption("取消");
    bbCancel->ModalResult = mrCancel;
    bbCancel->Cancel = true; // no default button: Enter finishes a value in the editors

    // The editors come last so that they lie over the grids.
    edValue = Make<TEdit>(this, "edValue", 218, 276, 143, 21);
    edValue->SetVisible(false);
    edValue->OnKeyUp = [this](TObject *s, unsigned short &key, int shift) { edValueKeyUp(s, key, shift); };
    edValue->OnExit = [this](TObject *s) { edValueExit(s); };
    cbCBX = Make<TComboBox>(this, "cbCBX", 115, 276, 97, 21);
    cbCBX->SetStyle(csDropDownList);
    cbCBX->PickOnlyInOpenList = true;
    cbCBX->SetVisible(false);
    cbCBX->OnChange = [this](TObject *s) { cbCBXChange(s); };
    cbCBX->OnDropDown = [this](TObject *s) { cbCBXDropDown(s); };
    cbCBX->OnCloseUp = [this](TObject *s) { cbCBXCloseUp(s); };
}

void TSelvane_Inertia_F::FormActivate(TObject *)
{
    ApplyCaptions(this);
    for (int i = 0; i < InertiaEntryCount; ++i)
        InertiaItems[i].Name = GetMsg(Section, 21 + i, InertiaItems[i].Name);
    cbModeChange(nullptr);

    if (!MainFormOpen || !Selvane_F)
        return;
    // The calculator works in kg/m^3 whatever unit the main window's density column shows.
    cbCBX->Items.Clear();
    densityTexts_.clear();
    for (int r = 1; r <= 16; ++r) {
        const AnsiString density = FloatToStr(kMaterials[r - 1].density);
        densityTexts_.push_back(density);
        cbCBX->Items.Add(Selvane_F->sgDensity->Cells(0, r) + density);
    }
}

void TSelvane_Inertia_F::cbModeChange(TObject *)
{
    const int shape = cbMode->ItemIndex();
    if (shape < 0 || shape > 6)
        return;
    if (shape <= 3)
        Image1->SetBounds(Image1->Left(), Image1->Top(), 340, 200);
    else
        Image1->SetBounds(Image1->Left(), Image1->Top(), 250, 280);
    loadShapePicture(shape);
    stFormula->SetCaption(formulaText(shape));
    bbCalClick(nullptr);
    RefreshGrids();
}

// A missing or broken picture leaves the shape without one; the rest of the dialog works. Each
// file is reported once per run.
void TSelvane_Inertia_F::loadShapePicture(int shape)
{
    const AnsiString folder = PictureFolder.empty() ? ExeDir() + "icons/" : PictureFolder;
    try {
        Image1->SetPicture(LoadJpegFile(folder + "Inertia00" + IntToStr(shape + 1) + ".jpg"));
    } catch (const Exception &e) {
        Image1->SetPicture(QImage());
        if (reportedPictures_.insert(shape).second)
            Application->ShowException(e);
    }
}

void TSelvane_Inertia_F::appendRow(TStringGrid *grid, int entry)
{
    const CSIZEITEM &item = InertiaItems[entry];
    const int row = grid->RowCount() - 1;
    grid->SetCells(0, row, entry == EntryRho ? GetMsg("ABB", 1009, item.Abbr) : item.Abbr);
    grid->SetCells(1, row, FloatToStr(item.dV));
    grid->SetCells(2, row, TextBetween(item.asUnit, '[', ']'));
    grid->SetCells(3, row, item.Name);
    grid->SetCells(4, row, IntToStr(row) + ", IDX=" + IntToStr(item.nIdx));
    grid->SetRowCount(row + 2);
}

void TSelvane_Inertia_F::RefreshGrids()
{
    // The rows may change under the editors; they come back with the next cell selection.
    edValue->Hide();
    cbCBX->Hide();
    for (TStringGrid *g : {sgWeight, sgInertia}) {
        const int widths[] = {50, 80, 80, 100};
        for (int c = 0; c < 4; ++c)
            g->SetColWidths(c, widths[c]);
        g->SetRowCount(2);
        g->SetCells(0, 0, "");
        g->SetCells(1, 0, GetMsg(Section, 14, "參數值"));
        g->SetCells(2, 0, GetMsg(Section, 15, "單位"));
        g->SetCells(3, 0, GetMsg(Section, 16, "說明"));
        g->SetCells(4, 0, "");
    }

    const int shape = cbMode->ItemIndex();
    for (int i = 0; i < InertiaEntryCount; ++i) {
        const CSIZEITEM &item = InertiaItems[i];
        if (inShape(item.FModelM, shape))
            appendRow(sgWeight, i);
        if (inShape(cbCalWeight->Checked() ? item.FModel : item.FModel2, shape))
            appendRow(sgInertia, i);
    }

    switch (shape) {
    case 0:
    case 1:
        stMrlt->SetCaption(" m=" + value(EntryM));
        stIrlt->SetCaption(" I=" + value(EntryI));
        break;
    case 2:
    case 3:
        stMrlt->SetCaption("");
        stIrlt->SetCaption(" I=" + value(EntryI));
        break;
    case 4:
    case 5:
    case 6:
        stMrlt->SetCaption(" m1=" + value(EntryM1) + "\n m2=" + value(EntryM2));
        stIrlt->SetCaption(" I1=" + value(EntryI1) + "\n I2=" + value(EntryI2) + "\n I=" + value(EntryI));
        break;
    default:
        break;
    }
    if (noResult_) {
        stMrlt->SetCaption("");
        stIrlt->SetCaption("");
    }

    for (TStringGrid *g : {sgWeight, sgInertia})
        for (int c = 0; c < g->ColCount(); ++c)
            g->SetCells(c, g->RowCount() - 1, "");
}

void TSelvane_Inertia_F::placeOverValueCell(TControl *editor, TStringGrid *grid, int row)
{
    // Kept within the rows shown; a grid not laid out yet shows none and limits nothing.
    const int step = grid->DefaultRowHeight() + grid->GridLineWidth();
    int top = std::max(grid->Top() + step * (row - grid->TopRow() + 1), grid->Top() + step);
    if (grid->VisibleRowCount() > 0)
        top = std::min(top, grid->Top() + step * grid->VisibleRowCount());
    editor->SetBounds(grid->Left() + grid->ColWidths(0) + grid->GridLineWidth(), top, grid->ColWidths(1),
                      editor->Height());
}

void TSelvane_Inertia_F::sgInertiaSelectCell(TObject *Sender, int ACol, int ARow, bool &CanSelect)
{
    CanSelect = true;
    auto *grid = dynamic_cast<TStringGrid *>(Sender);
    if (!grid)
        return;
    edValueExit(edValue);
    CurGrid = grid;
    EditCol = ACol;
    EditRow = ARow;
    if (ACol != 1) {
        edValue->Hide();
        cbCBX->Hide();
        return;
    }
    if (grid->Cells(1, ARow).empty())
        return;

    const AnsiString symbol = grid->Cells(0, ARow);
    if (symbol == "ρ" || symbol == "rho") {
        placeOverValueCell(cbCBX, grid, ARow);
        showDensityOfCell();
        cbCBX->Show();
        edValue->Hide();
    } else {
        placeOverValueCell(edValue, grid, ARow);
        edValue->SetText(grid->Cells(1, ARow));
        const int entry = entryOfRow(grid, ARow);
        editStart_ = entry >= 0 ? InertiaItems[entry].dV : 0;
        edValue->SetColor(clInactiveCaptionText);
        edValue->Show();
        cbCBX->Hide();
        edValue->SetFocus();
        // Typing replaces the value, as when an edit box is entered.
        edValue->LineEdit()->selectAll();
    }
}

void TSelvane_Inertia_F::edValueKeyUp(TObject *, unsigned short &Key, int)
{
    if (!CurGrid)
        return;
    if (Key == 13 || (Key == 38 && EditRow > 1))
        edValueExit(edValue);
    if (Key == 38 && EditRow > 1) {
        CurGrid->SetFocus();
        const int row = EditRow - 1;
        if (row < CurGrid->TopRow())
            CurGrid->SetTopRow(row);
        CurGrid->UserSelectCell(EditCol, row);
    }
    // Moved onto the density row: the list has the cell now, and the typed text is not its value.
    if (!edValue->Visible())
        return;
    // The result shown was computed from the entries before this edit.
    if (CurGrid->Cells(EditCol, EditRow) != edValue->Text())
        showNoResult();
    CurGrid->SetCells(EditCol, EditRow, edValue->Text());

    const int entry = entryOfRow(CurGrid, EditRow);
    if (entry < 0)
        return;
    CommitTypedNumber(edValue, InertiaItems[entry].dV); // a refused text changes nothing
    showEntryValue(entry, false);
    // Enter stores the value: a failed edit from here on goes back to it.
    if (Key == 13)
        editStart_ = InertiaItems[entry].dV;
}

// Every row of the entry, in both grids, shows its value; the row in the editor keeps the text typed
// unless `editedToo`.
void TSelvane_Inertia_F::showEntryValue(int entry, bool editedToo)
{
    const AnsiString text = FloatToStr(InertiaItems[entry].dV);
    for (TStringGrid *g : {sgWeight, sgInertia})
        for (int r = 1; r < g->RowCount(); ++r) {
            if (entryOfRow(g, r) != entry)
                continue;
            const bool edited = g == CurGrid && r == EditRow && edValue->Visible();
            if (edited && !editedToo)
                continue;
            g->SetCells(1, r, text);
            if (edited) {
                edValue->SetText(text);
                editStart_ = InertiaItems[entry].dV;
            }
        }
}

// Leaving the editor (another cell, Enter, Up, another control, Calculate, closing the dialog) with
// text that is not a number undoes the edit: the entry and its cell go back to the value the edit
// started from, or that Enter or the weight button last put there. Text that never becomes a number
// was reported as it was typed; a number left unfinished is reported now.
void TSelvane_Inertia_F::edValueExit(TObject *)
{
    if (!edValue->Visible() || !CurGrid || EditCol != 1)
        return;
    const int entry = entryOfRow(CurGrid, EditRow);
    if (entry >= 0 &&
        UndoFailedCellEdit(edValue, CurGrid, EditCol, EditRow, InertiaItems[entry].dV, editStart_))
        showEntryValue(entry, false);
}

// Entry of InertiaItems behind a grid row, from its link cell ("2, IDX=4"); -1 for none.
int TSelvane_Inertia_F::entryOfRow(const TStringGrid *grid, int row) const
{
    const AnsiString link = grid->Cells(4, row);
    const int eq = Pos("=", link);
    const int entry = eq > 0 ? StrToIntDef(SubString(link, eq + 1, static_cast<int>(link.size())), -1) : -1;
    return entry >= 0 && entry < InertiaEntryCount ? entry : -1;
}

void TSelvane_Inertia_F::cbCBXChange(TObject *)
{
    const int i = cbCBX->ItemIndex();
    const AnsiString density = i >= 0 && i < static_cast<int>(densityTexts_.size()) ? densityTexts_[i] : "";
    // Converted first: without a material nothing changes.
    const double rho = StrToFloat(density);
    if (CurGrid)
        CurGrid->SetCells(EditCol, EditRow, density);
    if (InertiaItems[EntryRho].dV != rho)
        showNoResult();
    InertiaItems[EntryRho].dV = rho;
}

void TSelvane_Inertia_F::cbCBXDropDown(TObject *)
{
    cbCBX->SetWidth(200);
    showDensityOfCell();
}

// The density list opens on the material the cell holds, or on none, so that Enter keeps the value.
void TSelvane_Inertia_F::showDensityOfCell()
{
    cbCBX->SelectNumber(densityTexts_, CurGrid ? CurGrid->Cells(EditCol, EditRow) : AnsiString());
}

void TSelvane_Inertia_F::cbCBXCloseUp(TObject *)
{
    cbCBX->SetWidth(sgInertia->ColWidths(1));
}

void TSelvane_Inertia_F::cbCalWeightClick(TObject *)
{
    if (cbCalWeight->Checked() != resultWeighed_)
        showNoResult(); // typed and calculated mass give different inertias
    if (cbCalWeight->Checked()) {
        sgWeight->Show();
        sgInertia->SetTop(220);
        sgInertia->SetHeight(160);
    } else {
        sgWeight->Hide();
        sgInertia->SetTop(60);
        sgInertia->SetHeight(320);
    }
    RefreshGrids();
}

void TSelvane_Inertia_F::bbCalWeightClick(TObject *)
{
    edValueExit(edValue);
    const int shape = cbMode->ItemIndex();
    void (*formula)() = massFormula(shape);
    const std::vector<double> held = allValues();
    if (formula && !runFormula(formula, massResults(shape), shape, true)) {
        putBack(held);
        showNoResult();
        return;
    }
    // The inertia shown was computed from the mass before; a typed mass row shows the new one.
    if (allValues() != held)
        showNoResult();
    for (InertiaEntry e : massResults(shape))
        showEntryValue(e, true);
    switch (shape) {
    case 0:
    case 1:
        stMrlt->SetCaption(" m=" + value(EntryM));
        break;
    case 4:
    case 5:
    case 6:
        stMrlt->SetCaption(" m1=" + value(EntryM1) + "\n m2=" + value(EntryM2));
        break;
    default:
        stMrlt->SetCaption("");
        break;
    }
}

void TSelvane_Inertia_F::bbCalClick(TObject *)
{
    edValueExit(edValue);
    const int shape = cbMode->ItemIndex();
    void (*formula)() = nullptr;
    switch (shape) {
    case 0:
        formula = CalcInertiaSolidCylinder;
        break;
    case 1:
        formula = CalcInertiaHollowCylinder;
        break;
    case 2:
        formula = CalcInertiaCone;
        break;
    case 3:
        formula = CalcInertiaTruncatedCone;
        break;
    case 4:
    case 6:
        formula = CalcInertiaGearPair;
        break;
    case 5:
        formula = CalcInertiaWheelPair;
        break;
    default:
        break;
    }
    // With the weight calculated, the inertia is that of the mass of the entries shown.
    void (*mass)() = cbCalWeight->Checked() ? massFormula(shape) : nullptr;
    // A refused calculation neither shows nor hands over a result, nor keeps anything it computed; a
    // shape change or an activation goes on with the grids and the density list.
    const std::vector<double> held = allValues();
    const bool weighed = cbCalWeight->Checked();
    if ((mass && !runFormula(mass, massResults(shape), shape, weighed)) ||
        (formula && !runFormula(formula, inertiaResults(shape), shape, weighed))) {
        putBack(held);
        showNoResult();
        return;
    }
    noResult_ = false;
    resultWeighed_ = cbCalWeight->Checked();
    bbReplace->SetEnabled(true);
    RefreshGrids();
    edValue->Hide();
    if (innerOverOuter(shape))
        ShowMessage(InertiaItems[EntryRI].Name + " !> " + InertiaItems[EntryR0].Name);
}

// Every entry changed since `held` was taken gets its value back, in its cells too.
void TSelvane_Inertia_F::putBack(const std::vector<double> &held)
{
    for (int i = 0; i < InertiaEntryCount; ++i)
        if (InertiaItems[i].dV != held[i]) {
            InertiaItems[i].dV = held[i];
            showEntryValue(i, true);
        }
}

void TSelvane_Inertia_F::showNoResult()
{
    noResult_ = true;
    bbReplace->SetEnabled(false);
    stMrlt->SetCaption("");
    stIrlt->SetCaption("");
}
