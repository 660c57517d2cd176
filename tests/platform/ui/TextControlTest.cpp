// Edits, memos and the rich edit: the key filter, change events, lines and the edit menu.
#include "HeadlessFixture.h"

#include "platform/ui/Edit.h"
#include "platform/ui/Memo.h"

namespace {

class Fields : public ui::Form {
public:
    explicit Fields(ui::Form* owner)
        : ui::Form("TFields", owner), Edit1(add<ui::Edit>("Edit1")), Memo1(add<ui::Memo>("Memo1")),
          Memo2(add<ui::RichEdit>("Memo2")) {
        Edit1.OnKeyPress = [this](char32_t& key) { Edit1KeyPress(key); };
        Edit1.OnChange = [this] { changes.push_back(Edit1.text()); };
        Memo1.OnChange = [this] { ++memoChanges; };
    }
    ui::Edit& Edit1;
    ui::Memo& Memo1;
    ui::RichEdit& Memo2;
    std::vector<std::string> changes;
    int memoChanges = 0;

private:
    // The forms' digit filter: backspace, "." and digits pass.
    void Edit1KeyPress(char32_t& key) {
        if (key != 8 && key != U'.' && (key < U'0' || key > U'9'))
            key = 0;
    }
};

class TextControlTest : public HeadlessTest {
protected:
    Fields& form = ui::createForm<Fields>(nullptr);
};

} // namespace

TEST_F(TextControlTest, TheKeyFilterSwallowsCharactersAndBackspaceDeletes) {
    form.Edit1.userType("1a2.b");
    form.Edit1.userKey(ui::KeyBackspace);
    form.Edit1.userType("3年");
    EXPECT_EQ(form.Edit1.text(), "123");
    EXPECT_EQ(form.changes, (std::vector<std::string>{"1", "12", "12.", "12", "123"}))
        << "one change a character that got in";
}

TEST_F(TextControlTest, TheKeyFilterCanReplaceACharacter) {
    form.Memo1.OnKeyPress = [](char32_t& key) {
        if (key == U'，')
            key = U',';
    };
    form.Memo1.userType("甲，乙");
    EXPECT_EQ(form.Memo1.text(), "甲,乙");
    // A read-only control still sees the key but takes nothing.
    int seen = 0;
    form.Memo1.OnKeyPress = [&](char32_t&) { ++seen; };
    form.Memo1.setReadOnly(true);
    form.Memo1.userType("丙");
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(form.Memo1.text(), "甲,乙");
}

TEST_F(TextControlTest, TheUsersWholeTextPassesTheFilterAndCodeChangesFireOnChange) {
    form.Edit1.userSetText("a1b2");
    EXPECT_EQ(form.Edit1.text(), "12");
    form.Edit1.setText("abc");
    form.Edit1.setText("abc");
    form.Edit1.setText("2011");
    EXPECT_EQ(form.changes, (std::vector<std::string>{"12", "abc", "2011"}))
        << "no event when the text stays";
    // The caret of text set by code is at its end.
    form.Edit1.userType("5");
    EXPECT_EQ(form.Edit1.text(), "20115");
    form.Edit1.setSelection(0, 2);
    form.Edit1.userType("3");
    EXPECT_EQ(form.Edit1.text(), "3115");
    form.Edit1.setSelection(1, 0);
    form.Edit1.userKey(ui::KeyBackspace);
    form.Edit1.userKey(ui::KeyBackspace);
    EXPECT_EQ(form.Edit1.text(), "115");
}

TEST_F(TextControlTest, MemoLinesFollowTheFrameworksRules) {
    EXPECT_EQ(form.Memo1.lineCount(), 0);
    form.Memo1.addLine("甲");
    form.Memo1.addLine("乙");
    EXPECT_EQ(form.Memo1.text(), "甲\r\n乙\r\n") << "lines added to an empty memo end with a break";
    EXPECT_EQ(form.Memo1.lineCount(), 2);

    form.Memo1.setText("a\r\nb");
    form.Memo1.addLine("c");
    EXPECT_EQ(form.Memo1.text(), "a\r\nb\r\nc") << "added after a new break when the text has none";

    form.Memo1.setText("  a \nb\r\r\n c ");
    EXPECT_EQ(form.Memo1.lines(), (std::vector<std::string>{"  a ", "b", "", " c "}));
    form.Memo1.setLine(0, "a");
    form.Memo1.setLine(3, "c");
    form.Memo1.setLine(2, "x");
    EXPECT_EQ(form.Memo1.text(), "a\nb\rx\r\nc") << "each line keeps its own break";
    EXPECT_EQ(form.Memo1.line(1), "b");
    EXPECT_THROW(form.Memo1.line(4), ui::Error);
    EXPECT_THROW(form.Memo1.setLine(-1, "x"), ui::Error);

    form.Memo1.setLines({"1", "", "3"});
    EXPECT_EQ(form.Memo1.text(), "1\r\n\r\n3");
    form.Memo1.clear();
    EXPECT_EQ(form.Memo1.lineCount(), 0);
    EXPECT_EQ(form.memoChanges, 10);
}

