#include "GridDriving.h"
#include "MainWindowFixture.h"
#include "TestSupport.h"

#include "model/SizeItem.h"
#include "platform/Jpeg.h"

#include <QComboBox>
#include <QMouseEvent>
#include <QTableView>
#include <QWheelEvent>

#include <functional>
#include <string>
#include <vector>

namespace
{

std::vector<AnsiString> Symbols(const TStringGrid *grid)
{
    std::vector<AnsiString> symbols;
    for (int r = 1; r < grid->RowCount(); ++r)
        symbols.push_back(grid->Cells(0, r));
    return symbols;
}

// Inputs and results of each mechanism, read off the masks of the parameter table by hand.
struct MechanismRows {
    int page;
    const char *name;
    std::vector<AnsiString> inputs;
    std::vector<AnsiString> results;
    int others;
    std::vector<AnsiString> someOthers;
};

const MechanismRows kMechanismRows[] = {
    {0,
     "滾珠導螺桿傳動裝置",
     {"1/RN", "V", "S", "F", "ρ", "μ", "η", "tA", "tD", "tS", "ML", "MT", "PB", "LB", "DB", "JR", "JC", "JS"},
     {"ΔS", "ΔP", "NV", "tE", "tR", "tM", "tP", "JF", "JB", "JL", "TL"},
     33,
     {"1/RM", "FP", "ηm", "JM", "WRN"}},
    {1,
     "齒條傳動裝置",
     {"1/RN", "V", "S", "F", "ρ", "μ", "η", "tA", "tD", "tS", "ML", "MT", "LG", "DG", "JR", "JC", "JS"},
     {"ΔS", "ΔP", "NV", "tE", "tR", "tM", "tP", "JF", "JL", "JG", "TL"},
     34,
     {"1/RM", "PB", "LB", "JB"}},
    {2,
     "滾筒裝置",
     {"1/RN", "V", "S", "F", "FP", "μ", "η", "tA", "tD", "tS", "DR", "DS", "JRO", "JR", "JC", "JS"},
     {"ΔS", "ΔP", "NV", "tE", "tR", "tM", "tP", "JL", "TRO", "TL", "TF"},
     35,
     {"1/RM", "ρ", "ML", "JF"}},
    {3,
     "分度加工裝置",
     {"1/RN", "V",  "S",  "ρ",  "μ",  "η",  "tA", "tD", "tS", "ML",
      "MT",   "LS", "DF", "DT", "DS", "DL", "JR", "JC", "JS", "JLI"},
     {"ΔS", "ΔP", "NV", "tE", "tR", "tM", "tP", "JL", "JSH", "JT", "JML", "TL"},
     30,
     {"F", "FP", "JF"}},
    {4,
     "自走車",
     {"1/RN", "V", "S", "ρ", "μ", "η", "tA", "tD", "tS", "ML", "MC", "MW", "DI", "DO", "DP", "JR", "JC", "JS",
      "WN"},
     {"ΔS", "ΔP", "NV", "tE", "tR", "tM", "tP", "JF", "JL", "JW", "TL"},
     32,
     {"F", "MT", "WRN"}},
    {5,
     "傳送帶運輸裝置",
     {"1/RN", "V", "S", "θ", "μ", "η", "tA", "tD", "tS", "ML", "MB", "DR", "JRO", "JR", "JC", "JS", "WRN"},
     {"ΔS", "ΔP", "NV", "tE", "tR", "tM", "tP", "JF", "JL", "TL", "TF", "TW"},
     33,
     {"ρ", "F", "WN"}},
    {6,
     "電梯傳送裝置",
     {"1/RN", "V", "S", "F", "ρ", "μ", "η", "tA", "tD", "tS", "ML", "MT", "MC", "PB", "LB", "DB", "JR", "JC",
      "JS"},
     {"ΔS", "ΔP", "NV", "tE", "tR", "tM", "tP", "JF", "JB", "JL", "JG", "TF", "TW", "TUP", "TDN"},
     28,
     {"TL", "WN", "JRO"}},
};

// Editor geometry against the cell as the table view draws it, in the grid's coordinates.
QRect CellRect(const TStringGrid *grid, int col, int row)
{
    QTableView *view = grid->View();
    const QRect cell = view->visualRect(view->model()->index(row - 1, col));
    return QRect(view->viewport()->mapTo(view, cell.topLeft()), cell.size());
}

} // namespace

