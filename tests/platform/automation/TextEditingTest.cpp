#include "tests/platform/automation/SlotsFixture.h"

namespace {

TEST_F(SlotsTest, ParagraphsAreCountedInOrderWithTableCellsAndWithoutTextBoxes) {
    EXPECT_EQ(doc.Paragraphs().Count(), 30);
    EXPECT_EQ(paragraph(1), "\r");
    EXPECT_EQ(paragraph(2), "段2\r");
    EXPECT_EQ(paragraph(10), "段10\r");
    EXPECT_EQ(paragraph(11), "甲\r\a");
    EXPECT_EQ(paragraph(12), "乙\r\a");
    EXPECT_EQ(paragraph(13), "丙一\r");
    EXPECT_EQ(paragraph(14), "丙二\r\a");
    EXPECT_EQ(paragraph(15), "\r\a");
    EXPECT_EQ(paragraph(16), "段16\r");
    EXPECT_EQ(paragraph(30), "末段\r");
    EXPECT_THROW(doc.Paragraphs().Item(0), automation::Error);
    EXPECT_THROW(doc.Paragraphs().Item(31), automation::Error);
}

TEST_F(SlotsTest, EachRowCountsItsOwnCells) {
    automation::Table table = doc.Tables().Item(1);
    EXPECT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.cellCount(1), 2);
    EXPECT_EQ(table.cellCount(2), 2);
    EXPECT_EQ(table.cellCount(3), 0);
    EXPECT_EQ(table.cellCount(0), 0);
}

TEST_F(SlotsTest, InsertBeforeWithBreaksMovesOnlyTheParagraphsBehindIt) {
    paragraphRange(10).InsertBefore("一\r二\r");
    EXPECT_EQ(doc.Paragraphs().Count(), 32);
    EXPECT_EQ(paragraph(9), "段9\r");
    EXPECT_EQ(paragraph(10), "一\r");
    EXPECT_EQ(paragraph(11), "二\r");
    EXPECT_EQ(paragraph(12), "段10\r");
    EXPECT_EQ(paragraph(13), "甲\r\a");
    EXPECT_EQ(paragraph(32), "末段\r");
}

TEST_F(SlotsTest, InsertAfterAMiddleParagraphGoesToTheStartOfTheNextOne) {
    paragraphRange(2).InsertAfter("后");
    EXPECT_EQ(paragraph(2), "段2\r");
    EXPECT_EQ(paragraph(3), "后段3\r");
    paragraphRange(5).InsertAfter("\r（共印5份）");
    EXPECT_EQ(doc.Paragraphs().Count(), 31);
    EXPECT_EQ(paragraph(5), "段5\r");
    EXPECT_EQ(paragraph(6), "\r");
    EXPECT_EQ(paragraph(7), "（共印5份）段6\r");
}

TEST_F(SlotsTest, InsertAfterTheLastParagraphGoesInFrontOfItsMark) {
    paragraphRange(30).InsertAfter("\r尾声");
    EXPECT_EQ(doc.Paragraphs().Count(), 31);
    EXPECT_EQ(paragraph(30), "末段\r");
    EXPECT_EQ(paragraph(31), "尾声\r");
}

TEST_F(SlotsTest, InsertAfterTheLastParagraphOfACellStaysInTheCell) {
    paragraphRange(11).InsertAfter("\r（共印3份）");
    EXPECT_EQ(paragraph(11), "甲\r");
    EXPECT_EQ(paragraph(12), "（共印3份）\r\a");
    EXPECT_EQ(paragraph(13), "乙\r\a");
    EXPECT_EQ(doc.Tables().Item(1).Cell(1, 1).Range().text(), "甲\r（共印3份）\r\a");
    // The row still has two cells: the text did not leak into a new one.
    EXPECT_EQ(doc.Tables().Item(1).Cell(1, 2).Range().text(), "乙\r\a");
}

TEST_F(SlotsTest, NewParagraphsKeepTheFormatOfTheParagraphTheySplit) {
    // Paragraph 3 is centred and its text bold.
    paragraphRange(3).InsertBefore("新\r");
    EXPECT_EQ(paragraph(3), "新\r");
    EXPECT_EQ(paragraphRange(3).ParagraphFormat().alignment(), 1);
    EXPECT_EQ(paragraphRange(4).ParagraphFormat().alignment(), 1);
    EXPECT_TRUE(paragraphRange(3).Font().bold());
    // Paragraph 4 of the template (now 5) has a first-line indent of two characters.
    paragraphRange(5).InsertBefore("前\r");
    EXPECT_FLOAT_EQ(paragraphRange(5).ParagraphFormat().characterUnitFirstLineIndent(), 2.0f);
    EXPECT_FLOAT_EQ(paragraphRange(6).ParagraphFormat().characterUnitFirstLineIndent(), 2.0f);
    // Behind a whole paragraph the break splits the next one, which gives its own format.
    paragraphRange(6).InsertAfter("\r");
    EXPECT_FLOAT_EQ(paragraphRange(7).ParagraphFormat().characterUnitFirstLineIndent(), 0.0f);
    EXPECT_EQ(paragraph(7), "\r");
}

