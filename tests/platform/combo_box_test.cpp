#include "platform/StdCtrls.h"

#include "TestSupport.h"

#include <QComboBox>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

// A drop-down combo shows its edit field once shown; a list never gets one, whenever its style was
// set. On screen it looks as a plain combo made editable, or not, before it was shown.
TEST(ComboBox, EditFieldOnlyForDropDownStyle)
{
    struct Case {
        const char *how;
        bool setList;
        bool beforeShow;
        bool editable;
    };
    for (const Case c : {Case{"default", false, true, true}, Case{"list before show", true, true, false},
                         Case{"list after show", true, false, false}}) {
        QWidget parent;
        TComboBox combo(nullptr);
        combo.Widget()->setParent(&parent);
        combo.SetBounds(0, 0, 120, 22);
        combo.Items.Add("one");
        combo.Items.Add("two");
        combo.SetItemIndex(1);
        if (c.setList && c.beforeShow)
            combo.SetStyle(csDropDownList);
        parent.show();
        if (c.setList && !c.beforeShow)
            combo.SetStyle(csDropDownList);

        QWidget referenceParent;
        QComboBox reference(&referenceParent);
        reference.setGeometry(0, 0, 120, 22);
        reference.addItems({"one", "two"});
        reference.setCurrentIndex(1);
        reference.setEditable(c.editable);
        referenceParent.show();
        EXPECT_EQ(Grabbed(combo.Widget()), Grabbed(&reference)) << c.how;
        EXPECT_EQ(combo.Text(), "two") << c.how;
        EXPECT_EQ(combo.ItemIndex(), 1) << c.how;
    }
}

// Whatever changes the item list, the widget holds exactly the items and keeps the selected
// position while it still exists.
TEST(ComboBox, WidgetFollowsEveryChangeOfTheItems)
{
    struct Case {
        const char *how;
        std::function<void(TStrings &)> change;
        std::vector<const char *> shown;
        int index;
    };
    const Case cases[] = {
        {"added one by one", [](TStrings &s) { s.Add("d"); }, {"a", "b", "c", "d"}, 1},
        {"middle replaced", [](TStrings &s) { s.Put(1, "x"); }, {"a", "x", "c"}, 1},
        {"first replaced", [](TStrings &s) { s.Put(0, "x"); }, {"x", "b", "c"}, 1},
        {"shortened", [](TStrings &s) { s.Assign({"a"}); }, {"a"}, -1},
        {"cleared and refilled",
         [](TStrings &s) {
             s.Clear();
             s.Add("a");
             s.Add("q");
         },
         {"a", "q"},
         -1},
    };
    for (const Case &c : cases) {
        TComboBox combo(nullptr);
        combo.SetStyle(csDropDownList);
        for (const char *item : {"a", "b", "c"})
            combo.Items.Add(item);
        combo.SetItemIndex(1);
        c.change(combo.Items);
        QStringList expected;
        for (const char *item : c.shown)
            expected << item;
        QStringList shown;
        for (int i = 0; i < combo.Combo()->count(); ++i)
            shown << combo.Combo()->itemText(i);
        EXPECT_EQ(shown, expected) << c.how;
        EXPECT_EQ(combo.ItemIndex(), c.index) << c.how;
    }
}
