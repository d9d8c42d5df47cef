#include "MainWindowFixture.h"

#include "ui/Selvane_Actions.h"

#include <cstring>

class ActionsDialogTest : public MainWindowTest
{
  protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        d = Selvane_Actions_F;
    }
    // Suggestion grid with n data rows "Kelo-Q" / "M<r>".
    void setMatchRows(int n)
    {
        w->sgMotorRlt->SetRowCount(n + 1);
        for (int r = 1; r <= n; ++r) {
            w->sgMotorRlt->SetCells(0, r, "Kelo-Q");
            w->sgMotorRlt->SetCells(1, r, "M" + IntToStr(r));
        }
    }
    static int checkBoxesIn(const TGroupBox *group)
    {
        int n = 0;
        for (const TControl *c : group->Controls())
            n += std::strcmp(c->ClassName(), "TCheckBox") == 0;
        return n;
    }

    TSelvane_Actions_F *d = nullptr;
};

// Rows of the suggestion grid, and the layout that activation leaves: suggestions collapsed, the
// details open below them at top 120, the scrolled area 313 high until the details reach past it.
struct RowsCase {
    int rows;
    int detailsHeight;
    int scrollRange;
    const char *detailsToggle;
};

TEST_F(ActionsDialogTest, ActivationBuildsOneBoxPerRowAndLaysOutTheGroups)
{
    const RowsCase cases[] = {
        {0, 20, 313, " - "},
        {5, 110, 313, " - "},  // 5 x 18 + 20; bottom 230
        {11, 218, 426, " - "}, // bottom 120 + 218 = 338, + 8 x 11
        {1, 38, 313, " - "},
    };
    for (const RowsCase &c : cases) {
        SCOPED_TRACE(c.rows);
        setMatchRows(c.rows);
        d->Activate();
        EXPECT_EQ(d->Count, c.rows);
        ASSERT_EQ(d->SuggestBoxes.size(), static_cast<size_t>(c.rows));
        ASSERT_EQ(d->DetailBoxes.size(), static_cast<size_t>(c.rows));
        EXPECT_EQ(d->GroupBox4->Top(), 100);
        EXPECT_EQ(d->GroupBox4->Height(), 20);
        EXPECT_EQ(d->StaticText4->Caption(), c.rows ? " +" : " - ");
        EXPECT_EQ(d->GroupBox5->Top(), 120);
        EXPECT_EQ(d->GroupBox5->Height(), c.detailsHeight);
        EXPECT_EQ(d->StaticText5->Caption(), c.detailsToggle);
        EXPECT_EQ(d->VertScrollRange(), c.scrollRange);
        for (int i = 0; i < c.rows; ++i) {
            for (TCheckBox *box : {d->SuggestBoxes[i], d->DetailBoxes[i]}) {
                EXPECT_TRUE(box->Checked());
                EXPECT_EQ(box->Caption(), "Kelo-Q  M" + IntToStr(i + 1));
                EXPECT_EQ(box->Left(), 15);
                EXPECT_EQ(box->Top(), 20 + 18 * i);
                EXPECT_EQ(box->Width(), 160);
            }
            EXPECT_EQ(d->SuggestBoxes[i]->Parent(), d->GroupBox4);
            EXPECT_EQ(d->DetailBoxes[i]->Parent(), d->GroupBox5);
        }
        EXPECT_EQ(checkBoxesIn(d->GroupBox4), c.rows + 1); // the rows and the "all" box
        EXPECT_EQ(checkBoxesIn(d->GroupBox5), c.rows + 1);
    }
}

TEST_F(ActionsDialogTest, TogglesOpenOneGroupAtATime)
{
    setMatchRows(11);
    d->Activate();
    d->StaticText4->Click(); // suggestions open, details close below them
    EXPECT_EQ(d->GroupBox4->Height(), 218);
    EXPECT_EQ(d->StaticText4->Caption(), " - ");
    EXPECT_EQ(d->GroupBox5->Height(), 20);
    EXPECT_EQ(d->StaticText5->Caption(), " +");
    EXPECT_EQ(d->GroupBox5->Top(), 318);
    EXPECT_EQ(d->VertScrollRange(), 426); // bottom 318 + 20 = 338, + 8 x 11
    d->StaticText4->Click();              // both closed
    EXPECT_EQ(d->GroupBox4->Height(), 20);
    EXPECT_EQ(d->GroupBox5->Top(), 120);
    EXPECT_EQ(d->GroupBox5->Height(), 20);
    EXPECT_EQ(d->VertScrollRange(), 313);
}

