#pragma once

#include "platform/Forms.h"
#include "platform/StdCtrls.h"

#include <vector>

// The dialog that asks which parts of the results a report holds: three whole sections, and the
// suggested matches and their details also row by row (one box per row of the main window's
// suggestion grid, rebuilt at each activation).
class TSelvane_Actions_F : public TForm
{
  public:
    explicit TSelvane_Actions_F(TComponent *owner);

    TScrollBox *ScrollBox1 = nullptr; // the form's scrolled area
    TStaticText *stTitle = nullptr;
    TGroupBox *GroupBox1 = nullptr, *GroupBox2 = nullptr, *GroupBox3 = nullptr, *GroupBox4 = nullptr,
              *GroupBox5 = nullptr;
    TStaticText *StaticText1 = nullptr, *StaticText2 = nullptr, *StaticText3 = nullptr,
                *StaticText4 = nullptr, *StaticText5 = nullptr;
    TCheckBox *CheckBox1 = nullptr, *CheckBox2 = nullptr, *CheckBox3 = nullptr, *CheckBox4 = nullptr,
              *CheckBox5 = nullptr;
    TBitBtn *BitBtn5 = nullptr, *BitBtn6 = nullptr;

    void FormActivate(TObject *Sender);
    void StaticText4Click(TObject *Sender);
    void StaticText5Click(TObject *Sender);
    void CheckBox4Click(TObject *Sender);
    void CheckBox5Click(TObject *Sender);
    void ItemCheckBoxClick(TObject *Sender);

    // Box i stands for row i + 1 of the suggestion grid; Count boxes in each list.
    std::vector<TCheckBox *> SuggestBoxes;
    std::vector<TCheckBox *> DetailBoxes;
    int Count = 0;

    // Height of the scrolled area.
    int VertScrollRange() const { return vertScrollRange_; }

  private:
    void buildLayout();
    void destroyItemBoxes();
    TCheckBox *makeItemBox(TGroupBox *group, int i);
    void placeGroups();

    int vertScrollRange_ = 313;
};