TEST_F(TextControlTest, TypedLineBreaksAreCrLfAndBackspaceTakesBothHalves) {
    form.Memo1.userType("a\nb");
    EXPECT_EQ(form.Memo1.text(), "a\r\nb");
    form.Memo1.userKey(ui::KeyBackspace);
    form.Memo1.userKey(ui::KeyBackspace);
    EXPECT_EQ(form.Memo1.text(), "a");
    form.Memo1.userSetText("x\ny\r\nz");
    EXPECT_EQ(form.Memo1.text(), "x\r\ny\r\nz");
}

TEST_F(TextControlTest, TheRichEditMenuCutsCopiesPastesDeletesAndSelectsAll) {
    std::vector<std::string> captions;
    for (const auto& item : form.Memo2.popupMenu().items())
        captions.push_back(item.caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"剪切", "复制", "粘帖", "", "删除", "全选", ""}));
    const auto menu = [&](const std::string& caption) { form.Memo2.popupMenu().find(caption)->OnClick(); };

    form.Memo2.setText("第一段\r\n第二段");
    form.Memo2.setSelection(0, 3);
    menu("复制");
    EXPECT_EQ(headless->clipboardText(), "第一段");
    form.Memo2.setSelection(5, 3);
    menu("剪切");
    EXPECT_EQ(form.Memo2.text(), "第一段\r\n");
    EXPECT_EQ(headless->clipboardText(), "第二段");
    menu("粘帖");
    menu("粘帖");
    EXPECT_EQ(form.Memo2.text(), "第一段\r\n第二段第二段");
    form.Memo2.setSelection(0, 2);
    menu("删除");
    EXPECT_EQ(form.Memo2.text(), "段\r\n第二段第二段");
    menu("全选");
    EXPECT_EQ(form.Memo2.selText(), form.Memo2.text());
    headless->setClipboardText("甲\n乙");
    menu("粘帖");
    EXPECT_EQ(form.Memo2.text(), "甲\r\n乙") << "pasted line breaks become the memo's own";
}

TEST_F(TextControlTest, PastedTextPassesTheKeyFilterAsTypedTextDoes) {
    form.Edit1.setText("9");
    form.Edit1.selectAll();
    headless->setClipboardText("1a2.三 3");
    form.Edit1.pasteFromClipboard();
    EXPECT_EQ(form.Edit1.text(), "12.3");
    EXPECT_EQ(form.changes.back(), "12.3");

    // A single-line edit takes the first line of a pasted text; a memo takes every line.
    headless->setClipboardText("45\r\n67");
    form.Edit1.pasteFromClipboard();
    EXPECT_EQ(form.Edit1.text(), "12.345");
    EXPECT_EQ(form.Memo1.filterPasted("a\rb\nc\r\nd\t"), "a\r\nb\r\nc\r\nd\t") << "a pasted tab is text";

    // A filter that swallows everything keeps the clipboard out too, line breaks included.
    form.Memo1.OnKeyPress = [](char32_t& key) { key = 0; };
    headless->setClipboardText("x\ny");
    form.Memo1.pasteFromClipboard();
    EXPECT_EQ(form.Memo1.text(), "");
}

TEST_F(TextControlTest, TabMovesOnUnlessTheMemoWantsTabs) {
    form.Memo1.userType("a\tb");
    form.Edit1.userType("1\t2");
    EXPECT_EQ(form.Memo1.text(), "ab");
    EXPECT_EQ(form.Edit1.text(), "12");
    EXPECT_FALSE(form.Memo2.wantTabs()) << "the rich edit moves on too";
    form.Memo1.setWantTabs(true);
    form.Memo1.userType("\tc");
    EXPECT_EQ(form.Memo1.text(), "ab\tc");
}
