#include "platform/Grids.h"

#include "platform/StdCtrls.h"
#include "platform/SysUtils.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QToolTip>

class GridModel : public QAbstractTableModel
{
  public:
    explicit GridModel(TStringGrid *grid) : grid_(grid) {}
    int headerRows() const { return grid_->fixedRows_ >= 1 && grid_->rows_ > 1 ? 1 : 0; }
    int rowCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : grid_->rows_ - headerRows();
    }
    int columnCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : grid_->cols_; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        const int row = index.row() + headerRows();
        if (role == Qt::DisplayRole)
            return QString::fromStdString(grid_->Cells(index.column(), row));
        if (role == Qt::BackgroundRole && (index.column() < grid_->fixedCols_ || row < grid_->fixedRows_))
            return QApplication::palette().color(QPalette::Button);
        return {};
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override
    {
        if (o == Qt::Horizontal && role == Qt::DisplayRole && headerRows())
            return QString::fromStdString(grid_->Cells(section, 0));
        return {};
    }
    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        if (index.column() < grid_->fixedCols_)
            return Qt::ItemIsEnabled;
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    }
    void reset()
    {
        beginResetModel();
        endResetModel();
    }
    void cellChanged(int col, int row)
    {
        if (row < headerRows())
            emit headerDataChanged(Qt::Horizontal, col, col);
        else
            emit dataChanged(index(row - headerRows(), col), index(row - headerRows(), col));
    }

  private:
    TStringGrid *grid_;
};

namespace
{

// Text drawn in a box of the given width: the whole text when it fits; for a number the first of its
// shorter forms that fits, so that a clipped number never loses its exponent or its magnitude; else
// the text cut off with "...".
QString FittedCellText(const QString &text, const QFontMetrics &metrics, int width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    for (const AnsiString &form : ShorterNumberForms(text.toStdString())) {
        const QString shorter = QString::fromStdString(form);
        if (metrics.horizontalAdvance(shorter) <= width)
            return shorter;
    }
    return metrics.elidedText(text, Qt::ElideRight, width);
}

} // namespace

// Cell text as the old grid drew it, two pixels in from the cell's left edge, so that the column
// widths of the layouts hold the texts they were made for. A cell whose text does not fit shows
// all of it as a tooltip.
class GridDelegate : public QStyledItemDelegate
{
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    static QRect TextBox(const QStyleOptionViewItem &opt) { return opt.rect.adjusted(2, 0, -1, 0); }
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override
    {
        if (event->type() != QEvent::ToolTip || !index.isValid())
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QRect box = TextBox(opt);
        if (opt.fontMetrics.horizontalAdvance(opt.text) > box.width())
            QToolTip::showText(event->globalPos(), opt.text, view->viewport(), opt.rect);
        else
            QToolTip::hideText();
        return true;
    }
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        QStyle *style = opt.widget ? opt.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
        const QRect box = TextBox(opt);
        const QPalette::ColorGroup group = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
                                           : opt.state & QStyle::State_Active   ? QPalette::Active
                                                                                : QPalette::Inactive;
        painter->save();
        painter->setFont(opt.font);
        painter->setPen(opt.palette.color(
            group, opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(box, Qt::AlignLeft | Qt::AlignVCenter,
                          FittedCellText(text, opt.fontMetrics, box.width()));
        painter->restore();
    }
};

class GridView : public QTableView
{
  public:
    TStringGrid *grid = nullptr;
    GridModel *gridModel = nullptr;