TEST_F(MainWindowTest, EachMechanismListsItsParametersInTheRightGrid)
{
    // Leave the ball screw first, so that page 0 is a real change too; twice round.
    for (int i = 1; i <= 14; ++i) {
        const MechanismRows &m = kMechanismRows[i % 7];
        SCOPED_TRACE(m.name);
        w->pcModPic->UserSelect(m.page);
        EXPECT_EQ(w->cbModel->ItemIndex(), m.page);
        EXPECT_EQ(w->CurMechanism, m.page);
        EXPECT_EQ(w->stModeName->Caption(), m.name);
        EXPECT_EQ(Symbols(w->sgPar1), m.inputs);
        EXPECT_EQ(Symbols(w->sgPar3), m.results);
        EXPECT_EQ(w->Par1Rows, static_cast<int>(m.inputs.size()));
        EXPECT_EQ(w->Par3Rows, static_cast<int>(m.results.size()));
        EXPECT_EQ(w->AllRows, m.others);
        EXPECT_EQ(w->sgAll->RowCount(), m.others + 1);
        for (const AnsiString &symbol : m.someOthers)
            EXPECT_GT(RowOfSymbol(w->sgAll, symbol), 0) << symbol;
        // Rows past the inputs map to no record.
        EXPECT_EQ(w->Par1RowItem[m.inputs.size() + 1], -1);
        for (int r = 1; r <= w->Par1Rows; ++r) {
            const CSIZEITEM &item = SizeItems[w->Par1RowItem[r]];
            EXPECT_EQ(w->sgPar1->Cells(1, r), FloatToStr(item.dV));
            EXPECT_EQ(w->sgPar1->Cells(2, r), item.asNowUnit);
            EXPECT_EQ(w->sgPar1->Cells(3, r), item.Name);
        }
    }
    EXPECT_EQ(w->sgPar1->Cells(1, 0), "Value");
    EXPECT_EQ(w->sgPar3->Cells(3, 0), "Description");
    EXPECT_EQ(w->sgAll->ColWidths(3), 200);
}

TEST_F(MainWindowTest, HiddenMechanismComboTurnsThePicturePage)
{
    // Each page, the first one as start-up shows it and the others when first turned to, shows
    // its mechanism's drawing.
    for (int k : {0, 4, 1, 2, 3, 5, 6}) {
        if (k > 0)
            w->cbModel->UserSelect(k);
        EXPECT_EQ(w->pcModPic->ActivePageIndex(), k);
        EXPECT_EQ(w->CurMechanism, k);
        QApplication::processEvents();
        const QImage drawing = EmbeddedJpeg(("mechanism" + std::to_string(k + 1) + ".jpg").c_str());
        const QWidget *image = w->imgMod[k]->Widget();
        const QRect shown(image->mapTo(w->Widget(), QPoint(0, 0)), image->size());
        const QImage grabbed = Grabbed(w->Widget(), shown);
        EXPECT_TRUE(ShowsPicture(grabbed, QPoint(0, 0), drawing)) << k;
        if (k == 3) { // DF is the diameter of the dashed friction circle: a line right across it
            EXPECT_GT(DarkPixels(grabbed, QRect(130, 69, 140, 3)), 130);
        }
    }
    w->cbModel->UserSelect(4);
    EXPECT_GT(RowOfSymbol(w->sgPar1, "WN"), 0);
}

struct RotaryCase {
    bool imperial;
    const char *travelUnit, *pulseUnit, *strokeUnit, *speedUnit;
};

void PrintTo(const RotaryCase &c, std::ostream *os)
{
    *os << (c.imperial ? "imperial" : "SI");
}

class RotaryRelabelling : public MainWindowTest, public ::testing::WithParamInterface<RotaryCase>
{
};

TEST_P(RotaryRelabelling, AnglesWhileShownAndBuiltInUnitsAfter)
{
    const RotaryCase &c = GetParam();
    SizeItems[5].dV = 123;
    if (c.imperial)
        w->tbMI->Click();
    w->pcModPic->UserSelect(3);
    for (int again = 0; again < 2; ++again) {
        const int s = RowOfSymbol(w->sgPar1, "S"), v = RowOfSymbol(w->sgPar1, "V");
        const int travel = RowOfSymbol(w->sgPar3, "ΔS");
        ASSERT_GT(s, 0);
        ASSERT_GT(v, 0);
        ASSERT_GT(travel, 0);
        EXPECT_EQ(w->sgPar3->Cells(2, travel), "(deg)");
        EXPECT_EQ(w->sgPar3->Cells(2, RowOfSymbol(w->sgPar3, "ΔP")), "(deg/pulse)"); // ΔS / 10000
        EXPECT_EQ(w->sgPar3->Cells(3, travel), "馬達旋轉一圈平台轉動角度");
        EXPECT_EQ(w->sgPar1->Cells(2, s), "(deg)");
        EXPECT_EQ(w->sgPar1->Cells(3, s), "單一行程轉動角度");
        EXPECT_EQ(w->sgPar1->Cells(2, v), "(deg/min)");
        EXPECT_EQ(w->sgPar1->Cells(3, v), "平台轉動速度");
        EXPECT_EQ(w->sgPar1->Cells(3, RowOfSymbol(w->sgPar1, "DS")), "支撐軸直徑");
        EXPECT_EQ(w->sgPar1->Cells(1, s), "123");
        // The other unit system keeps the degrees; the second switch comes back.
        if (w->UnitType == 2)
            w->tbSI->Click();
        else
            w->tbMI->Click();
    }
    w->pcModPic->UserSelect(0);
    const int s = RowOfSymbol(w->sgPar1, "S"), v = RowOfSymbol(w->sgPar1, "V");
    const int travel = RowOfSymbol(w->sgPar3, "ΔS");
    EXPECT_EQ(w->sgPar3->Cells(2, travel), c.travelUnit);
    EXPECT_EQ(w->sgPar3->Cells(3, travel), "馬達旋轉一圈螺桿前進距離");
    EXPECT_EQ(w->sgPar3->Cells(2, RowOfSymbol(w->sgPar3, "ΔP")), c.pulseUnit);
    EXPECT_EQ(w->sgPar1->Cells(2, s), c.strokeUnit);
    EXPECT_EQ(w->sgPar1->Cells(3, s), "單一行程移動距離");
    EXPECT_EQ(w->sgPar1->Cells(2, v), c.speedUnit);
    EXPECT_EQ(w->sgPar1->Cells(3, v), "平台移動速度");
    EXPECT_EQ(SizeItems[5].dV, 123);
    EXPECT_EQ(SizeItems[4].asUnit_SI, "[m/min][m/sec][cm/min][cm/sec]");
    EXPECT_EQ(SizeItems[4].asUnit_MI, "[ft/min]");
    EXPECT_EQ(SizeItems[0].asUnit_SI, "[m/rev]");
    EXPECT_EQ(SizeItems[5].asUnit_MI, "[inch]");
    w->pcModPic->UserSelect(2);
    EXPECT_EQ(w->sgPar1->Cells(3, RowOfSymbol(w->sgPar1, "DS")), "軸承直徑");
}

