#pragma once

#include "MainWindowFixture.h"

#include "model/Tables.h"

#include <QColor>
#include <QImage>

#include <algorithm>
#include <cmath>
#include <vector>

// The 57-hyphen rule of the calculation lines.
inline const AnsiString Rule = "---------------------------------------------------------";

inline bool contains(const std::vector<AnsiString> &lines, const AnsiString &line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// lines begins with expected; names the first line that differs.
inline ::testing::AssertionResult StartsWith(const std::vector<AnsiString> &lines,
                                             const std::vector<AnsiString> &expected)
{
    if (lines.size() < expected.size())
        return ::testing::AssertionFailure()
               << lines.size() << " lines, expected at least " << expected.size();
    for (size_t i = 0; i < expected.size(); ++i) {
        if (lines[i] != expected[i])
            return ::testing::AssertionFailure()
                   << "line " << i << ": \"" << lines[i] << "\", expected \"" << expected[i] << "\"";
    }
    return ::testing::AssertionSuccess();
}

// Equal to about 12 significant digits.
inline bool near(double actual, double expected)
{
    return std::fabs(actual - expected) <= 1e-12 * std::fabs(expected);
}

// The main window on the ball screw with its default inputs; helpers to edit the input grid, press
// Calculate and read the results.
class EngineTest : public MainWindowTest
{
  protected:
    void calculate() { w->bbCalculate->Click(); }
    // Row of symbol in grid (column 0), or -1.
    static int rowOf(TStringGrid *grid, const AnsiString &symbol)
    {
        for (int row = 1; row < grid->RowCount(); ++row) {
            if (grid->Cells(0, row) == symbol)
                return row;
        }
        return -1;
    }
    // Types text into the value cell of symbol in the input grid, as a commit of the editor would.
    void setInput(const AnsiString &symbol, const AnsiString &text)
    {
        const int row = rowOf(w->sgPar1, symbol);
        ASSERT_GT(row, 0) << symbol;
        w->sgPar1->SetCells(1, row, text);
    }
    AnsiString input(const AnsiString &symbol) const { return w->sgPar1->Cells(1, rowOf(w->sgPar1, symbol)); }
    AnsiString result(const AnsiString &symbol) const
    {
        const int row = rowOf(w->sgPar3, symbol);
        return row > 0 ? w->sgPar3->Cells(1, row) : AnsiString("<no row " + symbol + ">");
    }
    std::vector<AnsiString> memo() const { return LinesOf(w->moRlt); }
    // The chart shows a calculation's profile (its speed axis), or the empty plot area.
    bool chartDrawn() const { return chartPixel() == QColor(0, 0, 0); }
    bool chartEmpty() const { return chartPixel() == QColor(219, 232, 221); }
    QColor chartPixel() const
    {
        const QImage *picture = w->imgFig->Bitmap();
        return picture ? picture->pixelColor(50, 100) : QColor();
    }
    // Suggested matches as "drive model power JM Ttyp EC note" rows.
    std::vector<AnsiString> suggestions() const
    {
        std::vector<AnsiString> rows;
        for (int row = 1; row < w->sgMotorRlt->RowCount(); ++row) {
            AnsiString text;
            for (int col = 0; col < 7; ++col)
                text += (col ? " " : "") + w->sgMotorRlt->Cells(col, row);
            rows.push_back(text);
        }
        return rows;
    }
};