TEST_F(SlotsTest, InsertedTextTakesTheFormatAtTheInsertionPoint) {
    // Paragraph 4 is 楷体 14 pt; paragraph 7 is empty and its mark is 黑体 22 pt.
    paragraphRange(4).InsertBefore("前");
    EXPECT_EQ(doc.Range(7, 8).text(), "前");
    EXPECT_EQ(doc.Range(7, 8).Font().name(), "楷体");
    EXPECT_FLOAT_EQ(doc.Range(7, 8).Font().size(), 14.0f);
    paragraphRange(7).InsertBefore("空段");
    automation::Range filled = paragraphRange(7);
    EXPECT_EQ(filled.text(), "空段\r");
    EXPECT_EQ(doc.Range(filled.start(), filled.start() + 1).Font().name(), "黑体");
    EXPECT_FLOAT_EQ(doc.Range(filled.start(), filled.start() + 1).Font().size(), 22.0f);
    // Behind the last character of a paragraph the text takes that character's format.
    paragraphRange(30).InsertAfter("续");
    EXPECT_EQ(paragraph(30), "末段续\r");
}

TEST_F(SlotsTest, CrLfCrAndLfEachMakeOneParagraphBreak) {
    paragraphRange(2).InsertBefore("a\r\nb\nc\rd");
    EXPECT_EQ(doc.Paragraphs().Count(), 33);
    EXPECT_EQ(paragraph(2), "a\r");
    EXPECT_EQ(paragraph(3), "b\r");
    EXPECT_EQ(paragraph(4), "c\r");
    EXPECT_EQ(paragraph(5), "d段2\r");
    // Tabs and line breaks inside a paragraph stay characters of it.
    paragraphRange(6).InsertBefore("x\ty\vz");
    EXPECT_EQ(paragraph(6), "x\ty\vz段3\r");
}

TEST_F(SlotsTest, RangesMoveWithTheTextInFrontOfThem) {
    automation::Range fifth = paragraphRange(5);
    automation::Range second = paragraphRange(2);
    second.InsertBefore("甲\r");
    EXPECT_EQ(fifth.text(), "段5\r");
    EXPECT_EQ(second.text(), "甲\r段2\r");
    second.InsertBefore("乙");
    EXPECT_EQ(paragraph(2), "乙甲\r");
    // A range reused for several insertions keeps inserting at the slot, in front of what it put there.
    automation::Range slot = paragraphRange(10);
    for (const char* line : {"三\r", "二\r", "一\r"})
        slot.InsertBefore(line);
    EXPECT_EQ(paragraph(10), "一\r");
    EXPECT_EQ(paragraph(11), "二\r");
    EXPECT_EQ(paragraph(12), "三\r");
}

TEST_F(SlotsTest, ReplacingTextKeepsCellsFramesAndBookmarks) {
    automation::Range cell = doc.Tables().Item(1).Cell(2, 1).Range();
    cell.setText("新");
    EXPECT_EQ(cell.text(), "新\r\a");
    EXPECT_EQ(doc.Paragraphs().Count(), 29);
    EXPECT_EQ(paragraph(13), "新\r\a");
    EXPECT_EQ(paragraph(14), "\r\a");

    automation::Range frame = doc.Shapes().Item(6).TextFrame().TextRange();
    EXPECT_EQ(frame.text(), "框内\r");
    frame.setText("第一\r第二");
    EXPECT_EQ(doc.Shapes().Item(6).TextFrame().TextRange().text(), "第一\r第二\r");
    EXPECT_EQ(doc.Paragraphs().Count(), 29);

    automation::Range mark = doc.Bookmarks().Item("mark").Range();
    EXPECT_EQ(mark.text(), "段18");
    mark.setText("新书签");
    EXPECT_EQ(doc.Bookmarks().Item("mark").Range().text(), "新书签");
    doc.Bookmarks().Item("empty").Range().setText("补");
    EXPECT_EQ(doc.Bookmarks().Item("empty").Range().text(), "补");
    EXPECT_EQ(paragraph(18), "段19补\r");
    EXPECT_THROW(doc.Bookmarks().Item("nothing"), automation::Error);
    EXPECT_TRUE(doc.Bookmarks().Exists("mark"));
}

TEST_F(SlotsTest, BookmarksByIndexInDocumentOrder) {
    automation::Bookmarks bookmarks = doc.Bookmarks();
    ASSERT_EQ(bookmarks.Count(), 2);
    EXPECT_EQ(bookmarks.Item(1).name(), "mark");
    EXPECT_EQ(bookmarks.Item(2).name(), "empty");
    EXPECT_EQ(bookmarks.Item(1).Range().text(), "段18");
    EXPECT_THROW(bookmarks.Item(0), automation::Error);
    EXPECT_THROW(bookmarks.Item(3), automation::Error);
}

} // namespace