// The table is left in the system it was entered in (the loop switches there and back).
INSTANTIATE_TEST_SUITE_P(BothUnitSystems, RotaryRelabelling,
                         ::testing::Values(RotaryCase{false, "(m/rev)", "(m/pulse)", "(mm)", "(m/min)"},
                                           RotaryCase{true, "(ft/rev)", "(ft/pulse)", "(inch)", "(ft/min)"}));

TEST_F(MainWindowTest, ValueEditorLiesOverTheValueCell)
{
    QApplication::processEvents();
    const int row = RowOfSymbol(w->sgPar1, "S");
    ASSERT_TRUE(w->sgPar1->UserSelectCell(1, row));
    EXPECT_TRUE(w->CellEdit->Visible());
    EXPECT_EQ(w->CellEdit->Parent(), w->sgPar1);
    EXPECT_EQ(w->CellEdit->Text(), "200");
    EXPECT_EQ(w->CellEdit->LineEdit()->selectedText(), "200");
    EXPECT_EQ(w->CellEdit->Left(), 51);
    EXPECT_EQ(w->CellEdit->Top(), 17 * row);
    EXPECT_EQ(w->CellEdit->Width(), 80);
    const QRect cell = CellRect(w->sgPar1, 1, row);
    EXPECT_EQ(w->CellEdit->Left(), cell.left());
    EXPECT_EQ(w->CellEdit->Top(), cell.top());
    EXPECT_EQ(w->EditGrid, w->sgPar1);
    EXPECT_EQ(w->EditRow, row);
    EXPECT_EQ(w->EditCol, 1);

    // The unit chooser lies on the grid's page, over the unit cell.
    ASSERT_TRUE(w->sgPar1->UserSelectCell(2, row));
    EXPECT_FALSE(w->CellEdit->Visible());
    EXPECT_TRUE(w->CellUnitCombo->Visible());
    EXPECT_EQ(w->CellUnitCombo->Parent(), w->tsPar1);
    const QRect unitCell = CellRect(w->sgPar1, 2, row);
    const QPoint onPage = w->sgPar1->View()->mapTo(w->tsPar1->Widget(), unitCell.topLeft());
    EXPECT_EQ(w->CellUnitCombo->Left(), onPage.x());
    EXPECT_EQ(w->CellUnitCombo->Top(), onPage.y());
    EXPECT_EQ(w->CellUnitCombo->Width(), 102);
    EXPECT_EQ(w->CellUnitCombo->Height(), 20);

    // Symbol and description cells hide every editor.
    for (int col : {0, 3}) {
        ASSERT_TRUE(w->sgPar1->UserSelectCell(1, row));
        ASSERT_TRUE(w->sgPar1->UserSelectCell(col, row));
        EXPECT_FALSE(w->CellEdit->Visible());
        EXPECT_FALSE(w->CellUnitCombo->Visible());
        EXPECT_FALSE(w->cbCBX->Visible());
    }
}

