#include "ui/Selvane_Actions.h"

#include "model/Texts.h"
#include "ui/Selvane.h"

#include <QFrame>
#include <QScrollArea>

#include <algorithm>

namespace
{

constexpr int collapsedHeight = 20; // a group shows only its first line: toggle and "all" box
constexpr int itemStep = 18;        // per-row boxes, one below the other
constexpr int baseScrollRange = 313;

template <class T>
T *Make(TComponent *owner, TWinControl *parent, const char *name, int left, int top, int width, int height)
{
    auto *c = new T(owner);
    c->Name = name;
    c->SetBounds(left, top, width, height);
    c->SetParent(parent);
    return c;
}

} // namespace

TSelvane_Actions_F::TSelvane_Actions_F(TComponent *owner) : TForm(owner)
{
    Name = "Selvane_Actions_F";
    BuildOnFirstUse([this] { buildLayout(); });
    OnActivate = [this](TObject *s) { FormActivate(s); };
}

void TSelvane_Actions_F::buildLayout()
{
    SetCaption("請選擇存檔的內容");
    SetDialogFrame();
    SetClientSize(330, 446);
    SetColor(14606543);
    SetFontFamily("Tahoma");
    SetFontPixelSize(11);

    ScrollBox1 = new TScrollBox(this);
    ScrollBox1->Name = "ScrollBox1";
    ScrollBox1->ScrollArea()->setFrameShape(QFrame::NoFrame);
    ScrollBox1->ScrollArea()->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->SetColor(14606543);
    ScrollBox1->SetParent(this);
    ScrollBox1->SetAlign(alClient);
    ScrollBox1->SetRange(330, baseScrollRange);

    stTitle = Make<TStaticText>(this, ScrollBox1, "stTitle", 0, 0, 330, 28);
    stTitle->SetCaption("Select the content to save");
    stTitle->SetAlignment(taCenter);
    stTitle->SetFontFamily("Tahoma");
    stTitle->SetFontPixelSize(13);
    stTitle->SetFontBold(true);
    stTitle->SetColor(12041109);

    struct Row {
        TGroupBox **group;
        TStaticText **toggle;
        TCheckBox **box;
        const char *groupName, *toggleName, *boxName;
        int top, groupHeight, toggleWidth, boxWidth;
        const char *toggleCaption, *boxCaption;
    };
    const Row rows[] = {
        {&GroupBox1, &StaticText1, &CheckBox1, "GroupBox1", "StaticText1", "CheckBox1", 34, 20, 14, 97, " - ",
         "輸入參數"},
        {&GroupBox2, &StaticText2, &CheckBox2, "GroupBox2", "StaticText2", "CheckBox2", 56, 20, 14, 97, " - ",
         "計算過程"},
        {&GroupBox3, &StaticText3, &CheckBox3, "GroupBox3", "StaticText3", "CheckBox3", 78, 20, 14, 97, " - ",
         "計算結果"},
        {&GroupBox4, &StaticText4, &CheckBox4, "GroupBox4", "StaticText4", "CheckBox4", 100, 20, 15, 155,
         " +", "全部建議選配"},
        {&GroupBox5, &StaticText5, &CheckBox5, "GroupBox5", "StaticText5", "CheckBox5", 122, 22, 15, 155,
         " +", "全部選配詳細內容"},
    };
    for (const Row &r : rows) {
        *r.group = Make<TGroupBox>(this, ScrollBox1, r.groupName, 30, r.top, 185, r.groupHeight);
        *r.toggle = Make<TStaticText>(this, *r.group, r.toggleName, 6, 1, r.toggleWidth, 17);
        (*r.toggle)->SetCaption(r.toggleCaption);
        (*r.toggle)->SetBevel(bvLowered);
        (*r.toggle)->SetColor(4227200);
        *r.box = Make<TCheckBox>(this, *r.group, r.boxName, 27, 1, r.boxWidth, 17);
        (*r.box)->SetCaption(r.boxCaption);
        (*r.box)->SetChecked(true);
    }
    StaticText4->SetCursor(crHandPoint);
    StaticText5->SetCursor(crHandPoint);
    StaticText4->OnClick = [this](TObject *s) { StaticText4Click(s); };
    StaticText5->OnClick = [this](TObject *s) { StaticText5Click(s); };
    CheckBox4->OnClick = [this](TObject *s) { CheckBox4Click(s); };
    CheckBox5->OnClick = [this](TObject *s) { CheckBox5Click(s); };

    BitBtn5 = Make<TBitBtn>(this, ScrollBox1, "BitBtn5", 239, 119, 75, 25);
    BitBtn5->SetCaption("OK");
    BitBtn5->ModalResult = mrOk;
    BitBtn5->SetDefault(true);
    BitBtn6 = Make<TBitBtn>(this, ScrollBox1, "BitBtn6", 239, 174, 75, 25);
    BitBtn6->SetCaption("Cancel");
    BitBtn6->ModalResult = mrCancel;
    BitBtn6->Cancel = true;
}