  protected:
    // Asks OnSelectCell; true when the cell may be selected.
    bool askSelect(const QModelIndex &idx)
    {
        if (!idx.isValid() || idx.column() < grid->fixedCols_)
            return false;
        const int col = idx.column(), row = idx.row() + gridModel->headerRows();
        bool can = true;
        FireEvent(grid->OnSelectCell, grid, col, row, can);
        if (can) {
            grid->col_ = col;
            grid->row_ = row;
        }
        return can;
    }
    void mousePressEvent(QMouseEvent *e) override
    {
        const QModelIndex idx = indexAt(e->position().toPoint());
        if (!askSelect(idx))
            return;
        QWidget *focusAfterHandler = QApplication::focusWidget();
        QTableView::mousePressEvent(e);
        // The old grid scrolled a clicked cell that was cut off at an edge fully into view.
        scrollTo(idx);
        if (focusAfterHandler && focusAfterHandler != this && focusAfterHandler != viewport() &&
            QApplication::focusWidget() != focusAfterHandler)
            focusAfterHandler->setFocus(Qt::OtherFocusReason);
    }
    void mouseMoveEvent(QMouseEvent *) override {}
    void mouseDoubleClickEvent(QMouseEvent *) override { FireEvent(grid->OnDblClick, grid); }
    void showEvent(QShowEvent *e) override
    {
        if (grid)
            grid->attachModel();
        QTableView::showEvent(e);
    }
    // Per-item scrolling aligns the last row with the bottom once scrolled to the end, leaving a cut
    // row at the top; the old grid always starts with the whole TopRow, so cells stay where
    // TopRow and the row height place them.
    void scrollContentsBy(int dx, int dy) override
    {
        QTableView::scrollContentsBy(dx, dy);
        alignTopRow();
    }
    void updateGeometries() override
    {
        QTableView::updateGeometries();
        alignTopRow();
    }
    void alignTopRow()
    {
        QHeaderView *rows = verticalHeader();
        const int top = verticalScrollBar()->value();
        if (top < 0 || top >= rows->count())
            return;
        const int offset = rows->sectionPosition(rows->logicalIndex(top));
        if (rows->offset() != offset) {
            rows->setOffset(offset);
            viewport()->update();
        }
    }
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override
    {
        const QModelIndex idx = QTableView::moveCursor(action, modifiers);
        if (idx == currentIndex() || askSelect(idx))
            return idx;
        return currentIndex();
    }
};

// Holds the grid's table view, which is made when the grid is first shown or its view is asked for:
// a view with its headers takes a good deal of setting up, which grids on pages never opened skip.
class GridHost : public QWidget
{
  public:
    TStringGrid *grid = nullptr;