TEST_F(MainWindowTest, TypingCommitsAtEveryKey)
{
    const int row = RowOfSymbol(w->sgPar1, "S");
    ASSERT_TRUE(w->sgPar1->UserSelectCell(1, row));
    const double expected[] = {1, 12, 12, 12.5};
    int key = 0;
    TypeText(w->CellEdit, "12.5", [&](const QString &typed) {
        EXPECT_EQ(w->sgPar1->Cells(1, row), typed.toStdString());
        EXPECT_EQ(SizeItems[5].dV, expected[key++]);
    });
    EXPECT_TRUE(messages.empty());

    // The start of a number ("-", "1.5E", "1.5E-") is no error yet and leaves the value alone.
    const struct {
        QString text;
        std::vector<double> stored; // after each key
    } numbers[] = {{"-5", {12.5, -5}}, {"1.5E-6", {1, 1, 1.5, 1.5, 1.5, 1.5e-6}}};
    for (const auto &n : numbers) {
        ASSERT_TRUE(w->sgPar1->UserSelectCell(1, row));
        size_t i = 0;
        TypeText(w->CellEdit, n.text, [&](const QString &typed) {
            EXPECT_EQ(w->sgPar1->Cells(1, row), typed.toStdString());
            EXPECT_EQ(SizeItems[5].dV, n.stored[i++]) << typed.toStdString();
        });
        EXPECT_TRUE(messages.empty()) << n.text.toStdString();
    }

    // A comma is no decimal point: shown once, then keys that leave the text alone say nothing more,
    // and Backspace takes the comma away.
    messages.clear();
    ASSERT_TRUE(w->sgPar1->UserSelectCell(1, row));
    TypeText(w->CellEdit, "1,");
    for (int k : {Qt::Key_Escape, Qt::Key_Home, Qt::Key_End, Qt::Key_Backspace})
        PressKey(w->CellEdit, k);
    EXPECT_EQ(MessageTexts(), std::vector<AnsiString>{"'1,' is not a valid floating point value."});
    EXPECT_EQ(w->CellEdit->Text(), "1");
    EXPECT_EQ(SizeItems[5].dV, 1);
    TypeText(w->CellEdit, "x"); // a new text that is no number is shown again
    EXPECT_EQ(messages.size(), 2u);
    PressKey(w->CellEdit, Qt::Key_Delete);
    EXPECT_EQ(w->CellEdit->Text(), "1");
    messages.clear();

    // Deleting the whole text changes only the cell.
    w->CellEdit->LineEdit()->selectAll();
    PressKey(w->CellEdit, Qt::Key_Backspace);
    EXPECT_EQ(w->sgPar1->Cells(1, row), "");
    EXPECT_EQ(SizeItems[5].dV, 1);
    EXPECT_TRUE(messages.empty());
}

// Typing "1e-" then leaving the editor, in every way there is to leave it.
TEST_F(MainWindowTest, LeavingAnUnfinishedNumberReportsItOnceAndPutsTheValueBack)
{
    w->PageControl2->SetHeight(250); // low enough to scroll
    w->Widget()->activateWindow();
    QApplication::setActiveWindow(w->Widget());
    QApplication::processEvents();
    const int row = RowOfSymbol(w->sgPar1, "S");
    const struct {
        const char *how;
        std::function<void()> leave;
    } ways[] = {
        {"Enter", [&] { PressKey(w->CellEdit, Qt::Key_Return); }},
        {"Down", [&] { PressKey(w->CellEdit, Qt::Key_Down); }},
        {"Up", [&] { PressKey(w->CellEdit, Qt::Key_Up); }},
        {"another cell", [&] { w->sgPar1->UserSelectCell(1, row + 2); }},
        {"the unit cell", [&] { w->sgPar1->UserSelectCell(2, row); }},
        {"Calculate", [&] { w->bbCalculate->Click(); }},
        {"scrolling",
         [&] {
             w->sgPar1->SetTopRow(row + 1);
             w->sgPar1->SetTopRow(1);
         }},
        {"another control",
         [&] {
             w->cbLag->SetFocus();
             QApplication::processEvents();
         }},
    };
    for (const auto &way : ways) {
        SCOPED_TRACE(way.how);
        ASSERT_TRUE(w->sgPar1->UserSelectCell(1, row));
        ASSERT_TRUE(w->CellEdit->LineEdit()->hasFocus());
        TypeText(w->CellEdit, "1e-");
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(w->sgPar1->Cells(1, row), "1e-");
        EXPECT_EQ(SizeItems[5].dV, 1); // committed at the first key
        way.leave();
        EXPECT_EQ(MessageTexts(), std::vector<AnsiString>{"'1e-' is not a valid floating point value."});
        EXPECT_EQ(SizeItems[5].dV, 200);
        EXPECT_EQ(w->sgPar1->Cells(1, row), "200");
        messages.clear();
    }
    // Left on its own row, the editor shows the value again, ready to be typed over.
    ASSERT_TRUE(w->sgPar1->UserSelectCell(1, row));
    TypeText(w->CellEdit, "-");
    PressKey(w->CellEdit, Qt::Key_Return);
    EXPECT_EQ(w->CellEdit->Text(), "200");
    EXPECT_EQ(w->CellEdit->LineEdit()->selectedText(), "200");
    EXPECT_EQ(MessageTexts(), std::vector<AnsiString>{"'-' is not a valid floating point value."});
    // After Enter has stored 300, a failed edit goes back to 300.
    TypeText(w->CellEdit, "300");
    PressKey(w->CellEdit, Qt::Key_Return);
    PressKey(w->CellEdit, Qt::Key_End);
    TypeText(w->CellEdit, "x");
    PressKey(w->CellEdit, Qt::Key_Return);
    EXPECT_EQ(SizeItems[5].dV, 300);
    EXPECT_EQ(w->sgPar1->Cells(1, row), "300");
}

