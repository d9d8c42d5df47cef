#include "MainWindowFixture.h"

#include "platform/Exceptions.h"

#include <QColor>
#include <QImage>

namespace
{

const QColor Black(0, 0, 0);
const QColor Panel(222, 217, 188); // $BCD9DE
const QColor Plot(219, 232, 221);  // $DDE8DB
const QColor Label(0, 0, 255);

class ChartTest : public MainWindowTest
{
  protected:
    QColor at(int x, int y) const { return w->imgFig->Bitmap()->pixelColor(x, y); }
    // Every pixel of row y from x0 to x1 (both included) is black.
    bool blackRow(int y, int x0, int x1) const
    {
        for (int x = x0; x <= x1; ++x) {
            if (at(x, y) != Black)
                return false;
        }
        return true;
    }
    bool blackColumn(int x, int y0, int y1) const
    {
        for (int y = y0; y <= y1; ++y) {
            if (at(x, y) != Black)
                return false;
        }
        return true;
    }
    int count(const QColor &colour, int x0, int y0, int x1, int y1) const
    {
        int n = 0;
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x)
                n += at(x, y) == colour;
        }
        return n;
    }
};

// The default cycle: tA = tD = 0.257 s, tE = 0.8431 s, tR = 3/70 s, tS = 0.
void drawDefaultCycle(TSelvane_F *w)
{
    w->DrawMotionProfile(0.257, 0.8431, 0.257, 3.0 / 70, 0);
}

} // namespace

TEST_F(ChartTest, OneStrokeTrapezoidHasItsCornersAt94_238_282)
{
    drawDefaultCycle(w);
    const QImage *bitmap = w->imgFig->Bitmap();
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->width(), 368);
    EXPECT_EQ(bitmap->height(), 257);
    EXPECT_EQ(at(5, 5), Panel);
    EXPECT_EQ(at(30, 30), Plot);
    EXPECT_EQ(at(365, 100), Panel); // right of the plot area (it ends before x = 360)

    // Plateau at y = 110 from the end of the ramp up to the start of the ramp down, nothing beyond.
    EXPECT_TRUE(blackRow(110, 94, 238));
    EXPECT_NE(at(93, 110), Black);
    EXPECT_NE(at(239, 110), Black);
    // Ramp down ends on the axis at x = 282: its last drawn pixel is one step before.
    EXPECT_EQ(at(281, 159), Black);
    EXPECT_NE(at(283, 159), Black);
    // Axes: speed axis down x = 50, time axis along y = 160 to x = 349 (the end pixel is left out).
    // The cell of the "NV" label (x from 35, y from 80) covers the speed axis for a line of text.
    EXPECT_TRUE(blackColumn(50, 55, 79));
    EXPECT_TRUE(blackColumn(50, 80 + 16, 159));
    EXPECT_TRUE(blackRow(160, 50, 344));
    // Extension lines stop one pixel short of y = 185; the one at X(tA+tE+tD+tR) = 290 reaches 200.
    EXPECT_TRUE(blackColumn(94, 110, 164));
    EXPECT_NE(at(94, 185), Black);
    EXPECT_TRUE(blackColumn(290, 178, 186));
    // Dimension rows between their arrowheads: tE at 180, tM at 200 and tP at 220.
    EXPECT_TRUE(blackRow(180, 100, 232));
    EXPECT_TRUE(blackRow(200, 56, 284));
    EXPECT_TRUE(blackRow(220, 56, 284));
    EXPECT_EQ(at(290, 220), Black); // the tip of the tP arrowhead
    // No second stroke.
    EXPECT_NE(at(200, 210), Black);
}

TEST_F(ChartTest, LabelsAreBlueOnThePlotColour)
{
    drawDefaultCycle(w);
    // "NV" at (35, 80), "tA" at L(0, tA) = 67 on row 165, "(sec)" at (330, 165).
    EXPECT_GT(count(Label, 35, 80, 50, 92), 5);
    EXPECT_GT(count(Label, 67, 165, 80, 177), 5);
    EXPECT_GT(count(Label, 330, 165, 360, 177), 5);
    // Nothing but black, blue and the two fills: drawn without antialiasing.
    for (int y = 0; y < 257; ++y) {
        for (int x = 0; x < 368; ++x) {
            const QColor c = at(x, y);
            ASSERT_TRUE(c == Black || c == Label || c == Panel || c == Plot) << x << "," << y;
        }
    }
}

