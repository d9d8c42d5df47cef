#include "ui/Selvane.h"

#include "inertia/Selvane_Inertia.h"
#include "model/Tables.h"
#include "model/Texts.h"
#include "platform/Jpeg.h"
#include "platform/Translations.h"
#include "ui/MechanismPictureAreas.h"
#include "ui/Selvane_ABOUT.h"
#include "ui/Selvane_Actions.h"

#include <QIcon>
#include <QPixmap>

TSelvane_F *Selvane_F = nullptr;
TSelvane_Inertia_F *Selvane_Inertia_F = nullptr;
TSelvane_About_F *Selvane_About_F = nullptr;
TSelvane_Actions_F *Selvane_Actions_F = nullptr;
unsigned char MainFormOpen = 1;

namespace
{

template <class T>
T *Make(TComponent *owner, TWinControl *parent, const char *name, int left, int top, int width, int height)
{
    auto *c = new T(owner);
    c->Name = name;
    c->SetBounds(left, top, width, height);
    if (parent)
        c->SetParent(parent);
    return c;
}

TTabSheet *Sheet(TComponent *owner, TPageControl *pc, const char *name, const AnsiString &caption)
{
    auto *sheet = new TTabSheet(owner);
    sheet->Name = name;
    sheet->SetCaption(caption);
    sheet->SetPageControl(pc);
    return sheet;
}

// Our own small pictures: the style's icon theme is searched for at some cost.
QIcon ToolIcon(const char *name)
{
    return QIcon(QPixmap::fromImage(EmbeddedPng(name)));
}

TToolButton *ToolButton(TComponent *owner, TToolBar *bar, const char *name, const AnsiString &caption,
                        TToolButtonStyle style = tbsButton, int width = 8)
{
    auto *b = new TToolButton(owner, style);
    b->Name = name;
    if (style == tbsSeparator)
        b->SetWidth(width);
    else
        b->SetCaption(caption);
    b->SetHint(caption);
    b->SetParent(bar);
    return b;
}

// The grids' look: header row and fixed columns as the old grid drew them.
TStringGrid *Grid(TComponent *owner, TWinControl *parent, const char *name, int cols, int rows)
{
    auto *g = Make<TStringGrid>(owner, parent, name, 0, 0, 100, 100);
    g->SetColCount(cols);
    g->SetRowCount(rows);
    g->SetDefaultRowHeight(16);
    return g;
}

} // namespace

void LogToDebugMemo(const AnsiString &text)
{
    if (Selvane_F && Selvane_F->Memo2)
        Selvane_F->Memo2->Lines.Add(text);
}

TSelvane_F::TSelvane_F(TComponent *owner) : TForm(owner)
{
    buildLayout();

    const AnsiString dir = ExeDir();
    CaptionIni = new TMemIniFile(dir + "Caption.ini", IniEncoding::ByLanguageKey);
    MessageIni = new TMemIniFile(dir + "Message.ini", IniEncoding::ByLanguageKey);
    SizingIni = new TMemIniFile(dir + "Sizing.ini");

    LanguageIndex = SizingIni->ReadInteger("ALL", "Lag", 0);
    cbLag->SetItemIndex(LanguageIndex);
    UseQtTranslations(LanguageIndex);
    // The mechanism name is otherwise built only when the user picks a page.
    stModeName->SetCaption(GetMsg("Selvane_F", 1, stModeName->Caption()));
    UnitType = 1;

    CellEdit = new TEdit(this);
    CellEdit->Name = "CellEdit";
    CellEdit->SetVisible(false);
    CellEdit->OnKeyUp = [this](TObject *s, unsigned short &key, int shift) { CellEditKeyUp(s, key, shift); };
    CellEdit->OnExit = [this](TObject *s) { CellEditExit(s); };
    CellUnitCombo = new TComboBox(this);
    CellUnitCombo->Name = "CellUnitCombo";
    CellUnitCombo->SetVisible(false);
    CellUnitCombo->PickOnlyInOpenList = true;
    CellUnitCombo->OnChange = [this](TObject *s) { CellUnitChange(s); };

    FillDensityGrid();
    moRlt->Lines.Clear();
    PageControl2->SetActivePageIndex(0);
    cbModel->SetItemIndex(0);
    FillParamGrids(cbModel->ItemIndex());
    for (TTabSheet *sheet :
         {TabSheet2, TabSheet3, TabSheet4, tsPar3x, tsPar2, tsSingleRlt, TabSheet6, TabSheet11})
        sheet->SetTabVisible(false);
    DebugMode = false;
    CurMechanism = 0;
    tbSIClick(nullptr);
    SetWindowState(wsNormal);
    SetWindowState(wsMaximized);
}