// Switching what the grids show while "1e-" is in the editor leaves it as well; nothing later writes
// the old text anywhere.
TEST_F(MainWindowTest, SwitchingWhileANumberIsUnfinishedKeepsCellsAndValuesTogether)
{
    const struct {
        const char *what;
        std::function<void()> change;
    } switches[] = {
        {"mechanism", [&] { w->pcModPic->UserSelect(1); }},
        {"unit system", [&] { w->tbMI->Click(); }},
        {"language", [&] { w->cbLag->UserSelect(1); }},
    };
    for (const auto &sw : switches) {
        SCOPED_TRACE(sw.what);
        const int row = RowOfSymbol(w->sgPar1, "S");
        ASSERT_TRUE(w->sgPar1->UserSelectCell(1, row));
        TypeText(w->CellEdit, "1e-");
        sw.change();
        EXPECT_EQ(MessageTexts(), std::vector<AnsiString>{"'1e-' is not a valid floating point value."});
        messages.clear();
        const int now = RowOfSymbol(w->sgPar1, "S");
        ASSERT_GT(now, 0);
        EXPECT_EQ(SizeItems[5].dV, 200);
        EXPECT_EQ(w->sgPar1->Cells(1, now), "200");
        // A key released in the hidden editor afterwards writes nothing.
        PressKey(w->CellEdit, Qt::Key_Return);
        w->bbCalculate->Click();
        messages.clear(); // whatever the calculation says of the case
        EXPECT_EQ(SizeItems[5].dV, 200);
        EXPECT_EQ(w->sgPar1->Cells(1, RowOfSymbol(w->sgPar1, "S")), "200");
    }
}

TEST_F(MainWindowTest, UpAndDownMoveTheEditorAndKeepItInView)
{
    w->pcModPic->UserSelect(3);
    QApplication::processEvents();
    TStringGrid *g = w->sgPar1;
    ASSERT_GT(g->RowCount() - 1, g->VisibleRowCount()) << "the grid must need scrolling";
    ASSERT_TRUE(g->UserSelectCell(1, 1));
    auto editorOverEditedRow = [&] {
        EXPECT_TRUE(w->CellEdit->Visible());
        EXPECT_GE(w->EditRow, g->TopRow());
        EXPECT_LT(w->EditRow, g->TopRow() + g->VisibleRowCount());
        EXPECT_EQ(w->CellEdit->Top(), CellRect(g, 1, w->EditRow).top());
        EXPECT_EQ(w->CellEdit->Text(), g->Cells(1, w->EditRow));
        EXPECT_EQ(g->Row(), w->EditRow);
    };
    const int density = RowOfSymbol(g, "ρ");
    for (int row = 2; row < g->RowCount(); ++row) {
        PressKey(w->CellEdit, Qt::Key_Down);
        if (row == density) {
            // The pick list takes the density row; step past it as a user would.
            EXPECT_EQ(w->EditRow, density);
            EXPECT_TRUE(w->cbCBX->Visible());
            EXPECT_FALSE(w->CellEdit->Visible());
            ASSERT_TRUE(g->UserSelectCell(1, ++row));
        }
        SCOPED_TRACE(row);
        EXPECT_EQ(w->EditRow, row);
        editorOverEditedRow();
    }
    // Down on the last row only commits.
    const int last = g->RowCount() - 1;
    TypeText(w->CellEdit, "4");
    PressKey(w->CellEdit, Qt::Key_Down);
    EXPECT_EQ(w->EditRow, last);
    EXPECT_EQ(SizeItems[w->Par1RowItem[last]].dV, 4);

    for (int row = last - 1; row > density; --row) {
        PressKey(w->CellEdit, Qt::Key_Up);
        SCOPED_TRACE(row);
        EXPECT_EQ(w->EditRow, row);
        editorOverEditedRow();
    }
    // The user scrolls back to the top and clicks the first row.
    g->SetTopRow(1);
    ASSERT_TRUE(g->UserSelectCell(1, 1));
    PressKey(w->CellEdit, Qt::Key_Up);
    EXPECT_EQ(w->EditRow, 1);
    editorOverEditedRow();
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindowTest, EditorsFollowTheGridWhenItScrolls)
{
    w->pcModPic->UserSelect(3);
    // Lowered with the splitter below it, the page shows only part of the rows.
    w->PageControl2->SetHeight(250);
    w->Widget()->activateWindow();
    QApplication::setActiveWindow(w->Widget());
    QApplication::processEvents();
    TStringGrid *g = w->sgPar1;
    ASSERT_GT(g->RowCount() - 1, g->VisibleRowCount() + 4) << "the grid must need scrolling";
    auto onPage = [&](int col, int row) {
        return g->View()->mapTo(w->tsPar1->Widget(), CellRect(g, col, row).topLeft()).y();
    };
    const int row = RowOfSymbol(g, "μ");
    const int density = RowOfSymbol(g, "ρ");
    struct Case {
        int col, row;
        TControl *editor;
        std::function<int()> expectedTop;
    };
    const Case cases[] = {{1, row, w->CellEdit, [&] { return CellRect(g, 1, row).top(); }},
                          {2, row, w->CellUnitCombo, [&] { return onPage(2, row); }},
                          {1, density, w->cbCBX, [&] { return onPage(1, density); }}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.editor->Name);
        g->SetTopRow(1);
        ASSERT_TRUE(g->UserSelectCell(c.col, c.row));
        if (c.editor == w->CellEdit) {
            // Hiding the focused editor must not step the grid to another cell.
            ASSERT_TRUE(w->CellEdit->LineEdit()->hasFocus());
        }
        for (int top : {2, 3, 1}) {
            g->SetTopRow(top);
            EXPECT_TRUE(c.editor->Visible()) << top;
            EXPECT_EQ(c.editor->Top(), c.expectedTop()) << top;
        }
        // Scrolled out of view, the editor goes; the cell stays the one the user chose.
        g->SetTopRow(c.row + 1);
        EXPECT_FALSE(c.editor->Visible());
        EXPECT_EQ(w->EditRow, c.row);
        EXPECT_EQ(w->EditCol, c.col);
        EXPECT_EQ(g->Row(), c.row);
        EXPECT_EQ(g->Col(), c.col);
    }
}