  protected:
    void showEvent(QShowEvent *e) override
    {
        if (grid)
            grid->makeView();
        QWidget::showEvent(e);
    }
    void resizeEvent(QResizeEvent *e) override
    {
        if (grid && grid->view_)
            grid->view_->setGeometry(rect());
        QWidget::resizeEvent(e);
    }
    void focusInEvent(QFocusEvent *e) override
    {
        // Focus given before the view was made goes on to it.
        if (grid) {
            grid->makeView();
            grid->view_->setFocus(e->reason());
        }
    }
};

TStringGrid::TStringGrid(TComponent *owner) : TWinControl(owner, new GridHost())
{
    static_cast<GridHost *>(widget_.data())->grid = this;
    cells_.assign(static_cast<size_t>(cols_), std::vector<AnsiString>(static_cast<size_t>(rows_)));
    colWidths_.assign(static_cast<size_t>(cols_), defaultColWidth_);
    model_ = new GridModel(this);
}

TStringGrid::~TStringGrid()
{
    if (auto *host = static_cast<GridHost *>(widget_.data()))
        host->grid = nullptr;
    if (GridView *view = view_) {
        view->grid = nullptr;
        if (modelAttached_)
            view->setModel(nullptr);
    }
    delete model_;
}

void TStringGrid::makeView()
{
    QWidget *host = widget_.data();
    if (view_ || !host)
        return;
    auto *view = new GridView();
    view_ = view;
    view->grid = this;
    view->gridModel = model_;
    // The model is handed to the view when the grid is first shown or its view is asked for.
    view->setItemDelegate(new GridDelegate(view));
    for (QScrollBar *bar : {view->verticalScrollBar(), view->horizontalScrollBar()})
        QObject::connect(bar, &QScrollBar::valueChanged, view, [view] {
            if (view->grid)
                FireEvent(view->grid->OnTopLeftChanged, view->grid);
        });
    view->setFrameShape(QFrame::NoFrame);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setSectionsClickable(false);
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the grid, as in the old one. With Qt's tab navigation the grid would also step to the
    // next cell whenever a focused editor lying on it is hidden, selecting a cell nobody clicked.
    view->setTabKeyNavigation(false);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setSelectionBehavior(rowSelect_ ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->setWordWrap(false);
    applySizes();
    view->setParent(host);
    view->setGeometry(host->rect());
    // The view takes the grid's place in the tab order, as if it had been there from the start.
    host->setFocusPolicy(Qt::StrongFocus);
    QWidget::setTabOrder(host, view);
    host->setFocusPolicy(Qt::NoFocus);
    host->setFocusProxy(view);
    view->show();
}

QTableView *TStringGrid::View() const
{
    auto *self = const_cast<TStringGrid *>(this);
    self->makeView();
    self->attachModel();
    return view_;
}

void TStringGrid::attachModel()
{
    if (modelAttached_ || !view_)
        return;
    modelAttached_ = true;
    view_->setModel(model_);
    applySizes();
}

AnsiString TStringGrid::Cells(int col, int row) const
{
    if (col < 0 || row < 0 || col >= cols_ || row >= rows_)
        return {};
    return cells_[static_cast<size_t>(col)][static_cast<size_t>(row)];
}

void TStringGrid::SetCells(int col, int row, const AnsiString &text)
{
    if (col < 0 || row < 0)
        return;
    // Like the old grid, cells outside the current size keep their text for a later enlargement.
    if (col >= static_cast<int>(cells_.size()))
        cells_.resize(static_cast<size_t>(col) + 1);
    auto &column = cells_[static_cast<size_t>(col)];
    if (row >= static_cast<int>(column.size()))
        column.resize(static_cast<size_t>(row) + 1);
    if (column[static_cast<size_t>(row)] == text)
        return;
    column[static_cast<size_t>(row)] = text;
    if (col < cols_ && row < rows_)
        model_->cellChanged(col, row);
}

void TStringGrid::layoutChanged()
{
    if (static_cast<int>(cells_.size()) < cols_)
        cells_.resize(static_cast<size_t>(cols_));
    for (auto &column : cells_)
        if (static_cast<int>(column.size()) < rows_)
            column.resize(static_cast<size_t>(rows_));
    if (static_cast<int>(colWidths_.size()) < cols_)
        colWidths_.resize(static_cast<size_t>(cols_), defaultColWidth_);
    model_->reset();
    applySizes();
}

void TStringGrid::applySizes()
{
    QTableView *view = view_;
    if (!view)
        return;
    const int step = defaultRowHeight_ + GridLineWidth();
    view->verticalHeader()->setDefaultSectionSize(step);
    view->verticalHeader()->setMinimumSectionSize(1);
    view->horizontalHeader()->setMinimumSectionSize(1);
    view->horizontalHeader()->setFixedHeight(step);
    view->horizontalHeader()->setVisible(model_->headerRows() > 0);
    for (int c = 0; c < cols_; ++c)
        view->horizontalHeader()->resizeSection(c, colWidths_[static_cast<size_t>(c)] + GridLineWidth());
}

void TStringGrid::SetColCount(int n)
{
    n = std::max(1, n);
    if (n == cols_)
        return;
    cols_ = n;
    if (fixedCols_ >= cols_)
        fixedCols_ = cols_ - 1;
    layoutChanged();
}

void TStringGrid::SetRowCount(int n)
{
    n = std::max(1, n);
    if (n == rows_)
        return;
    rows_ = n;
    if (fixedRows_ >= rows_)
        fixedRows_ = rows_ - 1;
    row_ = std::min(row_, rows_ - 1);
    layoutChanged();
}

void TStringGrid::SetFixedRows(int n)
{
    n = std::max(0, std::min(n, rows_ - 1));
    if (n == fixedRows_)
        return;
    fixedRows_ = n;
    layoutChanged();
}

void TStringGrid::SetFixedCols(int n)
{
    n = std::max(0, std::min(n, cols_ - 1));
    if (n == fixedCols_)
        return;
    fixedCols_ = n;
    layoutChanged();
}

int TStringGrid::ColWidths(int col) const
{
    if (col < 0 || col >= static_cast<int>(colWidths_.size()))
        return defaultColWidth_;
    // A view without the model has no columns yet; they get colWidths_ when it comes.
    if (!modelAttached_)
        return colWidths_[static_cast<size_t>(col)];
    const int shown = View()->horizontalHeader()->sectionSize(col) - GridLineWidth();
    return col < cols_ && shown >= 0 ? shown : colWidths_[static_cast<size_t>(col)];
}

void TStringGrid::SetColWidths(int col, int width)
{
    if (col < 0)
        return;
    if (col >= static_cast<int>(colWidths_.size()))
        colWidths_.resize(static_cast<size_t>(col) + 1, defaultColWidth_);
    colWidths_[static_cast<size_t>(col)] = width;
    if (col < cols_ && modelAttached_)
        View()->horizontalHeader()->resizeSection(col, width + GridLineWidth());
}

void TStringGrid::SetDefaultColWidth(int w)
{
    defaultColWidth_ = w;
    std::fill(colWidths_.begin(), colWidths_.end(), w);
    applySizes();
}

void TStringGrid::SetDefaultRowHeight(int h)
{
    defaultRowHeight_ = h;
    applySizes();
}

int TStringGrid::TopRow() const
{
    return View()->verticalScrollBar()->value() + model_->headerRows();
}

void TStringGrid::SetTopRow(int row)
{
    View()->verticalScrollBar()->setValue(row - model_->headerRows());
}

int TStringGrid::VisibleRowCount() const
{
    const int step = defaultRowHeight_ + GridLineWidth();
    const int rows = View()->viewport()->height() / step;
    return std::max(0, std::min(rows, rows_ - fixedRows_ - (TopRow() - fixedRows_)));
}

void TStringGrid::SetRowSelect(bool whole)
{
    rowSelect_ = whole;
    if (view_)
        view_->setSelectionBehavior(whole ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
}

bool TStringGrid::UserSelectCell(int col, int row)
{
    bool can = true;
    FireEvent(OnSelectCell, this, col, row, can);
    if (!can)
        return false;
    col_ = col;
    row_ = row;
    const int body = row - model_->headerRows();
    if (body >= 0 && col >= 0 && col < cols_)
        View()->setCurrentIndex(model_->index(body, col));
    return true;
}

void TStringGrid::UserDblClick()
{
    FireEvent(OnDblClick, this);
}

bool UndoFailedCellEdit(TEdit *editor, TStringGrid *grid, int col, int row, double &value, double start)
{
    const AnsiString text = editor->Text();
    double typed = 0;
    if (TryStrToFloat(text, typed))
        return false;
    // Put back before the message shows: its box takes the focus and so leaves the editor again.
    value = start;
    const AnsiString stored = FloatToStr(start);
    grid->SetCells(col, row, stored);
    editor->SetText(stored);
    editor->LineEdit()->selectAll();
    // The conversion error, as a key release shows it; after the drag when a scroll bar ended the edit.
    if (IsUnfinishedFloat(text))
        WhenMouseUp(editor->Widget(), [text] { CallHandler([&] { StrToFloat(Trim(text)); }); });
    return true;
}

namespace
{

// Length of the shortest start of text that can no longer become a number; text itself must be one
// such. Once spoilt, a text stays spoilt however it goes on, so the start is found by halving.
int spoiltLength(const QString &text)
{
    auto spoilt = [&](int n) {
        const AnsiString start = text.left(n).toStdString();
        double v = 0;
        return !IsUnfinishedFloat(start) && !TryStrToFloat(start, v);
    };
    int good = 0, bad = static_cast<int>(text.size());
    while (bad - good > 1) {
        const int mid = good + (bad - good) / 2;
        (spoilt(mid) ? bad : good) = mid;
    }
    return bad;
}

} // namespace

void CommitTypedNumber(TEdit *editor, double &value)
{
    const AnsiString text = editor->Text();
    double typed = 0;
    if (TryStrToFloat(text, typed)) {
        value = typed;
        editor->ReportedText.clear();
        return;
    }
    if (IsUnfinishedFloat(text) || text == editor->ReportedText)
        return;
    editor->ReportedText = text;
    QLineEdit *line = editor->LineEdit();
    line->setSelection(spoiltLength(line->text()) - 1, 1);
    StrToFloat(Trim(text)); // the conversion error, which the handler's caller shows
}
