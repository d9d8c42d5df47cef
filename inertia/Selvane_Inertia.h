#pragma once

#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/Grids.h"
#include "platform/StdCtrls.h"

#include <set>
#include <vector>

// The inertia calculator dialog: a shape, its dimensions and mass or density in one or two grids,
// and the inertia handed back through InertiaItems[EntryI] when it closes with modal result 1.
class TSelvane_Inertia_F : public TForm
{
  public:
    explicit TSelvane_Inertia_F(TComponent *owner);

    TComboBox *cbMode = nullptr;
    TCheckBox *cbCalWeight = nullptr;
    TStringGrid *sgWeight = nullptr;
    TBitBtn *bbCalWeight = nullptr;
    TStaticText *stMrlt = nullptr;
    TStringGrid *sgInertia = nullptr;
    TImage *Image1 = nullptr;
    TStaticText *stFormula = nullptr;
    TStaticText *stIrlt = nullptr;
    TEdit *edValue = nullptr;
    TComboBox *cbCBX = nullptr;
    TBitBtn *bbCal = nullptr, *bbReplace = nullptr, *bbCancel = nullptr;

    void FormActivate(TObject *Sender);
    void cbModeChange(TObject *Sender);
    void RefreshGrids();
    void sgInertiaSelectCell(TObject *Sender, int ACol, int ARow, bool &CanSelect);
    void edValueKeyUp(TObject *Sender, unsigned short &Key, int Shift);
    void edValueExit(TObject *Sender);
    void cbCBXChange(TObject *Sender);
    void cbCBXDropDown(TObject *Sender);
    void cbCBXCloseUp(TObject *Sender);
    void cbCalWeightClick(TObject *Sender);
    void bbCalWeightClick(TObject *Sender);
    void bbCalClick(TObject *Sender);
    // False after a calculation that gave no result, or after any change since the last one: there
    // is nothing to hand over.
    bool HasResult() const { return !noResult_; }

    // Folder of the shape pictures "Inertia001.jpg" ... "Inertia007.jpg", ending in "/"; empty for
    // the icons folder beside the executable. Tests point it elsewhere.
    static AnsiString PictureFolder;

  private:
    void buildLayout();
    void loadShapePicture(int shape);
    void appendRow(TStringGrid *grid, int entry);
    void placeOverValueCell(TControl *editor, TStringGrid *grid, int row);
    int entryOfRow(const TStringGrid *grid, int row) const;
    void showNoResult();
    void showDensityOfCell();
    void showEntryValue(int entry, bool editedToo);
    void putBack(const std::vector<double> &held);

    TStringGrid *CurGrid = nullptr;
    int EditCol = 0;
    int EditRow = 0;
    // Value of the edited entry when the editor was placed: what a failed edit goes back to.
    double editStart_ = 0;
    // Density texts of the cbCBX items, in item order.
    std::vector<AnsiString> densityTexts_;
    // Shapes whose missing picture was already reported.
    std::set<int> reportedPictures_;
    // The last calculation, or mass calculation, was refused, or an entry changed after it.
    bool noResult_ = false;
    bool resultWeighed_ = false; // the weight mode of the last calculation
};