TEST_F(MainWindowTest, ClickOnARowCutOffAtTheBottomBringsItIntoView)
{
    w->pcModPic->UserSelect(3);
    TStringGrid *g = w->sgPar1;
    QTableView *view = g->View();
    const int step = g->DefaultRowHeight() + g->GridLineWidth();
    // A page height that leaves the last row shown cut in half.
    for (int height = 300; height < 300 + step && view->viewport()->height() % step != step / 2; ++height) {
        w->PageControl2->SetHeight(height);
        QApplication::processEvents();
    }
    ASSERT_EQ(view->viewport()->height() % step, step / 2);
    const int cut = g->TopRow() + g->VisibleRowCount();
    ASSERT_LT(cut, g->RowCount());
    const QPoint at(CellRect(g, 1, cut).center().x(), view->viewport()->height() - 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, view->viewport()->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, view->viewport()->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &release);
    EXPECT_EQ(w->EditRow, cut);
    EXPECT_LT(cut, g->TopRow() + g->VisibleRowCount());
    EXPECT_TRUE(w->CellEdit->Visible());
    EXPECT_EQ(w->CellEdit->Top(), CellRect(g, 1, cut).top());
    EXPECT_EQ(w->CellEdit->Text(), g->Cells(1, cut));
}

TEST_F(MainWindowTest, DensityRowTakesThePickListAndItsValue)
{
    const int row = RowOfSymbol(w->sgPar1, "ρ");
    ASSERT_TRUE(w->sgPar1->UserSelectCell(1, row));
    EXPECT_TRUE(w->cbCBX->Visible());
    EXPECT_FALSE(w->CellEdit->Visible());
    EXPECT_EQ(w->cbCBX->Left(), 51);
    EXPECT_EQ(w->cbCBX->Width(), 80);
    EXPECT_EQ(w->cbCBX->Items.Count(), 16);

    // The list opens on the material the cell holds, or on none; only a pick changes ρ.
    QComboBox *list = w->cbCBX->Combo();
    auto key = [&](QWidget *to, int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QKeyEvent press(QEvent::KeyPress, k, m);
        QApplication::sendEvent(to, &press);
    };
    for (const char *held : {"7870", "7850"}) {
        w->sgPar1->SetCells(1, row, held);
        SizeItems[9].dV = StrToFloat(held);
        ASSERT_TRUE(w->sgPar1->UserSelectCell(1, row));
        EXPECT_EQ(w->cbCBX->ItemIndex(), held == AnsiString("7870") ? 11 : -1) << held; // iron
        list->showPopup();
        key(list->view(), Qt::Key_Return);
        list->hidePopup();
        for (int k : {Qt::Key_Down, Qt::Key_End, Qt::Key_O})
            key(list, k);
        key(list, Qt::Key_Up, Qt::AltModifier); // opens the list, as Alt+Down does
        EXPECT_TRUE(list->view()->isVisible());
        key(list->view(), Qt::Key_Up, Qt::AltModifier); // and closes it, picking nothing
        EXPECT_FALSE(list->view()->isVisible());
        EXPECT_EQ(w->sgPar1->Cells(1, row), held);
        EXPECT_EQ(SizeItems[9].dV, StrToFloat(held));
    }

    w->cbCBX->UserSelect(3);
    EXPECT_EQ(w->sgPar1->Cells(1, row), "19300");
    EXPECT_EQ(SizeItems[9].dV, 19300);
    w->Activate();
    EXPECT_EQ(w->sgPar1->Cells(1, row), "19300");

    ASSERT_TRUE(w->sgPar1->UserSelectCell(1, row));
    w->cbCBX->Combo()->showPopup();
    EXPECT_EQ(w->cbCBX->Width(), 200);
    w->cbCBX->Combo()->hidePopup();
    EXPECT_EQ(w->cbCBX->Width(), 80);

    w->tbMI->Click();
    ASSERT_TRUE(w->sgPar1->UserSelectCell(1, row));
    w->cbCBX->UserSelect(0);
    EXPECT_EQ(w->sgPar1->Cells(1, row), "0.817909405814963");
    EXPECT_EQ(SizeItems[9].dV, 0.817909405814963);
}

