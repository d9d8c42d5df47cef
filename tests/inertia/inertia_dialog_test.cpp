#include "InertiaDialogFixture.h"
#include "TestSupport.h"
#include "model/Texts.h"
#include "ui/GridDriving.h"

#include <QImage>
#include <QMouseEvent>
#include <QTableView>

#include <functional>

namespace
{

using Symbols_t = std::vector<AnsiString>;

TEST_F(InertiaDialogTest, RowsFollowShapeAndWeightMode)
{
    struct Case {
        int shape;
        Symbols_t weight, typed, calculated;
    };
    const Case cases[] = {
        {0, {"L", "ρ", "R0"}, {"m", "R0"}, {"R0"}},
        {1, {"L", "ρ", "R0", "RI"}, {"m", "R0", "RI"}, {"R0", "RI"}},
        {2, {}, {"L", "ρ", "R0"}, {"L", "ρ", "R0"}},
        {3, {}, {"L", "ρ", "R0", "RI"}, {"L", "ρ", "R0", "RI"}},
        {4, {"ρ", "D1", "D2", "W"}, {"D1", "D2", "G1", "G2", "m1", "m2"}, {"G1", "G2", "W"}},
        {5, {"ρ", "D1", "D2", "W"}, {"D1", "D2", "m1", "m2"}, {"W"}},
        {6, {"ρ", "D1", "D2", "W"}, {"D1", "D2", "G1", "G2", "m1", "m2"}, {"G1", "G2", "W"}},
    };
    for (const Case &c : cases) {
        d->cbMode->UserSelect(c.shape);
        d->cbCalWeight->SetChecked(false);
        EXPECT_FALSE(d->sgWeight->Visible()) << c.shape;
        EXPECT_EQ(d->sgInertia->Top(), 60);
        EXPECT_EQ(d->sgInertia->Height(), 320);
        EXPECT_EQ(Symbols(d->sgInertia), c.typed) << c.shape;

        d->cbCalWeight->SetChecked(true);
        EXPECT_TRUE(d->sgWeight->Visible()) << c.shape;
        EXPECT_EQ(d->sgInertia->Top(), 220);
        EXPECT_EQ(d->sgInertia->Height(), 160);
        EXPECT_EQ(Symbols(d->sgWeight), c.weight) << c.shape;
        EXPECT_EQ(Symbols(d->sgInertia), c.calculated) << c.shape;
        for (TStringGrid *g : {d->sgWeight, d->sgInertia})
            for (int col = 0; col < 5; ++col)
                EXPECT_EQ(g->Cells(col, g->RowCount() - 1), "") << c.shape << " spare row, column " << col;
    }
}

TEST_F(InertiaDialogTest, RowShowsValueUnitDescriptionAndLink)
{
    d->bbCal->Click();
    const TStringGrid *g = d->sgInertia;
    const Symbols_t header = {"", "參數值", "單位", "說明", ""};
    const Symbols_t m = {"m", "3", "Kg", "重量", "1, IDX=1"};
    const Symbols_t r0 = {"R0", "6", "m", "外徑", "2, IDX=4"};
    for (int col = 0; col < 5; ++col) {
        EXPECT_EQ(g->Cells(col, 0), header[col]);
        EXPECT_EQ(g->Cells(col, 1), m[col]);
        EXPECT_EQ(g->Cells(col, 2), r0[col]);
    }
    d->cbMode->UserSelect(4);
    EXPECT_EQ(g->Cells(2, RowOf(g, "G2")), ""); // "[]": no unit
    EXPECT_EQ(g->Cells(3, RowOf(g, "G2")), "負載端齒輪齒數");
    EXPECT_EQ(g->Cells(4, RowOf(g, "m2")), "6, IDX=12");
}

TEST_F(InertiaDialogTest, ShapeChangeRecomputesWithTheCurrentValues)
{
    struct Case {
        int shape;
        AnsiString inertia, weight;
        int width, height;
    };
    const Case cases[] = {
        {0, " I=54", " m=3", 340, 200},
        {1, " I=91.5", " m=3", 340, 200},
        {2, " I=6408547.42042843", "", 340, 200},
        {3, " I=22998575.6577258", "", 340, 200},
        {4, " I1=27\n I2=6\n I=51", " m1=6\n m2=3", 250, 280},
        {5, " I1=27\n I2=6\n I=40.5", " m1=6\n m2=3", 250, 280},
        {6, " I1=27\n I2=6\n I=51", " m1=6\n m2=3", 250, 280},
    };
    for (const Case &c : cases) {
        d->cbMode->UserSelect(c.shape);
        EXPECT_EQ(d->stIrlt->Caption(), c.inertia) << c.shape;
        EXPECT_EQ(d->stMrlt->Caption(), c.weight) << c.shape;
        EXPECT_EQ(d->Image1->Width(), c.width) << c.shape;
        EXPECT_EQ(d->Image1->Height(), c.height) << c.shape;
        EXPECT_FALSE(d->Image1->Picture().isNull()) << c.shape;
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(InertiaDialogTest, FormulaTextOfEachShape)
{
    const AnsiString wheels =
        " m1 = π * ρ * D1^2 * W /4 \n m2 = π * ρ * D2^2 * W /4 \n 傳動齒輪慣量 I1 = m1 * "
        "D1^2 / 8 \n 負載齒輪慣量 I2 = m2 * D2^2 / 8 \n 換算至馬達端總慣量";
    const AnsiString formulas[] = {
        " I = m * RO^2 /2 ,  m = π * RO^2 * L * ρ",
        " I = m/2 * (RO^2 + RI^2 ),  m = π * (RO^2 - RI^2) * L * ρ",
        " I = 1/10 * π * ρ * RO^4 * L",
        " I = π * ρ * L/2 * (RI^4 + 2* RI^3 *(RO - RI) + 2 * RI^2 * (RI-RO)^2 + RI *(RO-RI)^3 + "
        "((RO_RI)^4)/5)",
        wheels + "  I = I1 + I2 * (G1/G2)^2",
        wheels + " I  = I1 + I2 * (D1/D2)^2",
        wheels + "  I = I1 + I2 * (G1/G2)^2",
    };
    for (int shape : {6, 5, 4, 3, 2, 1, 0}) {
        d->cbMode->UserSelect(shape);
        EXPECT_EQ(d->stFormula->Caption(), formulas[shape]) << shape;
    }
}

TEST_F(InertiaDialogTest, WeightButtonSetsMassesButNotTheInertia)
{
    d->cbCalWeight->SetChecked(true);
    d->bbCalWeight->Click();
    EXPECT_EQ(d->stMrlt->Caption(), " m=1780152.06123012"); // 6^2 * pi * 2 * 7870 (iron)
    EXPECT_EQ(d->stIrlt->Caption(), "");                    // of the typed mass, which the mode left
    d->bbCal->Click();
    EXPECT_EQ(d->stIrlt->Caption(), " I=32042737.1021422"); // 36 * m / 2

    d->cbMode->UserSelect(2);
    d->bbCalWeight->Click();
    EXPECT_EQ(d->stMrlt->Caption(), "");
    EXPECT_EQ(InertiaItems[EntryM1].dV, 6);

    d->cbMode->UserSelect(4);
    d->bbCalWeight->Click();
    const AnsiString gears = d->stMrlt->Caption();
    EXPECT_EQ(gears, " m1=667557.022961295\n m2=296692.01020502"); // 27 pi and 12 pi times 7870
    d->cbMode->UserSelect(6);
    d->bbCalWeight->Click();
    EXPECT_EQ(d->stMrlt->Caption(), gears);
}

TEST_F(InertiaDialogTest, DensityListIsInKilogramPerCubicMetreAndSetsRho)
{
    w->tbMIClick(nullptr); // the main window shows lb/inch^3 now
    d->Activate();
    ASSERT_EQ(d->cbCBX->Items.Count(), 16);
    EXPECT_EQ(d->cbCBX->Items[0], w->sgDensity->Cells(0, 1) + "22660");
    EXPECT_EQ(d->cbCBX->Items[11], w->sgDensity->Cells(0, 12) + "7870");
    EXPECT_EQ(d->cbCBX->Items[15], w->sgDensity->Cells(0, 16) + "3500");

    d->cbMode->UserSelect(2);
    SelectValue(d->sgInertia, "ρ");
    EXPECT_TRUE(d->cbCBX->Visible());
    EXPECT_FALSE(d->edValue->Visible());
    EXPECT_EQ(d->cbCBX->ItemIndex(), 11); // opens on iron, the density the cell holds
    QKeyEvent altUp(QEvent::KeyPress, Qt::Key_Up, Qt::AltModifier);
    QCoreApplication::sendEvent(d->cbCBX->Combo(), &altUp); // opens the list, picks nothing
    d->cbCBX->Combo()->hidePopup();
    EXPECT_EQ(d->cbCBX->ItemIndex(), 11);
    d->cbCBX->UserSelect(11); // iron
    EXPECT_EQ(InertiaItems[EntryRho].dV, 7870);
    EXPECT_EQ(d->sgInertia->Cells(1, RowOf(d->sgInertia, "ρ")), "7870");
    d->bbCal->Click();
    EXPECT_EQ(InertiaItems[EntryI].dV, 1296 * 3.141592653589793 * 2 * 7870 * 0.1);
}

TEST_F(InertiaDialogTest, DensityChangeWithoutAMaterialReportsAndChangesNothing)
{
    d->Activate();
    d->cbMode->UserSelect(2);
    SelectValue(d->sgInertia, "ρ");
    d->cbCBX->SetItemIndex(-1);
    FireEvent(d->cbCBX->OnChange, d->cbCBX);
    EXPECT_EQ(MessageTexts(), Symbols_t{"'' is not a valid floating point value."});
    EXPECT_EQ(InertiaItems[EntryRho].dV, 7870);
    EXPECT_EQ(d->sgInertia->Cells(1, RowOf(d->sgInertia, "ρ")), "7870");
}

TEST_F(InertiaDialogTest, TypedValueIsStoredAtOnceAndUsedByCalculate)
{
    SelectValue(d->sgInertia, "R0");
    ASSERT_TRUE(d->edValue->Visible());
    EXPECT_FALSE(d->cbCBX->Visible());
    EXPECT_EQ(d->edValue->Text(), "6");
    EXPECT_EQ(d->edValue->Left(), 16 + 50 + 1);
    EXPECT_EQ(d->edValue->Top(), 60 + 17 * 2);
    EXPECT_EQ(d->edValue->Width(), 80);

    Type("0.5");
    EXPECT_EQ(InertiaItems[EntryR0].dV, 0.5);
    EXPECT_EQ(d->stIrlt->Caption(), ""); // of R0 6
    d->bbCal->Click();
    EXPECT_EQ(d->stIrlt->Caption(), " I=0.375");
    EXPECT_FALSE(d->edValue->Visible());
    EXPECT_TRUE(messages.empty());

    // R0 is a row of both grids while the weight is calculated: both show what is typed in either.
    d->cbCalWeight->SetChecked(true);
    SelectValue(d->sgInertia, "R0");
    Type("0.07");
    EXPECT_EQ(d->sgWeight->Cells(1, RowOf(d->sgWeight, "R0")), "0.07");
    SelectValue(d->sgWeight, "R0");
    Type("0.06");
    EXPECT_EQ(d->sgInertia->Cells(1, RowOf(d->sgInertia, "R0")), "0.06");
    // After Enter has stored 0.05, a failed edit goes back to 0.05 in both grids.
    Type("0.05");
    Key(Qt::Key_Return);
    Paste("0.05x");
    Key(Qt::Key_Return);
    EXPECT_EQ(InertiaItems[EntryR0].dV, 0.05);
    for (TStringGrid *g : {d->sgWeight, d->sgInertia})
        EXPECT_EQ(g->Cells(1, RowOf(g, "R0")), "0.05");
}

TEST_F(InertiaDialogTest, TextThatIsNotANumberIsReportedAndKeepsTheValue)
{
    const AnsiString control = "1\x01"
                               "5";
    const AnsiString longText(5000, '9'); // beyond the double range as well
    const Symbols_t bad = {"abc", "1e999", "nan", "1,5", control, longText, "1..2", "1e5e", "..5"};
    SelectValue(d->sgInertia, "R0");
    const int row = RowOf(d->sgInertia, "R0");
    for (const AnsiString &text : bad) {
        messages.clear();
        Paste(text);
        Key(Qt::Key_Home); // leaves the text as it is: no second box
        EXPECT_EQ(MessageTexts(), Symbols_t{"'" + text + "' is not a valid floating point value."})
            << text.substr(0, 20);
        EXPECT_EQ(InertiaItems[EntryR0].dV, 6) << text.substr(0, 20);
        EXPECT_EQ(d->sgInertia->Cells(1, row), text) << text.substr(0, 20);
    }
    // The start of a number is no error yet.
    for (const char *text : {"-", "+", ".", "-.", "1e", "1e-", "2.5E+", " \t "}) {
        messages.clear();
        Paste(text);
        EXPECT_TRUE(messages.empty()) << text;
        EXPECT_EQ(InertiaItems[EntryR0].dV, 6) << text;
        EXPECT_EQ(d->sgInertia->Cells(1, row), text);
    }

    messages.clear();
    Paste("1e200"); // a number, but its inertia is beyond the double range: no result
    d->bbCal->Click();
    EXPECT_EQ(MessageTexts(), Symbols_t{"Floating point overflow."});
    EXPECT_EQ(d->stIrlt->Caption(), "");
    EXPECT_FALSE(d->bbReplace->Enabled());

    messages.clear();
    SelectValue(d->sgInertia, "R0");
    Type("-5"); // the lone sign waits for the digit
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(InertiaItems[EntryR0].dV, -5);
}

TEST_F(InertiaDialogTest, TypingOverAValueReplacesIt)
{
    d->cbMode->UserSelect(1); // m 3, R0 6, RI 5
    const int r0 = RowOf(d->sgInertia, "R0");
    QTableView *view = d->sgInertia->View();
    const struct {
        const char *how;
        std::function<void()> place;
    } ways[] = {{"selected", [&] { d->sgInertia->UserSelectCell(1, r0); }},
                {"clicked",
                 [&] {
                     const QPoint at = view->visualRect(view->model()->index(r0 - 1, 1)).center();
                     QMouseEvent press(QEvent::MouseButtonPress, at, view->viewport()->mapToGlobal(at),
                                       Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
                     QApplication::sendEvent(view->viewport(), &press);
                     QMouseEvent release(QEvent::MouseButtonRelease, at, view->viewport()->mapToGlobal(at),
                                         Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
                     QApplication::sendEvent(view->viewport(), &release);
                 }},
                {"moved up", [&] {
                     SelectValue(d->sgInertia, "RI");
                     Key(Qt::Key_Up);
                 }}};
    for (const auto &way : ways) {
        SCOPED_TRACE(way.how);
        InertiaItems[EntryR0].dV = 6;
        d->RefreshGrids();
        way.place();
        ASSERT_TRUE(d->edValue->Visible());
        ASSERT_EQ(d->edValue->Top(), 60 + 17 * r0); // over R0
        EXPECT_EQ(d->edValue->LineEdit()->selectedText(), "6");
        TypeText(d->edValue, "0.05");
        EXPECT_EQ(InertiaItems[EntryR0].dV, 0.05);
        EXPECT_EQ(d->sgInertia->Cells(1, r0), "0.05");
    }
    d->cbMode->UserSelect(0); // m 3, R0
    SelectValue(d->sgInertia, "R0");
    TypeText(d->edValue, "0.05");
    d->bbCal->Click();
    EXPECT_EQ(d->stIrlt->Caption(), " I=0.00375"); // 3 * 0.05^2 / 2
    EXPECT_TRUE(messages.empty());
}

// Typing "1e-" over RI (5) and leaving the editor, in every way the dialog offers.
TEST_F(InertiaDialogTest, LeavingAnUnfinishedNumberReportsItOnceAndPutsTheValueBack)
{
    const struct {
        const char *how;
        std::function<void()> leave;
    } ways[] = {
        {"Enter", [&] { Key(Qt::Key_Return); }},
        {"Up", [&] { Key(Qt::Key_Up); }},
        {"another cell", [&] { SelectValue(d->sgInertia, "m"); }},
        {"a description cell", [&] { d->sgInertia->UserSelectCell(3, 1); }},
        {"Calculate", [&] { d->bbCal->Click(); }},
        {"weight button", [&] { d->bbCalWeight->Click(); }},
    };
    d->cbMode->UserSelect(1);
    for (const auto &way : ways) {
        SCOPED_TRACE(way.how);
        SelectValue(d->sgInertia, "RI");
        const int row = RowOf(d->sgInertia, "RI");
        TypeText(d->edValue, "1e-");
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(d->sgInertia->Cells(1, row), "1e-");
        way.leave();
        EXPECT_EQ(MessageTexts(), Symbols_t{"'1e-' is not a valid floating point value."});
        EXPECT_EQ(InertiaItems[EntryRI].dV, 5);
        EXPECT_EQ(d->sgInertia->Cells(1, row), "5");
        messages.clear();
    }
}

TEST_F(InertiaDialogTest, UpKeyMovesTheEditorOneRowUp)
{
    d->cbMode->UserSelect(1); // m, R0, RI
    SelectValue(d->sgInertia, "RI");
    Key(Qt::Key_Up);
    EXPECT_EQ(d->edValue->Text(), "6");
    EXPECT_EQ(d->edValue->Top(), 60 + 17 * 2);
    Key(Qt::Key_Up);
    EXPECT_EQ(d->edValue->Text(), "3");
    EXPECT_EQ(d->edValue->Top(), 60 + 17);
    Key(Qt::Key_Up); // first row: only commits
    EXPECT_EQ(d->edValue->Top(), 60 + 17);
    Type("4");
    EXPECT_EQ(InertiaItems[EntryM].dV, 4);
    EXPECT_EQ(InertiaItems[EntryR0].dV, 6);
    EXPECT_EQ(InertiaItems[EntryRI].dV, 5);
}

TEST_F(InertiaDialogTest, UpOntoTheDensityRowLeavesTheDensityAlone)
{
    d->cbMode->UserSelect(2); // L, ρ, R0
    SelectValue(d->sgInertia, "R0");
    Type("7");
    Key(Qt::Key_Up);
    EXPECT_TRUE(d->cbCBX->Visible());
    EXPECT_FALSE(d->edValue->Visible());
    EXPECT_EQ(InertiaItems[EntryR0].dV, 7);
    EXPECT_EQ(InertiaItems[EntryRho].dV, 7870);
    EXPECT_EQ(d->sgInertia->Cells(1, RowOf(d->sgInertia, "ρ")), "7870");
}

TEST_F(InertiaDialogTest, InnerRadiusOverOuterRadiusWarnsOncePerCalculation)
{
    struct Case {
        int shape;
        double RI;
        int warnings;
    };
    // With the weight typed, the hollow cylinder and the truncated cone stay positive: a warning only.
    const Case cases[] = {{1, 7, 1}, {1, 6, 0}, {3, 7, 1}, {0, 7, 0}, {2, 7, 0}};
    for (const Case &c : cases) {
        d->cbMode->UserSelect(c.shape);
        InertiaItems[EntryRI].dV = c.RI;
        messages.clear();
        SelectValue(d->sgInertia, "R0");
        d->sgInertia->UserSelectCell(3, 1);
        SelectValue(d->sgInertia, "R0");
        EXPECT_TRUE(messages.empty()) << c.shape << " RI=" << c.RI;
        d->bbCal->Click();
        EXPECT_EQ(static_cast<int>(messages.size()), c.warnings) << c.shape << " RI=" << c.RI;
        for (const AnsiString &text : MessageTexts())
            EXPECT_EQ(text, "內徑 !> 外徑");
        EXPECT_TRUE(d->bbReplace->Enabled());
        EXPECT_EQ(InertiaItems[EntryRI].dV, c.RI);
    }
}

TEST_F(InertiaDialogTest, NegativeResultIsRefusedWithItsCause)
{
    const AnsiString refused = "No result: the mass or the inertia comes out negative.\nNegative:";
    struct Case {
        int shape;
        const char *symbol, *text, *named;
        AnsiString shown; // after the value is put right
    };
    const Case cases[] = {
        {0, "m", "-3", " m (重量)", " I=54"},
        {2, "L", "-2", " L (長度)", " I=6408547.42042843"},
        {5, "m2", "-3", " m2 (負載輪重)", " I1=27\n I2=6\n I=40.5"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.symbol);
        d->cbMode->UserSelect(c.shape);
        const int row = RowOf(d->sgInertia, c.symbol);
        const AnsiString before = d->sgInertia->Cells(1, row);
        messages.clear();
        SelectValue(d->sgInertia, c.symbol);
        Type(c.text);
        d->bbCal->Click();
        EXPECT_EQ(MessageTexts(), Symbols_t{refused + c.named});
        EXPECT_EQ(d->stIrlt->Caption(), "");
        EXPECT_FALSE(d->bbReplace->Enabled());

        SelectValue(d->sgInertia, c.symbol);
        Type(before);
        d->bbCal->Click();
        EXPECT_EQ(d->stIrlt->Caption(), c.shown);
        EXPECT_TRUE(d->bbReplace->Enabled());
        EXPECT_EQ(messages.size(), 1u);
    }
    // A box names only what the user enters in the mode shown; a refused mass is not kept.
    d->cbMode->UserSelect(1);
    InertiaItems[EntryRho].dV = -1; // typed while the weight was calculated
    SelectValue(d->sgInertia, "m");
    Type("-3");
    messages.clear();
    d->bbCal->Click();
    EXPECT_EQ(MessageTexts(), Symbols_t{refused + " m (重量)"});
    InertiaItems[EntryRho].dV = 1;
    d->cbCalWeight->SetChecked(true);
    SelectValue(d->sgInertia, "RI");
    Type("7");
    messages.clear();
    d->bbCalWeight->Click();
    EXPECT_EQ(MessageTexts(), Symbols_t{"No result: the mass or the inertia comes out negative.\n內徑 (RI) "
                                        "is larger than 外徑 (R0)"});
    EXPECT_EQ(InertiaItems[EntryM].dV, -3);
}

TEST_F(InertiaDialogTest, ZeroLoadSideDivisorReportsAndKeepsTheResult)
{
    d->cbMode->UserSelect(4);
    SelectValue(d->sgInertia, "m1");
    Type("2");
    SelectValue(d->sgInertia, "G2");
    Type("0");
    d->bbCal->Click();
    EXPECT_EQ(MessageTexts(), Symbols_t{"Floating point division by zero."});
    EXPECT_EQ(InertiaItems[EntryI].dV, 51);
    EXPECT_EQ(InertiaItems[EntryI1].dV, 27); // the formula's 36 * 2 / 8 is not kept
    EXPECT_EQ(d->stIrlt->Caption(), "");     // but not shown

    // A shape change and an activation go on past the fault.
    messages.clear();
    d->cbMode->UserSelect(6);
    EXPECT_EQ(MessageTexts(), Symbols_t{"Floating point division by zero."});
    EXPECT_EQ(Symbols(d->sgInertia), (Symbols_t{"D1", "D2", "G1", "G2", "m1", "m2"}));
    d->Activate();
    EXPECT_EQ(d->cbCBX->Items.Count(), 16);

    SelectValue(d->sgInertia, "G2");
    Type("12");
    d->bbCal->Click();
    EXPECT_EQ(InertiaItems[EntryI].dV, 33); // 4 * 6 + 9

    d->cbMode->UserSelect(5);
    EXPECT_EQ(InertiaItems[EntryI].dV, 22.5); // (6/4)^2 * 6 + 9
    messages.clear();
    SelectValue(d->sgInertia, "D2");
    Type("0");
    d->bbCal->Click();
    EXPECT_EQ(MessageTexts(), Symbols_t{"Floating point division by zero."});
    EXPECT_EQ(InertiaItems[EntryI].dV, 22.5);
}

class InertiaDialogTextsTest : public InertiaDialogTest
{
  protected:
    bool WithTextFiles() const override { return true; }
};

TEST_F(InertiaDialogTextsTest, ActivationTakesNamesAndShapeCaptionsFromTheTextFiles)
{
    d->Activate();
    EXPECT_EQ(InertiaItems[EntryG2].Name, "Load-side gear tooth count");
    EXPECT_EQ(d->cbMode->Items[0], "1. Solid Cylinder");
    EXPECT_EQ(d->cbMode->Items[6], "7. Gear Pair 2 (tooth ratio)");
    EXPECT_EQ(d->sgInertia->Cells(1, 0), "Value");
    EXPECT_EQ(d->sgInertia->Cells(3, 1), "Mass");
    LanguageIndex = 1;
    d->Activate();
    EXPECT_EQ(InertiaItems[EntryG2].Name, "負載端齒輪齒數");
    EXPECT_EQ(d->cbMode->ItemIndex(), 0);
}

// Shape pictures from a folder of the test's own: the first missing, the second not a picture, the
// third a good one, the others missing.
class InertiaPictureTest : public InertiaDialogTest
{
  protected:
    void SetUp() override
    {
        TSelvane_Inertia_F::PictureFolder = folder.path() + "/";
        writeFileBytes(folder.filePath("Inertia002.jpg"), "not a picture");
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        ASSERT_TRUE(image.save(QString::fromStdString(folder.filePath("Inertia003.jpg")), "JPG"));
        InertiaDialogTest::SetUp();
    }
    void TearDown() override
    {
        InertiaDialogTest::TearDown();
        TSelvane_Inertia_F::PictureFolder.clear();
    }
    TempDir folder;
};

TEST_F(InertiaPictureTest, BadPicturesDoNotStopStartUpAndAreReportedOnce)
{
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].text.find("Inertia001.jpg"), std::string::npos) << messages[0].text;
    EXPECT_TRUE(d->Image1->Picture().isNull());
    EXPECT_EQ(d->stIrlt->Caption(), " I=54");
    EXPECT_EQ(Symbols(d->sgInertia), (Symbols_t{"m", "R0"}));
    EXPECT_EQ(Application->MainForm, w);

    d->cbMode->UserSelect(1);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_NE(messages[1].text.find("Inertia002.jpg"), std::string::npos) << messages[1].text;
    EXPECT_EQ(d->stFormula->Caption(), " I = m/2 * (RO^2 + RI^2 ),  m = π * (RO^2 - RI^2) * L * ρ");
    EXPECT_EQ(d->stIrlt->Caption(), " I=91.5");

    d->cbMode->UserSelect(2);
    EXPECT_EQ(d->Image1->Picture().width(), 40);
    d->cbMode->UserSelect(0);
    d->cbMode->UserSelect(1);
    d->Activate();
    EXPECT_TRUE(d->Image1->Picture().isNull());
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_EQ(d->cbCBX->Items.Count(), 16);
}

} // namespace