void TSelvane_Actions_F::FormActivate(TObject *)
{
    if (!MainFormOpen || !Selvane_F)
        return;
    destroyItemBoxes();
    ApplyCaptions(this);
    Count = std::max(0, Selvane_F->sgMotorRlt->RowCount() - 1);
    for (int i = 0; i < Count; ++i)
        SuggestBoxes.push_back(makeItemBox(GroupBox4, i));
    for (int i = 0; i < Count; ++i)
        DetailBoxes.push_back(makeItemBox(GroupBox5, i));
    // Leaves the suggestions collapsed and the details open below them.
    StaticText4Click(nullptr);
    StaticText5Click(nullptr);
}

void TSelvane_Actions_F::destroyItemBoxes()
{
    for (TCheckBox *box : SuggestBoxes)
        delete box;
    for (TCheckBox *box : DetailBoxes)
        delete box;
    SuggestBoxes.clear();
    DetailBoxes.clear();
    Count = 0;
}

TCheckBox *TSelvane_Actions_F::makeItemBox(TGroupBox *group, int i)
{
    const TStringGrid *grid = Selvane_F->sgMotorRlt;
    auto *box = new TCheckBox(this);
    box->SetBounds(15, collapsedHeight + itemStep * i, 160, 17);
    box->SetCaption(grid->Cells(0, i + 1) + "  " + grid->Cells(1, i + 1));
    box->SetChecked(true);
    box->SetParent(group);
    box->OnClick = [this](TObject *s) { ItemCheckBoxClick(s); };
    return box;
}

void TSelvane_Actions_F::StaticText4Click(TObject *)
{
    if (GroupBox4->Height() > collapsedHeight) {
        GroupBox4->SetHeight(collapsedHeight);
        StaticText4->SetCaption(" +");
    } else {
        GroupBox4->SetHeight(Count * itemStep + collapsedHeight);
        StaticText4->SetCaption(" - ");
    }
    if (GroupBox5->Height() > collapsedHeight) {
        GroupBox5->SetHeight(collapsedHeight);
        StaticText5->SetCaption(" +");
    }
    placeGroups();
}

void TSelvane_Actions_F::StaticText5Click(TObject *)
{
    if (GroupBox5->Height() > collapsedHeight) {
        GroupBox5->SetHeight(collapsedHeight);
        StaticText5->SetCaption(" +");
    } else {
        GroupBox5->SetHeight(Count * itemStep + collapsedHeight);
        StaticText5->SetCaption(" - ");
    }
    if (GroupBox4->Height() > collapsedHeight) {
        GroupBox4->SetHeight(collapsedHeight);
        StaticText4->SetCaption(" +");
    }
    placeGroups();
}

// The details follow the suggestions; the scrolled area grows once the details reach past it.
void TSelvane_Actions_F::placeGroups()
{
    GroupBox5->SetTop(GroupBox4->Top() + GroupBox4->Height());
    const int bottom = GroupBox5->Top() + GroupBox5->Height();
    vertScrollRange_ = bottom <= baseScrollRange ? baseScrollRange : bottom + 8 * Count;
    ScrollBox1->SetRange(330, vertScrollRange_);
}

void TSelvane_Actions_F::CheckBox4Click(TObject *)
{
    if (!CheckBox4->Checked())
        return;
    for (TCheckBox *box : SuggestBoxes)
        box->SetChecked(true);
}

void TSelvane_Actions_F::CheckBox5Click(TObject *)
{
    if (!CheckBox5->Checked())
        return;
    for (TCheckBox *box : DetailBoxes)
        box->SetChecked(true);
}

// Unchecking one row unchecks its group's "all" box; checking a row never checks it.
void TSelvane_Actions_F::ItemCheckBoxClick(TObject *Sender)
{
    auto *box = dynamic_cast<TCheckBox *>(Sender);
    if (!box || box->Checked() || !box->Parent())
        return;
    if (box->Parent()->Name == "GroupBox4")
        CheckBox4->SetChecked(false);
    else if (box->Parent()->Name == "GroupBox5")
        CheckBox5->SetChecked(false);
}