TEST_F(MainWindowTest, PickListWritesNowhereOnceItsRowIsGone)
{
    const int row = RowOfSymbol(w->sgPar1, "ρ");
    ASSERT_TRUE(w->sgPar1->UserSelectCell(1, row));
    // The roll feed has no density input; the row now holds the pressing force.
    w->pcModPic->UserSelect(2);
    EXPECT_FALSE(w->cbCBX->Visible());
    const AnsiString before = w->sgPar1->Cells(1, row);
    w->cbCBX->UserSelect(0);
    EXPECT_EQ(w->sgPar1->Cells(1, row), before);
    EXPECT_EQ(SizeItems[9].dV, 7870);
    EXPECT_EQ(SizeItems[w->Par1RowItem[row]].dV, 0);
}

TEST_F(MainWindowTest, AllParametersGridEditsDensityInPlace)
{
    w->pcModPic->UserSelect(2);
    const int row = RowOfSymbol(w->sgAll, "ρ");
    ASSERT_TRUE(w->sgAll->UserSelectCell(1, row));
    EXPECT_FALSE(w->cbCBX->Visible());
    EXPECT_TRUE(w->CellEdit->Visible());
    EXPECT_EQ(w->CellEdit->Parent(), w->sgAll);
    TypeText(w->CellEdit, "7870");
    EXPECT_EQ(SizeItems[9].dV, 7870);
    EXPECT_EQ(w->sgAll->Cells(1, row), "7870");

    const int unitRow = RowOfSymbol(w->sgAll, "ML");
    ASSERT_TRUE(w->sgAll->UserSelectCell(2, unitRow));
    EXPECT_EQ(w->CellUnitCombo->Parent(), w->tsPar2);
    w->CellUnitCombo->UserSelect(1);
    EXPECT_EQ(SizeItems[21].asNowUnit, "g");
    EXPECT_EQ(w->sgAll->Cells(2, unitRow), "g");
}

TEST_F(MainWindowTest, UnitPickSetsTheShownUnitOnly)
{
    const int row = RowOfSymbol(w->sgPar1, "V");
    w->Memo2->Lines.Clear();
    ASSERT_TRUE(w->sgPar1->UserSelectCell(2, row));
    EXPECT_EQ(w->CellUnitCombo->Items.Items(),
              (std::vector<AnsiString>{"m/min", "m/sec", "cm/min", "cm/sec"}));
    EXPECT_EQ(w->CellUnitCombo->ItemIndex(), 0);
    EXPECT_EQ(w->sgPar1->Cells(2, row), "(m/min)");
    EXPECT_EQ(w->Memo2->Lines.Items(),
              (std::vector<AnsiString>{"4", "0:m/min", "1:m/sec", "2:cm/min", "3:cm/sec"}));
    w->CellUnitCombo->UserSelect(3);
    EXPECT_EQ(SizeItems[4].asNowUnit, "cm/sec");
    EXPECT_EQ(w->sgPar1->Cells(2, row), "cm/sec");
    EXPECT_EQ(SizeItems[4].dV, 10);

    // Back on the cell, the list opens on the picked unit; Enter and the wheel keep it.
    ASSERT_TRUE(w->sgPar1->UserSelectCell(3, row));
    ASSERT_TRUE(w->sgPar1->UserSelectCell(2, row));
    EXPECT_EQ(w->CellUnitCombo->ItemIndex(), 3);
    QComboBox *list = w->CellUnitCombo->Combo();
    KeysInOpenedList(list, {Qt::Key_Return});
    QWheelEvent notch(QPointF(5, 5), list->mapToGlobal(QPointF(5, 5)), {}, {0, 120}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list, &notch);
    QKeyEvent altUp(QEvent::KeyPress, Qt::Key_Up, Qt::AltModifier);
    QApplication::sendEvent(list, &altUp);
    list->hidePopup();
    EXPECT_EQ(SizeItems[4].asNowUnit, "cm/sec");

    // A quantity without unit offers one empty unit.
    ASSERT_TRUE(w->sgPar1->UserSelectCell(2, RowOfSymbol(w->sgPar1, "1/RN")));
    EXPECT_EQ(w->CellUnitCombo->Items.Items(), std::vector<AnsiString>{""});

    // Switching the unit system forgets the pick.
    w->tbSI->Click();
    EXPECT_EQ(SizeItems[4].asNowUnit, "(m/min)");
    EXPECT_EQ(w->sgPar1->Cells(2, row), "(m/min)");
}