TSelvane_F::~TSelvane_F()
{
    // The editors go before the grids they lie on; a grid scrolled while it goes must not reach them.
    for (TStringGrid *g : {sgPar1, sgAll})
        g->OnTopLeftChanged = nullptr;
    if (Selvane_F == this)
        Selvane_F = nullptr;
}

void TSelvane_F::buildLayout()
{
    Name = "Selvane_F";
    SetCaption("選型工具 V1.02.04");
    SetClientSize(928, 728);
    SetAutoScroll();
    OnActivate = [this](TObject *s) { FormActivate(s); };
    OnClose = [this](TObject *s, TCloseAction &a) { FormClose(s, a); };

    ToolBar1 = Make<TToolBar>(this, this, "ToolBar1", 0, 0, 928, 23);
    ToolBar1->SetAlign(alTop);
    tbOpen = ToolButton(this, ToolBar1, "tbOpen", "Open");
    tbOpen->SetIcon(ToolIcon("tool_open.png"));
    tbSave = ToolButton(this, ToolBar1, "tbSave", "Save");
    tbSave->SetIcon(ToolIcon("tool_save.png"));
    tbSaveRlt = ToolButton(this, ToolBar1, "tbSaveRlt", "Save Result");
    tbSaveRlt->SetIcon(ToolIcon("tool_save_result.png"));
    ToolButton4 = ToolButton(this, ToolBar1, "ToolButton4", "", tbsSeparator);
    tbSI = ToolButton(this, ToolBar1, "tbSI", "SI");
    tbMI = ToolButton(this, ToolBar1, "tbMI", "MI");
    ToolButton7 = ToolButton(this, ToolBar1, "ToolButton7", "", tbsSeparator);
    tbAbout = ToolButton(this, ToolBar1, "tbAbout", "About");
    tbAbout->SetIcon(ToolIcon("tool_about.png"));
    ToolButton8 = ToolButton(this, ToolBar1, "ToolButton8", "ToolButton8");
    ToolButton8->SetVisible(false);
    ToolButton9 = ToolButton(this, ToolBar1, "ToolButton9", "ToolButton9");
    ToolButton9->SetVisible(false);
    ToolButton10 = ToolButton(this, ToolBar1, "ToolButton10", "", tbsSeparator, 50);
    cbLag = Make<TComboBox>(this, ToolBar1, "cbLag", 0, 0, 145, 22);
    cbLag->SetStyle(csDropDownList);
    for (const char *item : {"English", "Traditional Chinese", "Simplified Chinese"})
        cbLag->Items.Add(item);
    ToolBar1->Arrange();
    tbOpen->OnClick = [this](TObject *s) { tbOpenClick(s); };
    tbSave->OnClick = [this](TObject *s) { tbSaveClick(s); };
    tbSaveRlt->OnClick = [this](TObject *s) { tbSaveRltClick(s); };
    tbSI->OnClick = [this](TObject *s) { tbSIClick(s); };
    tbMI->OnClick = [this](TObject *s) { tbMIClick(s); };
    tbAbout->OnClick = [this](TObject *s) { tbAboutClick(s); };
    ToolButton8->OnClick = [this](TObject *s) { ToolButton8Click(s); };
    cbLag->OnChange = [this](TObject *s) { cbLagChange(s); };

    // Left column.
    Panel1 = Make<TPanel>(this, this, "Panel1", 0, 23, 372, 705);
    Panel1->SetAlign(alLeft);
    Splitter1 = Make<TSplitter>(this, this, "Splitter1", 372, 23, 6, 705);
    Splitter1->SetAlign(alLeft);
    GroupBox1 = Make<TGroupBox>(this, Panel1, "GroupBox1", 0, 0, 372, 32);
    GroupBox1->SetAlign(alTop);
    stModeName = Make<TStaticText>(this, GroupBox1, "stModeName", 4, 4, 364, 24);
    stModeName->SetAlign(alClient);
    stModeName->SetAlignment(taCenter);
    stModeName->SetBevel(bvLowered);
    stModeName->SetFontBold(true);
    stModeName->SetFontColor(clNavy);
    stModeName->SetCaption("滾珠導螺桿傳動裝置");
    cbModel = Make<TComboBoxEx>(this, GroupBox1, "cbModel", 4, 4, 145, 22);
    cbModel->SetStyle(csDropDownList);
    for (const char *item : {"滾珠導螺桿傳動裝置", "齒條傳動裝置", "滾筒裝置", "分度加工裝置", "自走車",
                             "傳送帶運輸裝置", "電梯傳送裝置"})
        cbModel->Items.Add(item);
    cbModel->SetVisible(false);
    cbModel->OnChange = [this](TObject *s) { cbModelChange(s); };

    pcModPic = Make<TPageControl>(this, Panel1, "pcModPic", 0, 32, 372, 294);
    pcModPic->SetAlign(alTop);
    for (int k = 0; k < 7; ++k) {
        const AnsiString n = IntToStr(k + 1);
        tsModPic[k] = Sheet(this, pcModPic, ("tsModPic" + n).c_str(), n);
        imgMod[k] = Make<TImage>(this, tsModPic[k], ("imgMod" + n).c_str(), 0, 0, 364, 264);
        imgMod[k]->SetPicture([n] { return EmbeddedJpeg(("mechanism" + n + ".jpg").c_str()); });
    }
    for (int i = 0; i < kPictureAreaCount; ++i) {
        const PictureArea &a = kPictureAreas[i];
        auto *area =
            Make<TImage>(this, tsModPic[a.page - 1],
                         ("img" + IntToStr(a.page) + "_Area" + IntToStr(i)).c_str(), a.x, a.y, a.w, a.h);
        area->Tag = a.tag;
        area->SetHint(a.hint);
        const int code = a.tag % 100;
        const bool enabled = code >= 11 && code <= 14;
        area->SetEnabled(enabled);
        if (enabled) {
            area->SetCursor(crHandPoint);
            area->OnClick = [this](TObject *s) { img1_JR_RNClick(s); };
        }
        PictureAreas.push_back(area);
    }
    pcModPic->OnChange = [this](TObject *s) { pcModPicChange(s); };

    stRlt = Make<TStaticText>(this, Panel1, "stRlt", 0, 326, 372, 18);
    stRlt->SetAlign(alTop);
    stRlt->SetAlignment(taCenter);
    stRlt->SetCaption("Graph");
    Panel5 = Make<TPanel>(this, Panel1, "Panel5", 0, 344, 372, 300);
    Panel5->SetAlign(alClient);
    Panel5->SetColor(0xBCD9DE);
    imgFig = Make<TImage>(this, Panel5, "imgFig", 2, 2, 368, 257);

    // Right column.
    Panel2 = Make<TPanel>(this, this, "Panel2", 378, 23, 550, 705);
    Panel2->SetAlign(alClient);
    PageControl2 = Make<TPageControl>(this, Panel2, "PageControl2", 0, 0, 550, 321);
    PageControl2->SetAlign(alTop);
    tsPar1 = Sheet(this, PageControl2, "tsPar1", "使用者輸入參數");
    tsPar2 = Sheet(this, PageControl2, "tsPar2", "非使用者輸入參數");
    tsPar3x = Sheet(this, PageControl2, "tsPar3x", "計算結果");
    tsMotor = Sheet(this, PageControl2, "tsMotor", "馬達規格表");
    tsDensity = Sheet(this, PageControl2, "tsDensity", "密度表");
    TabSheet11 = Sheet(this, PageControl2, "TabSheet11", "摩擦係數表");

    sgPar1 = Grid(this, tsPar1, "sgPar1", 4, 2);
    sgPar1->SetAlign(alClient);
    sgPar1->SetFixedCols(0);
    cbCBX = Make<TComboBox>(this, tsPar1, "cbCBX", 0, 0, 80, 22);
    cbCBX->SetStyle(csDropDownList);
    cbCBX->PickOnlyInOpenList = true;
    cbCBX->SetVisible(false);
    cbCBX->OnDropDown = [this](TObject *s) { cbCBXDropDown(s); };
    cbCBX->OnCloseUp = [this](TObject *s) { cbCBXCloseUp(s); };
    cbCBX->OnChange = [this](TObject *s) { cbCBXChange(s); };
    sgAll = Grid(this, tsPar2, "sgAll", 4, 2);
    sgAll->SetAlign(alClient);
    sgAll->SetFixedCols(0);
    for (TStringGrid *g : {sgPar1, sgAll}) {
        g->OnSelectCell = [this](TObject *s, int c, int r, bool &can) { sgPar1SelectCell(s, c, r, can); };
        g->OnTopLeftChanged = [this](TObject *s) { sgPar1TopLeftChanged(s); };
    }

    sgMotor = Grid(this, tsMotor, "sgMotor", 8, 44);
    sgMotor->SetAlign(alClient);
    sgMotor->SetFixedCols(2);
    sgMotor->SetDefaultColWidth(90);
    sgMotor->SetRowSelect(true);

    // Rows two pixels lower than the other grids' so that all sixteen materials and the button
    // below them fit on the page.
    sgDensity = Grid(this, tsDensity, "sgDensity", 3, 17);
    sgDensity->SetDefaultRowHeight(14);
    sgDensity->SetBounds(0, 0, 400, 17 * 15 + 2);
    sgDensity->SetFixedCols(1);
    sgDensity->SetRowSelect(true);
    sgDensity->SetColWidths(0, 120);
    sgDensity->SetColWidths(1, 140);
    sgDensity->SetColWidths(2, 100);
    sgDensity->OnSelectCell = [this](TObject *s, int c, int r, bool &can) {
        sgDensitySelectCell(s, c, r, can);
    };
    bbReplace = Make<TBitBtn>(this, tsDensity, "bbReplace", 8, 17 * 15 + 6, 90, 25);
    bbReplace->SetCaption("Replace");
    bbReplace->OnClick = [this](TObject *s) { bbReplaceClick(s); };

    Button5 = Make<TButton>(this, TabSheet11, "Button5", 8, 8, 75, 25);
    Button6 = Make<TButton>(this, TabSheet11, "Button6", 88, 8, 75, 25);
    Button7 = Make<TButton>(this, TabSheet11, "Button7", 168, 8, 75, 25);
    Edit2 = Make<TEdit>(this, TabSheet11, "Edit2", 8, 40, 120, 21);
    Edit3 = Make<TEdit>(this, TabSheet11, "Edit3", 136, 40, 120, 21);
    CheckBox1 = Make<TCheckBox>(this, TabSheet11, "CheckBox1", 8, 70, 120, 17);
    CheckBox1->SetCaption("Don't Show");
    for (TControl *c : std::initializer_list<TControl *>{Button5, Button6, Button7, Edit2, Edit3})
        c->SetVisible(false);
    Button7->OnClick = [this](TObject *) { RefreshParamValues(); };

    Splitter2 = Make<TSplitter>(this, Panel2, "Splitter2", 0, 321, 550, 6);
    Splitter2->SetAlign(alTop);
    Splitter2->Widget()->setCursor(Qt::SplitVCursor);
    Panel6 = Make<TPanel>(this, Panel2, "Panel6", 0, 327, 550, 34);
    Panel6->SetAlign(alTop);
    bbCalculate = Make<TBitBtn>(this, Panel6, "bbCalculate", 8, 4, 120, 26);
    bbCalculate->SetCaption("Calculate");
    bbCalculate->OnClick = [this](TObject *s) { bbCalculateClick(s); };
    BitBtn1 = Make<TBitBtn>(this, Panel6, "BitBtn1", 140, 4, 75, 26);
    BitBtn2 = Make<TBitBtn>(this, Panel6, "BitBtn2", 220, 4, 75, 26);
    BitBtn3 = Make<TBitBtn>(this, Panel6, "BitBtn3", 300, 4, 75, 26);
    for (TBitBtn *b : {BitBtn1, BitBtn2, BitBtn3})
        b->SetVisible(false);

    PageControl1 = Make<TPageControl>(this, Panel2, "PageControl1", 0, 361, 550, 330);
    PageControl1->SetAlign(alClient);
    tsCalculation = Sheet(this, PageControl1, "tsCalculation", "Calculate Process");
    moRlt = Make<TMemo>(this, tsCalculation, "moRlt", 0, 0, 100, 100);
    moRlt->SetAlign(alClient);
    moRlt->SetFontFamily("Times New Roman");
    moRlt->Lines.Add("moRlt");
    tsPar3 = Sheet(this, PageControl1, "tsPar3", "Calculate Result");
    sgPar3 = Grid(this, tsPar3, "sgPar3", 4, 2);
    sgPar3->SetAlign(alClient);
    tsMatch = Sheet(this, PageControl1, "tsMatch", "Suggest Matches");
    stClkRlt = Make<TStaticText>(this, tsMatch, "stClkRlt", 0, 0, 500, 20);
    stClkRlt->SetAlign(alTop);
    stClkRlt->SetFontBold(true);
    stClkRlt->SetFontColor(clNavy);
    stClkRlt->SetCaption("Double click to view detail result");
    sgMotorRlt = Grid(this, tsMatch, "sgMotorRlt", 7, 1);
    sgMotorRlt->SetAlign(alClient);
    sgMotorRlt->SetFixedCols(0);
    sgMotorRlt->SetRowSelect(true);
    sgMotorRlt->SetDefaultColWidth(80);
    sgMotorRlt->OnDblClick = [this](TObject *s) { sgMotorRltDblClick(s); };
    sgMotorRlt->OnSelectCell = [this](TObject *s, int c, int r, bool &can) {
        sgMotorRltSelectCell(s, c, r, can);
    };
    tsSingleRlt = Sheet(this, PageControl1, "tsSingleRlt", "Detail Result");
    meSingleRlt = Make<TMemo>(this, tsSingleRlt, "meSingleRlt", 0, 0, 100, 100);
    meSingleRlt->SetAlign(alClient);
    TabSheet2 = Sheet(this, PageControl1, "TabSheet2", "TabSheet2");
    TabSheet3 = Sheet(this, PageControl1, "TabSheet3", "TabSheet3");
    TabSheet4 = Sheet(this, PageControl1, "TabSheet4", "TabSheet4");
    Memo2 = Make<TMemo>(this, TabSheet4, "Memo2", 0, 0, 100, 100);
    Memo2->SetAlign(alClient);
    TabSheet6 = Sheet(this, PageControl1, "TabSheet6", "TabSheet6");
    PageControl1->SetActivePage(tsMatch);

    actDebug = new TAction(this, this, QKeySequence(Qt::CTRL | Qt::Key_D));
    actDebug->Name = "actDebug";
    actDebug->OnExecute = [this](TObject *s) { actDebugExecute(s); };
    OpenDialog1 = new TOpenDialog(this);
    OpenDialog1->Name = "OpenDialog1";
    SaveDialog1 = new TSaveDialog(this);
    SaveDialog1->Name = "SaveDialog1";
    SaveDialog2 = new TSaveDialog(this);
    SaveDialog2->Name = "SaveDialog2";
    for (TOpenDialog *d : std::initializer_list<TOpenDialog *>{OpenDialog1, SaveDialog1}) {
        d->DefaultExt = "siz";
        d->Filter = "*.siz|*.siz|ALL|*.*";
    }
    SaveDialog2->DefaultExt = "txt";
    SaveDialog2->Filter = "*.txt|*.txt|ALL|*.*";
}

