// The recipient picker and its caller protocol: composing the result, and keeping the unit list.
#include "tests/composer/support/FormFixture.h"

#include "composer/core/ListFile.h"
#include "composer/windows/RecipientPicker.h"
#include "composer/windows/TForm21.h"
#include "platform/ui/Edit.h"

using namespace composer;
using Entries = std::vector<std::string>;

namespace {

class RecipientPickerTest : public FormTest {
protected:
    RecipientPickerTest() { writeList(".fs", "市政府办公室\r\n市财政局\r\n市教育局\r\n"); }

    ui::Form& document = ui::createForm<TDocument>(nullptr);
    ui::Edit& field = document.add<ui::Edit>("Edit9");

    // Runs the picker for the field; the step is what the user does in it.
    bool pick(UnitRole role, const std::function<void(TForm21&)>& step) {
        then([&](ui::Form& form) { step(dynamic_cast<TForm21&>(form)); });
        return PickUnits(document, field, role);
    }
    Entries storedUnits() const { return readListFile(iniPath() + ".fs"); }
};

void choose(TForm21& p, int index) {
    p.ListBox1.userSelect(index);
    p.Button1.userClick();
}

} // namespace

TEST_F(RecipientPickerTest, EachRoleTitlesThePicker) {
    const std::tuple<UnitRole, const char*, const char*, const char*> roles[] = {
        {UnitRole::MainRecipients, "选择主送单位", "主送单位如下：", "添加为主送单位"},
        {UnitRole::CopyTo, "选择抄送单位", "抄送单位如下：", "添加为抄送单位"},
        {UnitRole::Distribution, "选择分送单位", "分送单位如下：", "添加为分送单位"},
        {UnitRole::SendTo, "选择发送单位", "发送单位如下：", "添加为发送单位"}};
    for (const auto& [role, caption, label, hint] : roles)
        pick(role, [&](TForm21& p) {
            EXPECT_EQ(p.caption(), caption);
            EXPECT_EQ(p.Label1.caption(), label);
            EXPECT_EQ(p.Button1.hint(), hint);
            EXPECT_EQ(p.owner(), &document);
            p.close();
        });
}

TEST_F(RecipientPickerTest, PickedUnitsAreJoinedByAFullWidthComma) {
    EXPECT_TRUE(pick(UnitRole::MainRecipients, [&](TForm21& p) {
        EXPECT_EQ(p.ListBox1.items(), (Entries{"市政府办公室", "市财政局", "市教育局"}));
        EXPECT_FALSE(p.Button1.enabled());
        choose(p, 0);
        EXPECT_TRUE(p.Button1.enabled());
        choose(p, 2);
        p.ListBox1.userSelect(1);
        p.ListBox1.userDoubleClick();
        EXPECT_EQ(p.Memo2.text(), "市财政局");
        user([&] { p.Button5.userClick(); });
    }));
    EXPECT_EQ(field.text(), "市政府办公室，市教育局，市财政局");
}

TEST_F(RecipientPickerTest, AHandTypedResultIsKeptAndExtended) {
    field.setText("各区县人民政府");
    EXPECT_TRUE(pick(UnitRole::CopyTo, [&](TForm21& p) {
        EXPECT_EQ(p.Memo1.text(), "各区县人民政府");
        p.Memo1.userType("、市直各部门");
        choose(p, 1);
        user([&] { p.pressDefaultButton(); });
    }));
    EXPECT_EQ(field.text(), "各区县人民政府、市直各部门，市财政局");
}

TEST_F(RecipientPickerTest, CancelKeepsTheFieldButNotTheListChanges) {
    field.setText("原有");
    EXPECT_FALSE(pick(UnitRole::SendTo, [&](TForm21& p) {
        choose(p, 0);
        p.ListBox1.userSelect(2);
        user([&] { p.Button3.userClick(); });
        user([&] { p.Button4.userClick(); });
    }));
    EXPECT_EQ(field.text(), "原有");
    EXPECT_EQ(storedUnits(), (Entries{"市政府办公室", "市财政局"}));
}