TEST_F(MainWindowTest, RefillHidesEditorsAndStaleCommitsAreIgnored)
{
    const int row = RowOfSymbol(w->sgPar1, "S");
    ASSERT_TRUE(w->sgPar1->UserSelectCell(1, row));
    ASSERT_TRUE(w->sgPar1->UserSelectCell(2, row));
    ASSERT_TRUE(w->sgPar1->UserSelectCell(1, row));
    w->CellUnitCombo->SetVisible(true);
    w->Activate();
    EXPECT_FALSE(w->CellEdit->Visible());
    EXPECT_FALSE(w->CellUnitCombo->Visible());
    EXPECT_FALSE(w->cbCBX->Visible());

    // Whatever the editor state says, a row outside the map reaches no record.
    std::vector<double> before;
    for (const CSIZEITEM &item : SizeItems)
        before.push_back(item.dV);
    w->CellEdit->SetVisible(true);
    w->CellEdit->SetText("99");
    for (int staleRow : {0, w->Par1Rows + 1, 62, 500, -3}) {
        w->EditRow = staleRow;
        unsigned short key = 48;
        w->CellEditKeyUp(w->CellEdit, key, 0);
        w->EditCol = 2;
        w->CellUnitChange(w->CellUnitCombo);
        w->EditCol = 1;
    }
    for (int id = 0; id < 62; ++id)
        EXPECT_EQ(SizeItems[id].dV, before[static_cast<size_t>(id)]) << id;
    EXPECT_EQ(SizeItems[5].asNowUnit, "(mm)");
}

TEST_F(MainWindowTest, ReleaseWithoutPressCommitsNothing)
{
    const int row = RowOfSymbol(w->sgPar1, "S");
    ASSERT_TRUE(w->sgPar1->UserSelectCell(1, row));
    w->CellEdit->LineEdit()->setText("abc");
    // The release of a key pressed elsewhere (closing the error box with Enter) is not acted on.
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(w->CellEdit->LineEdit(), &release);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(w->sgPar1->Cells(1, row), "200");
}

enum class Judged { AtOnce, OnLeaving };

struct BadText {
    const char *name;
    std::string text;
    Judged judged;
};

void PrintTo(const BadText &c, std::ostream *os)
{
    *os << c.name;
}

class ValueEditorBadInput : public MainWindowTest, public ::testing::WithParamInterface<BadText>
{
};

TEST_P(ValueEditorBadInput, ShowsTheConversionErrorOnceAndKeepsTheValue)
{
    const BadText &c = GetParam();
    const int row = RowOfSymbol(w->sgPar1, "S");
    ASSERT_TRUE(w->sgPar1->UserSelectCell(1, row));
    w->CellEdit->LineEdit()->setText(QString::fromStdString(c.text));
    const AnsiString shown = w->CellEdit->Text();
    const std::vector<AnsiString> error = {"'" + Trim(shown) + "' is not a valid floating point value."};
    PressKey(w->CellEdit, Qt::Key_End);
    EXPECT_EQ(w->sgPar1->Cells(1, row), shown);
    EXPECT_EQ(SizeItems[5].dV, 200);
    if (c.judged == Judged::AtOnce)
        EXPECT_EQ(MessageTexts(), error);
    else
        EXPECT_TRUE(messages.empty());
    // Leaving puts the value back; the error has then been shown once.
    PressKey(w->CellEdit, Qt::Key_Return);
    EXPECT_EQ(MessageTexts(), error);
    EXPECT_EQ(w->sgPar1->Cells(1, row), "200");
    EXPECT_EQ(SizeItems[5].dV, 200);
    // The editor stays usable.
    w->CellEdit->LineEdit()->selectAll();
    TypeText(w->CellEdit, "3");
    EXPECT_EQ(SizeItems[5].dV, 3);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ValueEditorBadInput,
    ::testing::Values(
        BadText{"Letters", "abc", Judged::AtOnce}, BadText{"Minus", "-", Judged::OnLeaving},
        BadText{"Plus", "+", Judged::OnLeaving}, BadText{"Point", ".", Judged::OnLeaving},
        BadText{"MinusPoint", "-.", Judged::OnLeaving}, BadText{"BareExponent", "1e", Judged::OnLeaving},
        BadText{"SignedExponent", "2.5E+", Judged::OnLeaving}, BadText{"Overflow", "1e999", Judged::AtOnce},
        BadText{"NaN", "nan", Judged::AtOnce}, BadText{"Infinity", "inf", Judged::AtOnce},
        BadText{"TwoPoints", "1..2", Judged::AtOnce}, BadText{"TwoExponents", "1e5e", Judged::AtOnce},
        BadText{"Comma", "1,5", Judged::AtOnce}, BadText{"BlankInside", " 1 2 ", Judged::AtOnce},
        BadText{"ControlInside",
                "1\x01"
                "2",
                Judged::AtOnce},
        BadText{"OnlyControls", "\x01\x02\t", Judged::OnLeaving}, BadText{"Blanks", "   ", Judged::OnLeaving},
        BadText{"LongDigits", std::string(5000, '9'), Judged::AtOnce},
        BadText{"LongLetters", std::string(100000, 'x'), Judged::AtOnce}),
    [](const ::testing::TestParamInfo<BadText> &p) { return std::string(p.param.name); });

TEST_F(MainWindowTest, PastedNumberWithBlanksAroundIsTaken)
{
    const int row = RowOfSymbol(w->sgPar1, "S");
    ASSERT_TRUE(w->sgPar1->UserSelectCell(1, row));
    w->CellEdit->LineEdit()->setText("  42\t");
    PressKey(w->CellEdit, Qt::Key_End);
    PressKey(w->CellEdit, Qt::Key_Return);
    EXPECT_EQ(SizeItems[5].dV, 42);
    EXPECT_TRUE(messages.empty());
}
