#include "platform/Grids.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QHelpEvent>
#include <QImage>
#include <QPaintEngine>
#include <QTableView>
#include <QToolTip>
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace
{

// A paint device that keeps the texts drawn on it and nothing else.
class TextRecorder : public QPaintEngine
{
  public:
    TextRecorder() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawImage(const QRectF &, const QImage &, const QRectF &, Qt::ImageConversionFlags) override {}
    void drawPath(const QPainterPath &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawRects(const QRectF *, int) override {}
    void drawLines(const QLineF *, int) override {}
    void drawTextItem(const QPointF &, const QTextItem &item) override { texts.push_back(item.text()); }
    Type type() const override { return QPaintEngine::User; }
    QStringList texts;
};

class TextDevice : public QPaintDevice
{
  public:
    explicit TextDevice(QSize size) : size_(size) {}
    QPaintEngine *paintEngine() const override { return &engine; }
    mutable TextRecorder engine;

  protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth:
            return size_.width();
        case PdmHeight:
            return size_.height();
        case PdmWidthMM:
            return size_.width() * 254 / 960;
        case PdmHeightMM:
            return size_.height() * 254 / 960;
        case PdmNumColors:
            return INT_MAX;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default:
            return 0;
        }
    }

  private:
    QSize size_;
};

// Texts the grid draws when rendered offscreen, header included.
QStringList DrawnTexts(const TStringGrid &grid)
{
    QTableView *view = grid.View();
    TextDevice device(view->size());
    view->render(&device);
    return device.engine.texts;
}

class GridPaintTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        grid.SetColCount(2);
        grid.SetRowCount(2);
        grid.SetFixedCols(0);
        grid.SetDefaultRowHeight(16);
        grid.SetCells(0, 0, "Value");
        grid.View()->resize(300, 100);
        grid.View()->show();
        QApplication::processEvents();
    }
    // The text drawn for cell (0, 1) at that column width.
    QString Drawn(const AnsiString &text, int width)
    {
        grid.SetColWidths(0, width);
        grid.SetCells(0, 1, text);
        grid.SetCells(1, 1, "other");
        const QStringList texts = DrawnTexts(grid);
        EXPECT_TRUE(texts.contains("other")) << texts.join('|').toStdString();
        for (const QString &t : texts)
            if (t != "Value" && t != "other")
                return t;
        return {};
    }
    TStringGrid grid{nullptr};
};

TEST_F(GridPaintTest, NumberTooWideKeepsItsExponentAndMagnitude)
{
    const struct {
        AnsiString text;
        int width;
        QString mustEnd;
    } cases[] = {
        {"6.33257397764611E-6", 80, "E-6"},  {"6.33257397764611E-6", 50, "E-6"},
        {"-1.23456789012345E15", 80, "E15"}, {"-0.0428571428571429", 60, ""},
        {"12345.6789012345", 50, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text + " in " + std::to_string(c.width));
        const QString drawn = Drawn(c.text, c.width);
        EXPECT_EQ(grid.Cells(0, 1), c.text);
        EXPECT_TRUE(drawn.endsWith(c.mustEnd)) << drawn.toStdString();
        EXPECT_FALSE(drawn.contains(QChar(0x2026))) << drawn.toStdString();
        EXPECT_LT(drawn.size(), static_cast<int>(c.text.size()));
        EXPECT_LE(grid.View()->fontMetrics().horizontalAdvance(drawn), c.width - 3);
        // Only digits were dropped: the value drawn is within a few per cent of the cell's.
        const double cell = std::stod(c.text), shown = drawn.toDouble();
        EXPECT_NEAR(shown, cell, std::fabs(cell) * 0.05) << drawn.toStdString();
    }
}

TEST_F(GridPaintTest, TextThatFitsIsDrawnAsItIsAndOtherTextIsCut)
{
    EXPECT_EQ(Drawn("6.33257397764611E-6", 200), "6.33257397764611E-6");
    EXPECT_EQ(Drawn("12.5", 40), "12.5");
    const QString cut = Drawn("Travel per motor revolution", 60);
    EXPECT_TRUE(cut.endsWith(QChar(0x2026))) << cut.toStdString();
    EXPECT_TRUE(QString("Travel per motor revolution").startsWith(cut.chopped(1))) << cut.toStdString();
}

TEST_F(GridPaintTest, ClippedCellShowsItsWholeTextAsTooltip)
{
    QTableView *view = grid.View();
    grid.SetColWidths(0, 80);
    grid.SetColWidths(1, 80);
    grid.SetCells(0, 1, "6.33257397764611E-6");
    grid.SetCells(1, 1, "12.5");
    auto tipAt = [&](int col) {
        // A tooltip goes a moment after it is hidden.
        QToolTip::hideText();
        QElapsedTimer waited;
        waited.start();
        while (QToolTip::isVisible() && waited.elapsed() < 3000)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        const QPoint at = view->visualRect(view->model()->index(0, col)).center();
        QHelpEvent help(QEvent::ToolTip, at, view->viewport()->mapToGlobal(at));
        QApplication::sendEvent(view->viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(tipAt(0), "6.33257397764611E-6");
    EXPECT_EQ(tipAt(1), "");
    QToolTip::hideText();
}

// A grid filled before anything shows it or asks for its view (as on a page not yet opened) draws
// the same as one filled in sight: first shown, or first asked for its view.
TEST(GridFilledUnseen, ShowsItsCellsAndWidthsWhenFirstReached)
{
    for (const bool shownFirst : {true, false}) {
        SCOPED_TRACE(shownFirst ? "shown first" : "view asked for first");
        TStringGrid grid{nullptr};
        grid.SetColCount(3);
        grid.SetRowCount(3);
        grid.SetFixedCols(0);
        grid.SetDefaultRowHeight(16);
        const int widths[] = {40, 75, 120};
        for (int c = 0; c < 3; ++c) {
            grid.SetColWidths(c, widths[c]);
            grid.SetCells(c, 0, "H" + std::to_string(c));
            grid.SetCells(c, 2, "v" + std::to_string(c));
        }
        EXPECT_EQ(grid.ColWidths(1), 75);
        grid.Widget()->resize(300, 100);
        if (shownFirst) {
            grid.Widget()->show();
            QApplication::processEvents();
        }
        QTableView *view = grid.View();
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(view->horizontalHeader()->sectionSize(c), widths[c] + 1) << c;
            EXPECT_EQ(grid.ColWidths(c), widths[c]) << c;
        }
        EXPECT_EQ(view->model()->rowCount(), 2);
        const QStringList texts = DrawnTexts(grid);
        for (const char *t : {"H0", "H1", "H2", "v0", "v1", "v2"})
            EXPECT_TRUE(texts.contains(t)) << t << ": " << texts.join('|').toStdString();
    }
}

} // namespace
