#pragma once

#include "platform/ComCtrls.h"
#include "platform/Dialogs.h"
#include "platform/Exceptions.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/Grids.h"
#include "platform/StdCtrls.h"

#include <cstdio>
#include <optional>
#include <vector>

// The main window: mechanism pictures, parameter grids, the Calculate command and its results.
class TSelvane_F : public TForm
{
  public:
    explicit TSelvane_F(TComponent *owner);
    ~TSelvane_F() override;

    // Tool bar.
    TToolBar *ToolBar1;
    TToolButton *tbOpen, *tbSave, *tbSaveRlt, *ToolButton4, *tbSI, *tbMI, *ToolButton7, *tbAbout,
        *ToolButton8, *ToolButton9, *ToolButton10;
    TComboBox *cbLag;

    // Left column: mechanism name, pictures, chart.
    TPanel *Panel1;
    TSplitter *Splitter1;
    TGroupBox *GroupBox1;
    TStaticText *stModeName;
    TComboBoxEx *cbModel;
    TPageControl *pcModPic;
    TTabSheet *tsModPic[7];
    TImage *imgMod[7];
    std::vector<TImage *> PictureAreas; // the 60 click areas over the drawings
    TStaticText *stRlt;
    TPanel *Panel5;
    TImage *imgFig;

    // Right column: parameter pages, Calculate, result pages.
    TPanel *Panel2;
    TPageControl *PageControl2;
    TTabSheet *tsPar1, *tsPar2, *tsPar3x, *tsMotor, *tsDensity, *TabSheet11;
    TStringGrid *sgPar1, *sgAll, *sgMotor, *sgDensity;
    TComboBox *cbCBX;
    TBitBtn *bbReplace;
    TButton *Button5, *Button6, *Button7;
    TEdit *Edit2, *Edit3;
    TCheckBox *CheckBox1;
    TSplitter *Splitter2;
    TPanel *Panel6;
    TBitBtn *bbCalculate, *BitBtn1, *BitBtn2, *BitBtn3;
    TPageControl *PageControl1;
    TTabSheet *tsCalculation, *tsPar3, *tsMatch, *tsSingleRlt, *TabSheet2, *TabSheet3, *TabSheet4, *TabSheet6;
    TMemo *moRlt, *meSingleRlt, *Memo2;
    TStringGrid *sgPar3, *sgMotorRlt;
    TStaticText *stClkRlt;

    // Non-visual.
    TAction *actDebug;
    TOpenDialog *OpenDialog1;
    TSaveDialog *SaveDialog1, *SaveDialog2;

    // Life cycle.
    void FormActivate(TObject *Sender);
    void FormClose(TObject *Sender, TCloseAction &Action);
    void cbLagChange(TObject *Sender);

    // Parameter grids and in-cell editing.
    void FillParamGrids(int k);
    void RefreshParamValues();
    void RefreshResultValues(); // the value column of sgPar3
    void ConvertToCalcUnits();
    void sgPar1SelectCell(TObject *Sender, int ACol, int ARow, bool &CanSelect);
    void sgPar1TopLeftChanged(TObject *Sender);
    void CellEditKeyUp(TObject *Sender, unsigned short &Key, int Shift);
    void CellEditExit(TObject *Sender);
    void CellUnitChange(TObject *Sender);
    void cbCBXDropDown(TObject *Sender);
    void cbCBXCloseUp(TObject *Sender);
    void cbCBXChange(TObject *Sender);
    void pcModPicChange(TObject *Sender);
    void cbModelChange(TObject *Sender);

    // Catalogue, density and result views; unit system.
    void FillMotorGrid(bool withResults);
    void FillDensityGrid();
    void sgDensitySelectCell(TObject *Sender, int ACol, int ARow, bool &CanSelect);
    void bbReplaceClick(TObject *Sender);
    void sgMotorRltSelectCell(TObject *Sender, int ACol, int ARow, bool &CanSelect);
    void sgMotorRltDblClick(TObject *Sender);
    void tbSIClick(TObject *Sender);
    void tbMIClick(TObject *Sender);

    // Calculation log.
    void LogLine(int code, const AnsiString &text);
    void LogMotorLine(int motor, int code, const AnsiString &text);