TEST_F(ActionsDialogTest, WithoutRowsAToggleOnlyFlipsItsCaption)
{
    setMatchRows(0);
    d->Activate();
    d->StaticText5->Click();
    EXPECT_EQ(d->GroupBox5->Height(), 20);
    EXPECT_EQ(d->StaticText5->Caption(), " - ");
    d->StaticText5->Click();
    EXPECT_EQ(d->StaticText5->Caption(), " - ");
    EXPECT_EQ(d->GroupBox5->Top(), 120);
}

TEST_F(ActionsDialogTest, AllBoxesAndRowBoxesChain)
{
    setMatchRows(3);
    d->Activate();
    d->SuggestBoxes[1]->SetChecked(false);
    EXPECT_FALSE(d->CheckBox4->Checked());
    EXPECT_TRUE(d->CheckBox5->Checked());
    d->SuggestBoxes[1]->SetChecked(true); // checking every row never checks the "all" box
    EXPECT_FALSE(d->CheckBox4->Checked());

    d->SuggestBoxes[0]->SetChecked(false);
    d->SuggestBoxes[2]->SetChecked(false);
    d->CheckBox4->SetChecked(true);
    for (TCheckBox *box : d->SuggestBoxes)
        EXPECT_TRUE(box->Checked());

    d->CheckBox4->SetChecked(false); // leaves the rows as they are
    for (TCheckBox *box : d->SuggestBoxes)
        EXPECT_TRUE(box->Checked());

    d->DetailBoxes[2]->SetChecked(false);
    EXPECT_FALSE(d->CheckBox5->Checked());
    EXPECT_TRUE(d->DetailBoxes[0]->Checked());
    d->CheckBox5->SetChecked(true);
    EXPECT_TRUE(d->DetailBoxes[2]->Checked());
}

TEST_F(ActionsDialogTest, EachShowingRebuildsRowsButKeepsTheSectionBoxes)
{
    setMatchRows(2);
    OnNextModal([this](TForm *form) {
        EXPECT_EQ(form, d);
        d->CheckBox2->SetChecked(false);
        d->SuggestBoxes[0]->SetChecked(false);
        return mrOk;
    });
    EXPECT_EQ(d->ShowModal(), mrOk);
    setMatchRows(4);
    OnNextModal([this](TForm *) {
        EXPECT_FALSE(d->CheckBox2->Checked());
        EXPECT_FALSE(d->CheckBox4->Checked());
        EXPECT_EQ(d->Count, 4);
        for (TCheckBox *box : d->SuggestBoxes)
            EXPECT_TRUE(box->Checked());
        EXPECT_EQ(checkBoxesIn(d->GroupBox4), 5);
        return mrCancel;
    });
    EXPECT_EQ(d->ShowModal(), mrCancel);
}

TEST_F(ActionsDialogTest, ButtonsEndTheDialogAndCaptionsComeBuiltIn)
{
    OnNextModal([this](TForm *) {
        d->BitBtn5->Click();
        return mrNone;
    });
    EXPECT_EQ(d->ShowModal(), mrOk);
    OnNextModal([this](TForm *) {
        d->BitBtn6->Click();
        return mrNone;
    });
    EXPECT_EQ(d->ShowModal(), mrCancel);
    EXPECT_EQ(d->Caption(), "請選擇存檔的內容");
    EXPECT_EQ(d->CheckBox5->Caption(), "全部選配詳細內容");
    EXPECT_EQ(d->stTitle->Caption(), "Select the content to save");
}

TEST_F(ActionsDialogTest, NothingIsRebuiltWhileTheMainWindowCloses)
{
    setMatchRows(2);
    d->Activate();
    setMatchRows(5);
    MainFormOpen = 0;
    d->Activate();
    MainFormOpen = 1;
    EXPECT_EQ(d->Count, 2);
}

class ActionsDialogTextsTest : public ActionsDialogTest
{
  protected:
    bool WithTextFiles() const override { return true; }
};

TEST_F(ActionsDialogTextsTest, CaptionsFollowTheLanguage)
{
    d->Activate();
    EXPECT_EQ(d->Caption(), "Save Content");
    EXPECT_EQ(d->CheckBox4->Caption(), "All Suggested Matches");
    EXPECT_EQ(d->BitBtn6->Caption(), "Cancel");
}