void TSelvane_F::FormActivate(TObject *)
{
    const AnsiString chartCaption = stRlt->Caption();
    ApplyCaptions(this);
    // Only the placeholder follows Caption.ini: the total of the last calculation stays.
    if (chartCaption != graphCaption_)
        stRlt->SetCaption(chartCaption);
    else
        graphCaption_ = stRlt->Caption();
    sgMotorRlt->SetHint(GetMsg("Selvane_F", 24, "Double click to look the detail result of this item"));
    for (int id = 0; id < 62; ++id)
        SizeItems[id].Name = GetMsg("Selvane_F", 100 + id, SizeItems[id].Name);
    const AnsiString delta = GetMsg("ABB", 999, "Δ");
    SizeItems[0].Abbr = delta + "S";
    SizeItems[1].Abbr = delta + "P";
    FillParamGrids(cbModel->ItemIndex());
    FillMotorGrid(true);
    FillDensityGrid();
    for (TComponent *c : Components()) {
        if (std::string(c->ClassName()) != "TImage")
            continue;
        auto *image = static_cast<TImage *>(c);
        const AnsiString click = GetMsg("Selvane_F", 94, "Click to calculate");
        switch (image->Tag % 100) {
        case 11:
            image->SetHint(click + " JR");
            break;
        case 12:
            image->SetHint(click + " JS");
            break;
        case 13:
            image->SetHint(click + " JC");
            break;
        case 14:
            image->SetHint(click + " JRO");
            break;
        default:
            break;
        }
    }
}

