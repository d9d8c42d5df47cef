#pragma once

#include "MainWindowFixture.h"
#include "inertia/InertiaTable.h"
#include "inertia/Selvane_Inertia.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include <vector>

// The program's forms on a fresh inertia table, with the inertia dialog at hand as d.
class InertiaDialogTest : public MainWindowTest
{
  protected:
    void SetUp() override
    {
        InitInertiaTable();
        MainWindowTest::SetUp();
        d = Selvane_Inertia_F;
        // Shown, so that the grids have their size and the editors their places.
        d->Show();
    }
    void TearDown() override
    {
        MainWindowTest::TearDown();
        InitInertiaTable();
    }

    // Symbols of the data rows (the spare last row excluded).
    static std::vector<AnsiString> Symbols(const TStringGrid *grid)
    {
        std::vector<AnsiString> symbols;
        for (int r = 1; r < grid->RowCount() - 1; ++r)
            symbols.push_back(grid->Cells(0, r));
        return symbols;
    }
    static int RowOf(const TStringGrid *grid, const AnsiString &symbol)
    {
        for (int r = 1; r < grid->RowCount(); ++r)
            if (grid->Cells(0, r) == symbol)
                return r;
        return -1;
    }

    // One key press and release in the value editor, as the keyboard sends them.
    void Key(int qtKey, const QString &text = {})
    {
        QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier, text);
        QKeyEvent release(QEvent::KeyRelease, qtKey, Qt::NoModifier, text);
        QCoreApplication::sendEvent(d->edValue->LineEdit(), &press);
        QCoreApplication::sendEvent(d->edValue->LineEdit(), &release);
    }
    // Types text into the emptied value editor key by key (digits, letters, "-", "+", ".").
    void Type(const AnsiString &text)
    {
        d->edValue->SetText("");
        for (char c : text) {
            int key = c;
            if (c >= 'a' && c <= 'z')
                key = Qt::Key_A + (c - 'a');
            else if (c == '-')
                key = Qt::Key_Minus;
            else if (c == '.')
                key = Qt::Key_Period;
            Key(key, QString(QChar(c)));
        }
    }
    // Puts text into the editor at once and releases one key (for text no keyboard types).
    void Paste(const AnsiString &text)
    {
        d->edValue->SetText(text);
        Key(Qt::Key_End);
    }
    // Selects the value cell of the row showing symbol in grid.
    void SelectValue(TStringGrid *grid, const AnsiString &symbol)
    {
        const int row = RowOf(grid, symbol);
        ASSERT_GT(row, 0) << symbol;
        grid->UserSelectCell(1, row);
    }

    TSelvane_Inertia_F *d = nullptr;
};