TEST_F(ChartTest, LabelsAreEightPointTextAtTheirOwnTopLeft)
{
    drawDefaultCycle(w);
    const TCanvas::TFont &font = w->imgFig->Canvas()->Font;
    EXPECT_EQ(font.Size, 8);
    EXPECT_EQ(font.PixelSize(), 11);
    // "tA" at L(0, tA) = 67 on row 165 and "tP" at L(0, T) = 165 on row 207: the text starts on
    // those rows and nothing blue lies in the rows just above them.
    EXPECT_GT(count(Label, 67, 165, 80, 177), 5);
    EXPECT_EQ(count(Label, 67, 161, 80, 164), 0);
    EXPECT_GT(count(Label, 165, 207, 180, 219), 5);
    EXPECT_EQ(count(Label, 165, 202, 180, 206), 0);
}

TEST_F(ChartTest, ElevatorDrawsTwoStrokesInTheSameWidth)
{
    w->cbModel->SetItemIndex(6);
    drawDefaultCycle(w);
    // First stroke at half the scale: corners 72, 144, 166.
    EXPECT_TRUE(blackRow(110, 72, 144));
    EXPECT_NE(at(71, 110), Black);
    EXPECT_NE(at(145, 110), Black);
    EXPECT_EQ(at(166, 159), Black);
    // Second stroke mirrored below the axis: plateau at y = 210 from X(T + tA) = 192 to 264.
    EXPECT_TRUE(blackRow(210, 192, 264));
    EXPECT_NE(at(191, 210), Black);
    EXPECT_NE(at(265, 210), Black);
    // tP spans both strokes at y = 220, from 50 to X(2T) = 290.
    EXPECT_TRUE(blackRow(220, 56, 284));
    // The second stroke's tE dimension lies above the axis at y = 140, between 192 and 264.
    EXPECT_TRUE(blackRow(140, 198, 258));
    EXPECT_NE(at(198, 180), Black);
}

TEST_F(ChartTest, ZeroCycleRaisesAfterTheAxes)
{
    EXPECT_THROW(w->DrawMotionProfile(0, 0, 0, 0, 0), EZeroDivide);
    EXPECT_EQ(at(30, 30), Plot);
    EXPECT_EQ(at(50, 100), Black);
    EXPECT_NE(at(94, 110), Black);
}

TEST_F(ChartTest, FarOffPointsAreClippedWithoutWaiting)
{
    // A cycle of a microsecond puts the plateau 240 million pixels away.
    w->DrawMotionProfile(1, -0.999999, 0, 0, 0);
    EXPECT_EQ(at(30, 30), Plot);
    w->DrawMotionProfile(-1e-300, 1e-300, 2e-300, 0, 1e-300);
    EXPECT_EQ(at(5, 5), Panel);
}

TEST_F(ChartTest, ClearResultsLeavesTheEmptyPlotAndEmptyResultCells)
{
    drawDefaultCycle(w);
    w->moRlt->Lines.Add("line");
    w->meSingleRlt->Lines.Add("detail");
    w->sgMotorRlt->SetRowCount(3);
    w->sgMotorRlt->SetCells(1, 2, "Vorn-0100-50");
    w->sgMotorRlt->SetCells(0, 0, "header");
    const int resultRows = w->sgPar3->RowCount();
    w->sgPar3->SetCells(0, 1, "X");
    w->sgPar3->SetCells(1, 1, "12");

    w->ClearResults();

    EXPECT_EQ(at(5, 5), Panel);
    EXPECT_EQ(at(94, 110), Plot);
    EXPECT_EQ(at(50, 100), Plot);
    EXPECT_TRUE(w->moRlt->Lines.Items().empty());
    EXPECT_TRUE(w->meSingleRlt->Lines.Items().empty());
    EXPECT_EQ(w->sgMotorRlt->RowCount(), 3);
    EXPECT_EQ(w->sgMotorRlt->Cells(1, 2), "");
    EXPECT_EQ(w->sgMotorRlt->Cells(0, 0), "header");
    EXPECT_EQ(w->sgPar3->RowCount(), resultRows);
    EXPECT_EQ(w->sgPar3->Cells(1, 1), "");
    EXPECT_EQ(w->sgPar3->Cells(0, 1), "X");
}
