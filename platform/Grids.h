#pragma once

#include "platform/Controls.h"

#include <QTableView>

class GridHost;
class GridModel;
class GridView;

using TSelectCellEvent = std::function<void(TObject *, int col, int row, bool &canSelect)>;

// A grid of text cells addressed (col, row). Fixed rows stay at the top as the header; fixed columns
// are painted as headers. Sizes follow the old grid: a column of width w and a row of height h take
// w + GridLineWidth and h + GridLineWidth pixels.
class TStringGrid : public TWinControl
{
  public:
    explicit TStringGrid(TComponent *owner);
    ~TStringGrid() override;
    const char *ClassName() const override { return "TStringGrid"; }

    AnsiString Cells(int col, int row) const;
    void SetCells(int col, int row, const AnsiString &text);

    int ColCount() const { return cols_; }
    int RowCount() const { return rows_; }
    void SetColCount(int n);
    void SetRowCount(int n);
    int FixedRows() const { return fixedRows_; }
    int FixedCols() const { return fixedCols_; }
    void SetFixedRows(int n);
    void SetFixedCols(int n);
    int ColWidths(int col) const;
    void SetColWidths(int col, int width);
    int DefaultColWidth() const { return defaultColWidth_; }
    void SetDefaultColWidth(int w);
    int DefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultRowHeight(int h);
    int GridLineWidth() const { return 1; }
    // First scrollable row shown at the top.
    int TopRow() const;
    void SetTopRow(int row);
    // Scrollable rows that fit fully in the view.
    int VisibleRowCount() const;
    int Row() const { return row_; }
    int Col() const { return col_; }
    void SetRowSelect(bool whole);

    // Selects a cell as the user's click would: OnSelectCell decides.
    bool UserSelectCell(int col, int row);
    void UserDblClick();

    TSelectCellEvent OnSelectCell;
    // The grid scrolled: TopRow (or the first column shown) changed.
    TNotifyEvent OnTopLeftChanged;
    QTableView *View() const;

  private:
    friend class GridHost;
    friend class GridModel;
    friend class GridView;
    void layoutChanged();
    void applySizes();
    void makeView();
    void attachModel();

    GridModel *model_;
    QPointer<GridView> view_;
    bool modelAttached_ = false;
    bool rowSelect_ = false;
    int cols_ = 5, rows_ = 5, fixedRows_ = 1, fixedCols_ = 1;
    int defaultColWidth_ = 64, defaultRowHeight_ = 24;
    std::vector<int> colWidths_;
    std::vector<std::vector<AnsiString>> cells_; // [col][row]
    int row_ = 1, col_ = 1;
};

class TEdit;

// Leaving an editor laid over a grid cell with text that is not a number: the value, the cell and
// the editor go back to the value the edit started from, and a number left unfinished gets its
// conversion error now (text that never becomes one was reported as it was typed). False when the
// text is a number and nothing was undone.
bool UndoFailedCellEdit(TEdit *editor, TStringGrid *grid, int col, int row, double &value, double start);
// A key released in such an editor: a number is stored in value; the start of one ("-", "1e") waits.
// Text that cannot become a number raises the conversion error once, with the character that spoils
// it selected so that Backspace or Delete takes it away; keys that leave that text as it is say
// nothing more.
void CommitTypedNumber(TEdit *editor, double &value);
