#include "TestSupport.h"

#include "inertia/InertiaDialogFixture.h"
#include "model/Units.h"
#include "platform/Jpeg.h"
#include "ui/GridDriving.h"
#include "ui/Selvane_ABOUT.h"

#include <utility>

namespace
{

class InertiaHandOffTest : public InertiaDialogTest
{
  protected:
    TImage *Area(int page, int code) const
    {
        for (TImage *area : w->PictureAreas)
            if (area->Tag == page * 100 + code)
                return area;
        ADD_FAILURE() << "no click area " << page * 100 + code;
        return nullptr;
    }
    // Value cell of the parameter's row in the input grid, or in the all-parameters grid.
    AnsiString Shown(const AnsiString &symbol) const
    {
        for (TStringGrid *g : {w->sgPar1, w->sgAll})
            for (int r = 1; r < g->RowCount(); ++r)
                if (g->Cells(0, r) == symbol)
                    return g->Cells(1, r);
        return "(no row)";
    }
    // Clicks the area and accepts the dialog, after running f inside it.
    void ClickAndAccept(int page, int code, const std::function<void()> &f = {})
    {
        OnNextModal([this, f](TForm *form) {
            EXPECT_EQ(form, d);
            captions.push_back(d->Caption());
            if (f)
                f();
            d->bbReplace->Click();
            return mrNone;
        });
        Area(page, code)->Click();
    }
    std::vector<AnsiString> captions;
};

TEST_F(InertiaHandOffTest, AcceptWritesTheResultIntoTheAreasParameter)
{
    struct Case {
        int page, code;
        const char *symbol;
        int id;
    };
    const Case cases[] = {{1, 11, "JR", 45}, {1, 12, "JS", 47}, {2, 13, "JC", 46}, {3, 14, "JRO", 42}};
    for (const Case &c : cases) {
        captions.clear();
        ClickAndAccept(c.page, c.code, [&] {
            EXPECT_EQ(d->cbCBX->Items.Count(), 16); // activated: density list built
            EXPECT_FALSE(d->Image1->Picture().isNull());
        });
        EXPECT_EQ(captions, std::vector<AnsiString>{AnsiString("慣量計算:") + c.symbol});
        EXPECT_EQ(w->PictureTag, c.page * 100 + c.code);
        EXPECT_EQ(SizeItems[c.id].dV, 54) << c.symbol;
        EXPECT_EQ(Shown(c.symbol), "54") << c.symbol;
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(InertiaHandOffTest, ResultIsConvertedIntoTheUnitTheParameterShows)
{
    SizeItems[45].asNowUnit = "kg*cm^2"; // picked in the unit cell
    ClickAndAccept(1, 11);
    EXPECT_EQ(SizeItems[45].dV, 540000);

    SetParamUnitSystem(SizeItems[47], 2); // "(lb*ft^2)"
    ClickAndAccept(1, 12);
    EXPECT_DOUBLE_EQ(SizeItems[47].dV, 1281.4380198); // 54 * 23.7303337

    SizeItems[46].asNowUnit = "(kg*m^2)";
    ClickAndAccept(1, 13);
    EXPECT_EQ(SizeItems[46].dV, 54);
    EXPECT_TRUE(messages.empty());

    InertiaItems[EntryR0].dV = 1e153; // I = 1.5e306 kg*m^2 fits, in kg*cm^2 it does not
    ClickAndAccept(1, 11);
    EXPECT_EQ(MessageTexts(), std::vector<AnsiString>{"Floating point overflow."});
    EXPECT_EQ(SizeItems[45].dV, 540000);
}

TEST_F(InertiaHandOffTest, CancelChangesNothing)
{
    OnNextModal([this](TForm *) {
        d->cbMode->UserSelect(1);
        return mrCancel;
    });
    Area(1, 11)->Click();
    EXPECT_EQ(SizeItems[45].dV, 0);
    EXPECT_EQ(Shown("JR"), "0");

    OnNextModal([this](TForm *) {
        d->bbCancel->Click();
        return mrNone;
    });
    Area(1, 11)->Click();
    EXPECT_EQ(SizeItems[45].dV, 0);
}

// Accept hands over only a result of the entries shown: any change after the calculation empties
// it and disables the button until the next one. A shape change calculates the new shape at once.
TEST_F(InertiaHandOffTest, AcceptAfterAChangeHandsNothingOver)
{
    const struct {
        const char *change;
        std::function<void()> make;
        double handedBack;
    } cases[] = {
        {"a value typed",
         [this] {
             SelectValue(d->sgInertia, "R0");
             Type("1");
         },
         0},
        {"the same value typed",
         [this] {
             SelectValue(d->sgInertia, "R0");
             Type("6");
         },
         54},
        {"the weight mode", [this] { d->cbCalWeight->SetChecked(true); }, 0},
        {"a density picked",
         [this] {
             d->cbCalWeight->SetChecked(true);
             d->bbCal->Click();
             SelectValue(d->sgWeight, "ρ");
             d->cbCBX->UserSelect(0); // osmium
         },
         0},
        {"the weight button over the typed mass",
         [this] {
             d->bbCalWeight->Click();
             EXPECT_EQ(d->sgInertia->Cells(1, RowOf(d->sgInertia, "m")), "1780152.06123012");
         },
         0},
        // Calculate weighs the cylinder shown; the weight button then changes nothing.
        {"the weight calculated",
         [this] {
             d->cbCalWeight->SetChecked(true);
             SelectValue(d->sgWeight, "L");
             Type("0.1");
             SelectValue(d->sgWeight, "R0");
             Type("0.05");
             d->bbCal->Click();
             d->bbCalWeight->Click();
         },
         0.05 * 0.05 * (0.05 * 0.05 * 3.141592653589793 * 0.1 * 7870) * 0.5},
        {"the shape", [this] { d->cbMode->UserSelect(2); }, 1296 * 3.141592653589793 * 2 * 7870 * 0.1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.change);
        InitInertiaTable();
        d->cbMode->SetItemIndex(0);
        d->cbCalWeight->SetChecked(false);
        SizeItems[45].dV = 0;
        ClickAndAccept(1, 11, [&] {
            c.make();
            EXPECT_EQ(d->bbReplace->Enabled(), c.handedBack != 0);
            EXPECT_EQ(d->stIrlt->Caption().empty(), c.handedBack == 0);
        });
        EXPECT_DOUBLE_EQ(SizeItems[45].dV, c.handedBack);
    }
    // The next showing recomputes with the typed value and keeps the shape.
    ClickAndAccept(1, 11, [this] {
        d->cbMode->UserSelect(0);
        SelectValue(d->sgInertia, "R0");
        Type("1");
    });
    ClickAndAccept(2, 11);
    EXPECT_EQ(SizeItems[45].dV, 1.5);
    // So does it with the weight calculated: the mass of L 3, not of the L 2 last calculated.
    ClickAndAccept(1, 11, [this] {
        d->cbCalWeight->SetChecked(true);
        d->bbCal->Click();
        SelectValue(d->sgWeight, "L");
        Type("3");
    });
    ClickAndAccept(2, 13);
    EXPECT_DOUBLE_EQ(SizeItems[46].dV, 3.141592653589793 * 3 * 7870 * 0.5); // R0 1
}

TEST_F(InertiaHandOffTest, ClosingWithAnUnfinishedNumberReportsItOnce)
{
    const struct {
        const char *how;
        std::function<int()> close;
        double handedBack;
    } ways[] = {
        {"accept",
         [this] {
             d->bbReplace->Click();
             return mrNone;
         },
         0}, // the typing emptied the result
        {"cancel",
         [this] {
             d->bbCancel->Click();
             return mrNone;
         },
         0},
        {"close box", [] { return mrCancel; }, 0},
    };
    for (const auto &way : ways) {
        SCOPED_TRACE(way.how);
        SizeItems[45].dV = 0;
        OnNextModal([&](TForm *) {
            SelectValue(d->sgInertia, "R0");
            Type("1e-");
            EXPECT_TRUE(messages.empty());
            return way.close();
        });
        Area(1, 11)->Click();
        EXPECT_EQ(MessageTexts(), std::vector<AnsiString>{"'1e-' is not a valid floating point value."});
        EXPECT_EQ(InertiaItems[EntryR0].dV, 6);
        EXPECT_EQ(SizeItems[45].dV, way.handedBack);
        messages.clear();
    }
}

TEST_F(InertiaHandOffTest, ResultReplacesAValueHalfTypedInTheMainWindow)
{
    const int row = RowOfSymbol(w->sgPar1, "JR");
    ASSERT_TRUE(w->sgPar1->UserSelectCell(1, row));
    TypeText(w->CellEdit, "1e-");
    ClickAndAccept(1, 11, [this] { EXPECT_EQ(messages.size(), 1u); }); // reported as the dialog opens
    EXPECT_EQ(MessageTexts(), std::vector<AnsiString>{"'1e-' is not a valid floating point value."});
    EXPECT_EQ(SizeItems[45].dV, 54);
    EXPECT_EQ(Shown("JR"), "54");
}

TEST_F(InertiaHandOffTest, HollowCylinderWithTheInnerRadiusOverTheOuterHandsNothingOver)
{
    const AnsiString refused =
        "No result: the mass or the inertia comes out negative.\n內徑 (RI) is larger than 外徑 (R0)";
    ClickAndAccept(1, 11);
    ASSERT_EQ(SizeItems[45].dV, 54);
    ClickAndAccept(1, 11, [&] {
        d->cbMode->UserSelect(1);
        d->cbCalWeight->SetChecked(true);
        SelectValue(d->sgWeight, "RI");
        Type("7"); // over R0 = 6
        d->bbCalWeight->Click();
        EXPECT_EQ(MessageTexts(), std::vector<AnsiString>{refused});
        EXPECT_EQ(d->stMrlt->Caption(), "");
        EXPECT_FALSE(d->bbReplace->Enabled());
        messages.clear();
        d->bbCal->Click(); // weighs the tube again first
        EXPECT_EQ(MessageTexts(), std::vector<AnsiString>{refused});
        EXPECT_EQ(d->stIrlt->Caption(), "");
    });
    EXPECT_EQ(SizeItems[45].dV, 54);
    EXPECT_EQ(Shown("JR"), "54");

    // Put right, the mass and the inertia of the iron tube are handed over again.
    ClickAndAccept(1, 11, [&] {
        SelectValue(d->sgWeight, "RI");
        Type("5");
        d->bbCalWeight->Click();
        d->bbCal->Click();
        EXPECT_EQ(d->stMrlt->Caption(), " m=543935.352042537"); // (36 - 25) pi * 2 * 7870
        EXPECT_TRUE(d->bbReplace->Enabled());
    });
    EXPECT_EQ(Shown("JR"), "16590028.2372974"); // (36 + 25) * m / 2
}

TEST_F(InertiaHandOffTest, JrAreasOfDifferentPagesFeedTheSameParameter)
{
    ClickAndAccept(1, 11);
    ClickAndAccept(5, 11, [this] { d->cbMode->UserSelect(1); });
    EXPECT_EQ(SizeItems[45].dV, 91.5);
    EXPECT_EQ(w->PictureTag, 511);
    EXPECT_EQ(Shown("JR"), "91.5");
}

class InertiaHandOffTextsTest : public InertiaHandOffTest
{
  protected:
    bool WithTextFiles() const override { return true; }
};

TEST_F(InertiaHandOffTextsTest, CaptionComesFromMessage91)
{
    ClickAndAccept(1, 12);
    EXPECT_EQ(captions, std::vector<AnsiString>{"Inertia Calculation:JS"});
}

TEST_F(MainWindowTest, AboutBoxOpensFromTheToolBar)
{
    TForm *shown = nullptr;
    QImage screen;
    OnNextModal([&](TForm *form) {
        shown = form;
        form->Show();
        screen = Grabbed(form->Widget());
        static_cast<TSelvane_About_F *>(form)->OKButton->Click();
        return mrNone;
    });
    w->tbAbout->Click();
    ASSERT_EQ(shown, Selvane_About_F);
    // Both pictures on screen the first time the box shows.
    for (const auto &[image, picture] : {std::pair{Selvane_About_F->Banner, "about_banner.jpg"},
                                         std::pair{Selvane_About_F->ProgramIcon, "about_icon.jpg"}}) {
        const QPoint at = image->Widget()->mapTo(Selvane_About_F->Widget(), QPoint(0, 0));
        EXPECT_TRUE(ShowsPicture(screen.copy(QRect(at, image->Widget()->size())), QPoint(0, 0),
                                 EmbeddedJpeg(picture)))
            << picture;
    }
    EXPECT_EQ(Selvane_About_F->ModalResult(), mrOk);
    EXPECT_EQ(Selvane_About_F->ProductName->Caption(), "Zorvo Kelo -Selvane");
    EXPECT_EQ(Selvane_About_F->Version->Caption(), "Version : 1.02.04");
}

TEST_F(MainWindowTest, GuideThatCannotBeStartedFailsSilently)
{
    FireEvent(w->ToolButton8->OnClick, w->ToolButton8);
    EXPECT_TRUE(messages.empty());
}

} // namespace
