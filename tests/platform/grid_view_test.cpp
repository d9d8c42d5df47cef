#include "platform/Grids.h"

#include "platform/StdCtrls.h"

#include "TestSupport.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableView>
#include <gtest/gtest.h>

// A grid's table view is made when the grid is first shown or asked for; until then the grid
// keeps its cells and sizes, and once made the view sits where the grid stands in the tab order
// and takes the focus given to the grid.

namespace
{

struct Form {
    TPanel panel{nullptr};
    TEdit before{nullptr};
    TStringGrid grid{nullptr};
    TEdit after{nullptr};
    Form()
    {
        panel.SetBounds(0, 0, 300, 200);
        before.SetParent(&panel);
        grid.SetParent(&panel);
        after.SetParent(&panel);
        before.SetBounds(0, 0, 100, 20);
        grid.SetBounds(0, 30, 200, 100);
        after.SetBounds(0, 140, 100, 20);
    }
};

// Presses Tab (or Shift+Tab) in the focused widget.
void PressTab(bool back = false)
{
    QKeyEvent key(QEvent::KeyPress, back ? Qt::Key_Backtab : Qt::Key_Tab,
                  back ? Qt::ShiftModifier : Qt::NoModifier);
    QApplication::sendEvent(QApplication::focusWidget(), &key);
}

} // namespace

TEST(GridView, MadeOnFirstShowOrAskKeepingTabOrderAndFocus)
{
    enum How { Shown, Asked, Focused };
    for (const How how : {Shown, Asked, Focused}) {
        SCOPED_TRACE(how);
        Form f;
        f.grid.SetColCount(3);
        f.grid.SetRowCount(4);
        f.grid.SetCells(1, 2, "12.5");
        f.grid.SetColWidths(2, 40);
        f.grid.SetRowSelect(true);
        EXPECT_EQ(f.grid.Widget()->findChild<QTableView *>(), nullptr);
        EXPECT_EQ(f.grid.ColWidths(2), 40);
        EXPECT_EQ(f.grid.Cells(1, 2), "12.5");

        if (how == Asked) {
            EXPECT_NE(f.grid.View(), nullptr);
        }
        f.panel.Widget()->show();
        QApplication::setActiveWindow(f.panel.Widget());
        if (how == Focused)
            f.grid.SetFocus();
        // On screen: the header row, the cell's text in its place, an empty row below it.
        const int step = f.grid.DefaultRowHeight() + f.grid.GridLineWidth();
        const QRect cell(f.grid.ColWidths(0) + f.grid.GridLineWidth(), 2 * step, f.grid.ColWidths(1),
                         step - 1);
        const QImage screen = Grabbed(f.grid.Widget());
        EXPECT_NE(screen.pixel(cell.left() + 2, 2), screen.pixel(cell.left() + 2, 3 * step + 2));
        EXPECT_GT(DarkPixels(screen, cell.adjusted(2, 2, -2, -2)), 0);
        EXPECT_EQ(DarkPixels(screen, cell.translated(0, step).adjusted(2, 2, -2, -2)), 0);
        QTableView *view = f.grid.Widget()->findChild<QTableView *>();
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->geometry(), QRect(0, 0, 200, 100));
        EXPECT_EQ(view->horizontalHeader()->sectionSize(2), 41);
        EXPECT_EQ(view->selectionBehavior(), QAbstractItemView::SelectRows);
        if (how == Focused) {
            EXPECT_TRUE(f.grid.Focused());
        }

        f.before.SetFocus();
        ASSERT_TRUE(f.before.Focused());
        PressTab();
        EXPECT_EQ(QApplication::focusWidget(), view);
        EXPECT_TRUE(f.grid.Focused());
        PressTab();
        EXPECT_TRUE(f.after.Focused());
        PressTab(true);
        EXPECT_EQ(QApplication::focusWidget(), view);
    }
}