void TSelvane_F::FormClose(TObject *, TCloseAction &Action)
{
    try {
        SizingIni->WriteInteger("ALL", "Lag", LanguageIndex);
        SizingIni->UpdateFile();
        MainFormOpen = 0;
        Action = caFree;
    } catch (const Exception &) {
        LogToDebugMemo("Selvane Form Close Failed!");
    }
}

void TSelvane_F::cbLagChange(TObject *)
{
    LanguageIndex = cbLag->ItemIndex();
    UseQtTranslations(LanguageIndex);
    FormActivate(nullptr);
    // The mechanism's name would otherwise stay in the old language until another page is picked.
    const int k = cbModel->ItemIndex();
    if (k >= 0 && k < cbModel->Items.Count())
        stModeName->SetCaption(GetMsg("Selvane_F", k + 1, cbModel->Items[k]));
}

void CreateForms()
{
    Selvane_F = new TSelvane_F(nullptr);
    Application->CreateForm(Selvane_F);
    Selvane_Inertia_F = new TSelvane_Inertia_F(nullptr);
    Application->CreateForm(Selvane_Inertia_F);
    Selvane_About_F = new TSelvane_About_F(nullptr);
    Application->CreateForm(Selvane_About_F);
    Selvane_Actions_F = new TSelvane_Actions_F(nullptr);
    Application->CreateForm(Selvane_Actions_F);
}
