// The list editors: loading, saving, cancelling, and missing or unwritable list files.
#include "tests/composer/support/FormFixture.h"

#include "composer/core/ListEditors.h"
#include "composer/core/ListFile.h"
#include "composer/windows/TForm18.h"
#include "composer/windows/TForm19.h"
#include "composer/windows/TForm20.h"

using namespace composer;
using Entries = std::vector<std::string>;

namespace {

class ListEditorsTest : public FormTest {
protected:
    // A document form that owns the editors.
    ui::Form& owner = ui::createForm<TDocument>(nullptr);
    std::string cannotOpen(const std::string& suffix) const {
        return "Test program: Cannot open file \"" + iniPath() + suffix + "\". No such file or directory.";
    }
    // Runs the editor modally; the step is what the user does in it.
    template <class Editor> bool edit(const std::function<void(Editor&)>& step) {
        then([&](ui::Form& form) { step(dynamic_cast<Editor&>(form)); });
        return showListEditor<Editor>(owner);
    }
};

void confirm(ui::Button& ok) {
    ok.form().pressDefaultButton();
}

} // namespace

TEST_F(ListEditorsTest, TheAbbreviationEditorLoadsAndSavesTheWholeList) {
    writeList(".jg", "某府\r\n某办\n\r\n某委");
    EXPECT_TRUE(edit<TForm18>([&](TForm18& e) {
        EXPECT_EQ(e.caption(), "常用机关代字设置");
        EXPECT_EQ(e.Label1.caption(), "请输入常用机关代字：");
        EXPECT_EQ(e.Label2.caption(), "(以行为单位分隔)");
        EXPECT_EQ(e.owner(), &owner);
        EXPECT_EQ(e.Memo1.text(), "某府\r\n某办\r\n\r\n某委");
        e.Memo1.userType("\n某局");
        confirm(e.Button1);
    }));
    EXPECT_EQ(readList(".jg"), "某府\r\n某办\r\n\r\n某委\r\n某局");
    EXPECT_EQ(readListFile(iniPath() + ".jg"), (Entries{"某府", "某办", "", "某委", "某局"}));
    EXPECT_TRUE(messages.empty());
}

TEST_F(ListEditorsTest, TwoLinesSaveWithOneBreakAndAnEmptyBoxSavesAnEmptyFile) {
    writeList(".qf", "张三\r\n");
    EXPECT_TRUE(edit<TForm20>([&](TForm20& e) {
        EXPECT_EQ(e.caption(), "常用签发人设置");
        EXPECT_EQ(e.Label1.caption(), "请输入常用签发人姓名：");
        e.Memo1.userSetText("张三\n李四");
        confirm(e.Button1);
    }));
    EXPECT_EQ(readList(".qf"), "张三\r\n李四");
    EXPECT_TRUE(edit<TForm20>([&](TForm20& e) {
        e.Memo1.clear();
        confirm(e.Button1);
    }));
    EXPECT_EQ(readList(".qf"), "");
    EXPECT_EQ(readListFile(iniPath() + ".qf"), Entries{});
}

TEST_F(ListEditorsTest, CancelLeavesTheFilesUntouched) {
    writeList(".jg", "某府\r\n");
    EXPECT_FALSE(edit<TForm18>([&](TForm18& e) {
        e.Memo1.clear();
        user([&] { e.Button2.userClick(); });
    }));
    EXPECT_EQ(readList(".jg"), "某府\r\n");
    EXPECT_FALSE(edit<TForm19>([&](TForm19& e) {
        e.Memo1.userType("甲");
        user([&] { e.pressCancelButton(); }); // Escape
    }));
    EXPECT_FALSE(exists(iniPath() + ".l"));
    EXPECT_FALSE(exists(iniPath() + ".r"));
}

TEST_F(ListEditorsTest, AMissingFileIsReportedTheBoxStaysEmptyAndOkCreatesIt) {
    EXPECT_TRUE(edit<TForm18>([&](TForm18& e) {
        EXPECT_EQ(messages, std::vector<std::string>{cannotOpen(".jg")}) << "shown while the window is made";
        EXPECT_EQ(e.Memo1.text(), "");
        confirm(e.Button1);
    }));
    EXPECT_TRUE(exists(iniPath() + ".jg"));
    EXPECT_EQ(readList(".jg"), "");
}

TEST_F(ListEditorsTest, TheNumberEditorLoadsItsTwoFilesIndependently) {
    writeList(".r", "号\r\n字");
    EXPECT_TRUE(edit<TForm19>([&](TForm19& e) {
        EXPECT_EQ(e.caption(), "常用编号设置");
        EXPECT_EQ(e.Label2.caption(), "编号左侧：");
        EXPECT_EQ(e.Label3.caption(), "编号右侧：");
        EXPECT_EQ(messages, std::vector<std::string>{cannotOpen(".l")});
        EXPECT_EQ(e.Memo1.text(), "");
        EXPECT_EQ(e.Memo2.text(), "号\r\n字");
        e.Memo1.userType("某纪");
        e.Memo2.userType("\n");
        confirm(e.Button1);
    }));
    EXPECT_EQ(readList(".l"), "某纪");
    EXPECT_EQ(readList(".r"), "号\r\n字\r\n");
    EXPECT_EQ(readListFile(iniPath() + ".r"), (Entries{"号", "字"}));
}

TEST_F(ListEditorsTest, AFileThatCannotBeWrittenIsReportedAndTheEditorStillCloses) {
    writeList(".l", "甲");
    blockWithFolder(iniPath() + ".r");
    EXPECT_TRUE(edit<TForm19>([&](TForm19& e) {
        EXPECT_EQ(messages.size(), 1u) << "the right list cannot be read";
        e.Memo1.userType("乙");
        e.Memo2.userType("丙");
        user([&] { e.Button1.userClick(); });
    }));
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].rfind("Test program: Cannot create file", 0), 0u) << messages[1];
    EXPECT_EQ(readList(".l"), "甲乙") << "the left list was written first";
}

TEST_F(ListEditorsTest, AListThatExistsButCannotBeReadIsNotWipedByOk) {
    blockWithFolder(iniPath() + ".qf");
    EXPECT_TRUE(edit<TForm20>([&](TForm20& e) {
        EXPECT_EQ(messages.size(), 1u);
        confirm(e.Button1);
    }));
    EXPECT_EQ(messages.size(), 1u) << "nothing was written, so nothing failed";
    EXPECT_TRUE(exists(iniPath() + ".qf/blocked"));
}
