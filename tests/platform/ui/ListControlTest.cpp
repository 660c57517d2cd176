// Combo boxes and list boxes: items, selection and the events of choosing.
#include "HeadlessFixture.h"

#include "platform/ui/ComboBox.h"
#include "platform/ui/ListBox.h"

namespace {

class Lists : public ui::Form {
public:
    explicit Lists(ui::Form* owner)
        : ui::Form("TLists", owner), ComboBox1(add<ui::ComboBox>("ComboBox1")),
          ComboBox4(add<ui::ComboBox>("ComboBox4")), ListBox1(add<ui::ListBox>("ListBox1")) {
        ComboBox1.OnClick = [this] { events.push_back("click " + ComboBox1.text()); };
        ComboBox1.OnChange = [this] { events.push_back("change " + ComboBox1.text()); };
        ComboBox4.setStyle(ui::ComboStyle::DropDownList);
        ListBox1.OnClick = [this] { events.push_back("list click " + std::to_string(ListBox1.itemIndex())); };
        ListBox1.OnDblClick = [this] { events.push_back("list double-click"); };
    }
    ui::ComboBox& ComboBox1;
    ui::ComboBox& ComboBox4;
    ui::ListBox& ListBox1;
    std::vector<std::string> events;
};

class ListControlTest : public HeadlessTest {
protected:
    Lists& form = ui::createForm<Lists>(nullptr);
};

} // namespace

TEST_F(ListControlTest, ComboIndexAndTextFollowEachOther) {
    form.ComboBox1.setText("设置机关代字...");
    form.ComboBox1.setItems({"国办发", "国发", "国发"});
    EXPECT_EQ(form.ComboBox1.text(), "") << "replacing the list clears the edit";
    EXPECT_EQ(form.ComboBox1.itemIndex(), -1);
    form.ComboBox1.setItemIndex(2);
    EXPECT_EQ(form.ComboBox1.text(), "国发");
    EXPECT_EQ(form.ComboBox1.itemIndex(), 2) << "the second of two equal items stays selected";
    form.ComboBox1.setItemIndex(9);
    EXPECT_EQ(form.ComboBox1.itemIndex(), -1) << "an index outside the list selects none";
    EXPECT_EQ(form.ComboBox1.text(), "");
    form.ComboBox1.setText("国办发");
    EXPECT_EQ(form.ComboBox1.itemIndex(), 0);
    form.ComboBox1.setText("京政发");
    EXPECT_EQ(form.ComboBox1.itemIndex(), -1);
    EXPECT_TRUE(form.events.empty()) << "code fires no combo event";
}

TEST_F(ListControlTest, ChoosingFiresClickThenChangeAndTypingFiresChange) {
    form.ComboBox1.setItems({"一月", "二月"});
    form.ComboBox1.userPick(1);
    form.ComboBox1.userType("x");
    form.ComboBox1.userPick(5);
    EXPECT_EQ(form.events, (std::vector<std::string>{"click 二月", "change 二月", "change 二月x"}));
    EXPECT_EQ(form.ComboBox1.itemIndex(), -1);
}

TEST_F(ListControlTest, ADropDownListHoldsOnlyItsItems) {
    form.ComboBox4.setItems({"-5", "0", "＋5", "＋10"});
    form.ComboBox4.setItemIndex(1);
    EXPECT_EQ(form.ComboBox4.text(), "0");
    form.ComboBox4.userType("7");
    EXPECT_EQ(form.ComboBox4.text(), "0") << "typing does not go into a drop-down list";
    form.ComboBox4.setText("＋10");
    EXPECT_EQ(form.ComboBox4.itemIndex(), 3);
    form.ComboBox4.setText("12");
    EXPECT_EQ(form.ComboBox4.itemIndex(), -1);
    EXPECT_EQ(form.ComboBox4.text(), "");
}

TEST_F(ListControlTest, ListSelectionFollowsDeletions) {
    form.ListBox1.setItems({"a", "b", "c", "d"});
    form.ListBox1.userSelect(2);
    form.ListBox1.deleteItem(0);
    EXPECT_EQ(form.ListBox1.itemIndex(), 1);
    EXPECT_EQ(form.ListBox1.item(1), "c");
    form.ListBox1.setItem(1, "C");
    EXPECT_EQ(form.ListBox1.itemIndex(), 1) << "a replaced item stays selected";
    form.ListBox1.deleteItem(1);
    EXPECT_EQ(form.ListBox1.itemIndex(), -1);
    EXPECT_THROW(form.ListBox1.deleteItem(5), ui::Error);
    form.ListBox1.userDoubleClick();
    form.ListBox1.addItem("e");
    EXPECT_EQ(form.ListBox1.items(), (std::vector<std::string>{"b", "d", "e"}));
    EXPECT_EQ(form.events, (std::vector<std::string>{"list click 2", "list double-click"}));
}
