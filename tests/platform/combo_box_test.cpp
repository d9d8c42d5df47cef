#include "platform/StdCtrls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QWidget>
#include <gtest/gtest.h>

// A drop-down combo has its edit field once shown; a list never gets one, whenever its style was set.
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
        combo.Items.Add("one");
        combo.Items.Add("two");
        combo.SetItemIndex(1);
        if (c.setList && c.beforeShow)
            combo.SetStyle(csDropDownList);
        parent.show();
        if (c.setList && !c.beforeShow)
            combo.SetStyle(csDropDownList);
        EXPECT_EQ(combo.Combo()->isEditable(), c.editable) << c.how;
        EXPECT_EQ(combo.Combo()->lineEdit() != nullptr, c.editable) << c.how;
        EXPECT_EQ(combo.Text(), "two") << c.how;
        EXPECT_EQ(combo.ItemIndex(), 1) << c.how;
    }
}