TEST_F(RecipientPickerTest, AddingWritesTheWholeListWithABreakAfterEachUnit) {
    pick(UnitRole::SendTo, [&](TForm21& p) {
        headless->queueInputAnswer("市卫健委");
        user([&] { p.Button2.userClick(); });
        ASSERT_TRUE(headless->lastMessage() == std::nullopt);
        EXPECT_EQ(p.ListBox1.items().back(), "市卫健委");
        p.close();
    });
    EXPECT_EQ(readList(".fs"), "市政府办公室\r\n市财政局\r\n市教育局\r\n市卫健委\r\n");
}

TEST_F(RecipientPickerTest, ACancelledAddWritesNothing) {
    std::filesystem::remove(iniPath() + ".fs");
    pick(UnitRole::SendTo, [&](TForm21& p) {
        headless->queueInputAnswer(std::nullopt);
        user([&] { p.Button2.userClick(); });
        user([&] { p.Button3.userClick(); }); // nothing selected: nothing deleted
        p.close();
    });
    EXPECT_FALSE(exists(iniPath() + ".fs")) << "a missing list is not created empty";
}

TEST_F(RecipientPickerTest, AMissingListIsReportedAndTheFirstAddCreatesIt) {
    std::filesystem::remove(iniPath() + ".fs");
    pick(UnitRole::SendTo, [&](TForm21& p) {
        EXPECT_EQ(messages, std::vector<std::string>{"Test program: Cannot open file \"" + iniPath() +
                                                     ".fs\". No such file or directory."});
        EXPECT_EQ(p.ListBox1.itemCount(), 0);
        headless->queueInputAnswer("市审计局");
        user([&] { p.Button2.userClick(); });
        p.close();
    });
    EXPECT_EQ(storedUnits(), Entries{"市审计局"});
}

TEST_F(RecipientPickerTest, EditingReplacesTheSelectedUnitOrPutsADeletedOneBackAtTheEnd) {
    pick(UnitRole::SendTo, [&](TForm21& p) {
        p.ListBox1.userSelect(1);
        p.Memo2.userSetText("市财政局（国资委）");
        user([&] { p.Button6.userClick(); });
        EXPECT_EQ(p.ListBox1.itemIndex(), 1);
        EXPECT_EQ(storedUnits(), (Entries{"市政府办公室", "市财政局（国资委）", "市教育局"}));

        p.ListBox1.userSelect(0);
        user([&] { p.Button3.userClick(); });
        EXPECT_EQ(storedUnits(), (Entries{"市财政局（国资委）", "市教育局"}));
        user([&] { p.Button1.userClick(); });
        EXPECT_EQ(p.Memo1.text(), "") << "\"<<\" with nothing selected does nothing";
        user([&] { p.Button6.userClick(); });
        EXPECT_EQ(storedUnits(), (Entries{"市财政局（国资委）", "市教育局", "市政府办公室"}));
        p.close();
    });
}

TEST_F(RecipientPickerTest, AnEditWithALineBreakBecomesTwoUnitsWhenLoadedAgain) {
    pick(UnitRole::SendTo, [&](TForm21& p) {
        p.ListBox1.userSelect(2);
        p.Memo2.userSetText("市教育局\n市体育局");
        user([&] { p.Button6.userClick(); });
        p.close();
    });
    pick(UnitRole::SendTo, [&](TForm21& p) {
        EXPECT_EQ(p.ListBox1.items(), (Entries{"市政府办公室", "市财政局", "市教育局", "市体育局"}));
        p.close();
    });
}

TEST_F(RecipientPickerTest, AListThatCannotBeWrittenIsReportedAndTheWindowKeepsTheChange) {
    pick(UnitRole::SendTo, [&](TForm21& p) {
        std::filesystem::remove(iniPath() + ".fs");
        blockWithFolder(iniPath() + ".fs");
        headless->queueInputAnswer("市审计局");
        user([&] { p.Button2.userClick(); });
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].rfind("Test program: Cannot create file", 0), 0u) << messages[0];
        EXPECT_EQ(p.ListBox1.items().back(), "市审计局");
        p.close();
    });
}
