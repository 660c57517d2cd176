// Pages, sections and line moves of the layout model, read through Selection.Information and the Move
// methods on the official page: 22 lines of 28 characters, the first line of a paragraph indented two.
#include "tests/platform/automation/PagedFixture.h"
#include "tests/support/TempFolder.h"

namespace {

constexpr int FullPage = 26 + 28 * 21; // a paragraph that fills page 1 to its last line

TEST_F(PagedTest, LinesOf28CharactersFill22LinesAPage) {
    writeParagraphs({FullPage, 10});
    EXPECT_EQ(selection.Information(3), 1);
    EXPECT_EQ(selection.Information(4), 2);
    placeCursor(FullPage); // the mark of the first paragraph, on its last line
    EXPECT_EQ(selection.Information(3), 1);
    placeCursor(FullPage + 1);
    EXPECT_EQ(selection.Information(3), 2);
    EXPECT_EQ(selection.Information(1), 2);
    EXPECT_EQ(selection.Information(2), 1);
    EXPECT_THROW(selection.Information(5), automation::Error);
}

TEST_F(PagedTest, GoingToAPageStandsAtItsFirstLine) {
    writeParagraphs({FullPage, 10, FullPage});
    selection.GoTo(1, 1, 2);
    EXPECT_EQ(selection.start(), FullPage + 1);
    EXPECT_EQ(selection.end(), FullPage + 1);
    EXPECT_EQ(selection.Information(3), 2);
    // The third paragraph goes on from page 2 onto page 3.
    selection.GoTo(1, 1, 3);
    EXPECT_EQ(selection.Information(3), 3);
    EXPECT_EQ(selection.start(), FullPage + 1 + 11 + 26 + 28 * 20);
    selection.GoTo(1, 1, 9);
    EXPECT_EQ(selection.Information(3), 3);
    selection.GoTo(1, 1, 0);
    EXPECT_EQ(selection.start(), 0);
    EXPECT_THROW(selection.GoTo(2, 1, 1), automation::Error);
    EXPECT_THROW(selection.GoTo(1, 2, 1), automation::Error);
}

TEST_F(PagedTest, MovingDownAndUpKeepsTheColumn) {
    writeParagraphs({100, 5});
    placeCursor(3);
    EXPECT_EQ(selection.MoveDown(5, 1), 1);
    EXPECT_EQ(selection.start(), 26 + 3);
    EXPECT_EQ(selection.MoveDown(5, 2), 2);
    EXPECT_EQ(selection.start(), 26 + 28 + 28 + 3); // the fourth line holds 18 characters
    EXPECT_EQ(selection.MoveDown(), 1);             // into the second paragraph
    EXPECT_EQ(selection.start(), 101 + 3);
    EXPECT_EQ(selection.MoveDown(5, 4), 0); // the last line
    EXPECT_EQ(selection.MoveUp(5, 4), 4);
    EXPECT_EQ(selection.start(), 3);
    EXPECT_EQ(selection.MoveUp(4, 1), 1); // to the start of the paragraph
    EXPECT_EQ(selection.start(), 0);
    EXPECT_EQ(selection.MoveDown(4, 1), 1);
    EXPECT_EQ(selection.start(), 101);
    EXPECT_THROW(selection.MoveDown(1, 1), automation::Error);
}

TEST_F(PagedTest, LineMovesCrossAPageBreak) {
    writeParagraphs({FullPage, 40});
    int lastLine = 26 + 28 * 20;
    placeCursor(lastLine + 5);
    ASSERT_EQ(selection.Information(3), 1);
    EXPECT_EQ(selection.MoveDown(5, 1), 1);
    EXPECT_EQ(selection.start(), FullPage + 1 + 5);
    EXPECT_EQ(selection.Information(3), 2);
    EXPECT_EQ(selection.MoveDown(5, 4), 1); // the second paragraph has two lines
    EXPECT_EQ(selection.start(), FullPage + 1 + 26 + 5);
    EXPECT_EQ(selection.MoveUp(5, 2), 2);
    EXPECT_EQ(selection.start(), lastLine + 5);
    EXPECT_EQ(selection.Information(3), 1);
    // Extending up from there selects the lines in between.
    EXPECT_EQ(selection.MoveDown(5, 1, 1), 1);
    EXPECT_EQ(selection.start(), lastLine + 5);
    EXPECT_EQ(selection.end(), FullPage + 1 + 5);
}

TEST_F(PagedTest, APageBreakAndPageBreakBeforeStartNewPages) {
    writeParagraphs({10, 10, 10});
    placeCursor(5);
    selection.InsertBreak(7);
    EXPECT_EQ(selection.start(), 6);
    EXPECT_EQ(selection.Information(3), 2);
    placeCursor(12);
    EXPECT_EQ(selection.Information(3), 2);
    EXPECT_EQ(doc.Paragraphs().Count(), 3);
    EXPECT_NE(part("word/document.xml").find("<w:br w:type=\"page\"/>"), std::string::npos);
}

TEST_F(PagedTest, ThreeSectionsWithALandscapeOneNumberTheirPages) {
    writeParagraphs({FullPage, 100, 300});
    placeCursor(FullPage);
    selection.InsertBreak(2);
    int landscapeStart = selection.start();
    EXPECT_EQ(landscapeStart, FullPage + 1);
    placeCursor(landscapeStart + 1 + 100);
    selection.InsertBreak(2);
    int portraitStart = selection.start();
    pagedtest::turnToA4Landscape(doc.Sections().Item(2).PageSetup());
    ASSERT_EQ(doc.Sections().Count(), 3);

    placeCursor(0);
    EXPECT_EQ(selection.Information(2), 1);
    EXPECT_EQ(selection.Information(3), 1);
    placeCursor(landscapeStart);
    EXPECT_EQ(selection.Information(2), 2);
    EXPECT_EQ(selection.Information(3), 2);
    // The landscape type area holds 40 characters a line: the second line of the 100 characters starts
    // 38 characters in.
    EXPECT_EQ(selection.MoveDown(5, 2), 2);
    EXPECT_EQ(selection.start(), landscapeStart + 1 + 38);
    placeCursor(portraitStart);
    EXPECT_EQ(selection.Information(2), 3);
    EXPECT_EQ(selection.Information(3), 3);
    EXPECT_EQ(selection.Information(4), 3);

    // Text that grows the first section by a page moves the others on.
    doc.Paragraphs().Item(1).Range().InsertBefore(pagedtest::chineseText(28));
    placeCursor(portraitStart + 28);
    EXPECT_EQ(selection.Information(3), 4);
    // A restart of the numbering shows in the page's number, not in its count.
    doc.Sections().Item(3).Footers().Item(1).PageNumbers().setStartingNumber(1);
    EXPECT_EQ(selection.Information(1), 1);
    EXPECT_EQ(selection.Information(3), 4);
}

TEST_F(PagedTest, ALandscapeSectionHolds15LinesAPage) {
    writeParagraphs({10});
    pagedtest::turnToA4Landscape(doc.Sections().Item(1).PageSetup());
    doc.Paragraphs().Item(1).Range().InsertBefore(std::string(14, '\r'));
    placeCursor(14);
    EXPECT_EQ(selection.Information(3), 1);
    doc.Paragraphs().Item(1).Range().InsertBefore("\r");
    placeCursor(15);
    EXPECT_EQ(selection.Information(3), 2);
}

TEST_F(PagedTest, SectionsThatStartOnEvenOrOddPagesPutInABlankPage) {
    writeParagraphs({10, 10, 10});
    placeCursor(10);
    selection.InsertBreak(5); // odd page: page 2 would be even
    EXPECT_EQ(selection.Information(3), 3);
    EXPECT_EQ(doc.Sections().Item(2).PageSetup().sectionStart(), 4);
    placeCursor(22);
    selection.InsertBreak(3); // continuous
    EXPECT_EQ(selection.Information(3), 3);
    EXPECT_EQ(selection.Information(2), 3);
}

TEST_F(PagedTest, TableRowsAreAsHighAsTheirHighestCell) {
    testsupport::TempFolder folder;
    automation::Document slots =
        app.Documents().Add(wordproctest::buildTestTemplate(folder.path(), "slots", "slots.dqx"));
    automation::Selection inSlots = app.Selection();
    // 21 empty lines in front of the table push its second row onto page 2.
    slots.Paragraphs().Item(1).Range().InsertBefore(std::string(11, '\r'));
    automation::Range secondRow = slots.Tables().Item(1).Cell(2, 1).Range();
    secondRow.Select();
    inSlots.MoveLeft(); // to the start of the cell
    EXPECT_EQ(inSlots.Information(3), 2);
    slots.Tables().Item(1).Cell(1, 2).Range().Select();
    EXPECT_EQ(inSlots.Information(3), 1);
}

} // namespace