    // Calculation engine.
    bool ReadCalcInputs();
    bool CalcMotionTimes(int id);
    bool CheckMotorMaxRPM(int a, int b);
    bool FirstCheckMotor(double TL, double JL);
    bool CalcBallScrew();
    bool CalcRackPinion();
    bool CalcRollFeed();
    bool CalcRotaryTable();
    bool CalcThreeWheelCart();
    bool CalcConveyor();
    bool CalcElevator();
    void bbCalculateClick(TObject *Sender);
    bool InputsRead = false; // the input cells of this Calculate were all numbers
    // Takes a calculation's results out of every view: the result grid, the catalogue's result
    // columns, the suggestions and their total, the chart, the detail view and what Save Result
    // would write. The process memo stays.
    void DropResults();
    AnsiString TotalText(int sets) const; // "Suggest Maches : Total  n Sets"
    // The inputs as a calculation reads them (value and unit cells of sgPar1 and sgAll, with their
    // records) and as the report writes them; equal when nothing a calculation reads has changed,
    // the same value typed again included.
    struct InputRow {
        int id;
        bool cellIsNumber;
        double cell, value;
        AnsiString cellUnit, unit;
        bool operator==(const InputRow &o) const;
    };
    struct InputsShown {
        int mechanism, unitType;
        std::vector<InputRow> rows;
        bool operator==(const InputsShown &o) const;
    };
    InputsShown ReadInputsShown() const;
    std::optional<InputsShown> LastCalcInputs; // of the last successful calculation, if still current

    // Chart.
    void DrawMotionProfile(double tA, double tE, double tD, double tR, double tS);
    void ClearChart(); // the empty plot area
    void ClearResults();

    // Files.
    void tbSaveClick(TObject *Sender);
    void tbOpenClick(TObject *Sender);
    void tbSaveRltClick(TObject *Sender);
    void WriteReportLine(std::FILE *file, const AnsiString &text);

    // Inertia hand-off, debug mode, About.
    void img1_JR_RNClick(TObject *Sender);
    void actDebugExecute(TObject *Sender);
    void tbAboutClick(TObject *Sender);
    void ToolButton8Click(TObject *Sender);

    // Window state.
    int Par1RowItem[63];
    int AllRowItem[63];
    int Par3RowItem[63];
    TEdit *CellEdit;
    TComboBox *CellUnitCombo;
    int EditCol = 0, EditRow = 0;
    int Par1Rows = 0, AllRows = 0, Par3Rows = 0;
    TStringGrid *EditGrid = nullptr;
    // Value of the edited record when the value editor was placed: what a failed edit goes back to.
    double EditStartValue = 0;
    int DensityRow = 0, DensityCol = 0;
    bool GridsReady = false;
    bool DebugMode = false;
    int SelRow = 0, SelCol = 0;
    int MotorRltRow = 0, MotorRltCol = 0;
    int CurMechanism = 0;
    std::vector<AnsiString> ResultLines;
    int PictureTag = 0;
    int UnitType = 1;

  private:
    void buildLayout();
    // The end of an edit in the value editor, shown or not: text that is no number is undone.
    void undoFailedCellEdit();
    // The density list opens on the material whose density the cell holds, or on none (showing the
    // cell's text), so that Enter keeps the value.
    void showDensityOfCell(const AnsiString &cell);
    // The chart's caption as Caption.ini last gave it; a calculation replaces it with its total.
    AnsiString graphCaption_ = "Graph";
};

class TSelvane_Inertia_F;
class TSelvane_About_F;
class TSelvane_Actions_F;

extern TSelvane_F *Selvane_F;
extern TSelvane_Inertia_F *Selvane_Inertia_F;
extern TSelvane_About_F *Selvane_About_F;
extern TSelvane_Actions_F *Selvane_Actions_F;
// 1 from start until the main window closes; the dialogs test it before reading the main window.
extern unsigned char MainFormOpen;

// Creates the four forms in start-up order (used by the entry routine and by tests).
void CreateForms();

// Gives travel per revolution and per pulse, stroke and speed the unit lists of mechanism k: angles on
// the rotary table (3), lengths otherwise. The units shown are left as they are.
void UseTravelUnitsOf(int k);
// Mechanism k is shown after mechanism `was`: the rows it names its own way take those names, the
// rows that `was` named its own way get theirs back.
void UseRowNamesOf(int k, int was);
