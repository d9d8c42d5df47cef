#include "MainWindowFixture.h"

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>

TEST_F(MainWindowTest, ToolBarAndDensityPageKeepTheirLayout)
{
    EXPECT_EQ(w->ToolBar1->Height(), 23);
    EXPECT_EQ(w->Panel1->Top(), 23) << "the columns start right under the bar";
    EXPECT_EQ(w->Panel2->Top(), 23);

    TStringGrid *g = w->sgDensity;
    EXPECT_EQ(g->RowCount(), 17);
    EXPECT_EQ(g->ColCount(), 3);
    EXPECT_EQ(g->FixedRows(), 1);
    EXPECT_EQ(g->FixedCols(), 1);

    w->PageControl2->SetActivePage(w->tsDensity);
    QApplication::processEvents();
    const TBitBtn *b = w->bbReplace;
    EXPECT_GE(b->Top(), g->Top() + g->Height()) << "below the grid";
    EXPECT_LT(b->Left(), g->Left() + g->Width()) << "not beside it";
    EXPECT_LE(b->Top() + b->Height(), w->tsDensity->Height()) << "whole on the page";
    EXPECT_EQ(g->VisibleRowCount(), 16) << "every material in view";
}

// The window is laid out for a client area of 928 x 728: smaller, it scrolls to every part.
TEST_F(MainWindowTest, WindowScrollsOnlyWhenSmallerThanItsLayout)
{
    const struct {
        int width, height;
        bool horizontal, vertical;
    } cases[] = {
        {800, 600, true, true},   {1280, 1024, false, false}, {928, 728, false, false},
        {1000, 600, false, true}, {800, 800, true, false},
    };
    QScrollArea *area = w->ScrollArea();
    ASSERT_NE(area, nullptr);
    w->Widget()->showNormal();
    for (const auto &c : cases) {
        w->Widget()->resize(c.width, c.height);
        QApplication::processEvents();
        const QString size = QString("%1x%2").arg(c.width).arg(c.height);
        EXPECT_EQ(area->horizontalScrollBar()->isVisible(), c.horizontal) << size.toStdString();
        EXPECT_EQ(area->verticalScrollBar()->isVisible(), c.vertical) << size.toStdString();
        const QSize view = area->viewport()->size();
        EXPECT_EQ(area->widget()->width(), std::max(928, view.width())) << size.toStdString();
        EXPECT_EQ(area->widget()->height(), std::max(728, view.height())) << size.toStdString();

        // Scrolled to the far end, the bottom-right corner of the lower page control is in view.
        area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
        QWidget *pages = w->PageControl1->Widget();
        const QPoint corner = pages->mapTo(area->viewport(), QPoint(pages->width(), pages->height()));
        EXPECT_EQ(corner, QPoint(view.width(), view.height())) << size.toStdString();
    }
}
