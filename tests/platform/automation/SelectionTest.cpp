// The selection: character moves, typing with the format set on an insertion point, and selecting
// shapes, a shape's text and a table, as the add-in's commands do.
#include "tests/platform/automation/PagedFixture.h"
#include "tests/platform/automation/SlotsFixture.h"

namespace {

TEST_F(PagedTest, TheSelectionStartsAtTheDocumentsStartAndMovesByCharacters) {
    writeParagraphs({3, 2});
    EXPECT_EQ(selection.start(), 0);
    EXPECT_EQ(selection.MoveRight(), 1);
    EXPECT_EQ(selection.MoveRight(1, 3), 3); // over the paragraph mark into the next paragraph
    EXPECT_EQ(selection.start(), 4);
    EXPECT_EQ(selection.MoveRight(1, 10), 2); // never behind the last mark
    EXPECT_EQ(selection.start(), 6);
    EXPECT_EQ(selection.MoveRight(), 0);
    EXPECT_EQ(selection.MoveLeft(1, 4), 4);
    EXPECT_EQ(selection.start(), 2);
    EXPECT_EQ(selection.MoveLeft(1, 9), 2);
    EXPECT_EQ(selection.MoveLeft(), 0);
    EXPECT_THROW(selection.MoveLeft(5, 1), automation::Error);
    EXPECT_THROW(selection.MoveRight(1, 1, 2), automation::Error);
}

TEST_F(PagedTest, ASelectionCollapsesBeforeItMovesAndExtendsAtItsActiveEnd) {
    writeParagraphs({10});
    placeCursor(4);
    EXPECT_EQ(selection.MoveRight(1, 3, 1), 3);
    EXPECT_EQ(selection.text(), pagedtest::chineseText(7).substr(12));
    EXPECT_EQ(selection.MoveLeft(1, 5, 1), 5); // the active end passes the anchor
    EXPECT_EQ(selection.start(), 2);
    EXPECT_EQ(selection.end(), 4);
    EXPECT_EQ(selection.MoveRight(), 1); // collapses to the end
    EXPECT_EQ(selection.start(), 4);
    EXPECT_EQ(selection.end(), 4);
}

TEST_F(PagedTest, TypedTextReplacesTheSelectionAndTakesTheFormatSetBeforeIt) {
    writeParagraphs({4});
    placeCursor(4);
    selection.TypeParagraph();
    EXPECT_EQ(doc.Paragraphs().Count(), 2);
    EXPECT_EQ(selection.start(), 5);
    // The title line of a landscape page: the paragraph, then the font, then the text.
    selection.ParagraphFormat().setLineSpacingRule(4);
    selection.ParagraphFormat().setLineSpacing(35);
    selection.ParagraphFormat().setAlignment(1);
    selection.Font().setNameAscii("Times New Roman");
    selection.Font().setNameOther("Times New Roman");
    selection.Font().setName("标准公文_小标宋");
    selection.Font().setSize(22);
    EXPECT_EQ(selection.Font().size(), 22);
    selection.TypeText("请在此处输入表格标题");
    EXPECT_EQ(doc.Paragraphs().Item(2).Range().text(), "请在此处输入表格标题\r");
    automation::Range title = doc.Range(5, 15);
    EXPECT_EQ(title.Font().size(), 22);
    EXPECT_EQ(title.Font().name(), "标准公文_小标宋");
    EXPECT_EQ(title.Font().nameOther(), "标准公文_小标宋");
    EXPECT_EQ(title.ParagraphFormat().alignment(), 1);
    EXPECT_EQ(title.ParagraphFormat().lineSpacingRule(), 4);
    EXPECT_EQ(title.ParagraphFormat().lineSpacing(), 35);
    // The mark of the paragraph that was empty took the size too; the first paragraph kept its own.
    EXPECT_EQ(doc.Range(15, 16).Font().size(), 22);
    EXPECT_EQ(doc.Range(0, 1).Font().size(), 16);
    EXPECT_EQ(selection.start(), 15);

    doc.Range(0, 2).Select();
    selection.TypeText("甲");
    EXPECT_EQ(doc.Paragraphs().Item(1).Range().text(), "甲" + pagedtest::chineseText(4).substr(6) + "\r");
    selection.setText("乙丙");
    EXPECT_EQ(selection.text(), "乙丙");
    EXPECT_EQ(selection.start(), 1);
    expectValid();
}

TEST_F(PagedTest, ABreakTypedAtTheEndOfAParagraphsTextLeavesItsShapesWithIt) {
    writeParagraphs({10, 10});
    automation::Shape first = doc.Shapes().AddTextbox(1, 0, 0, 50, 20, doc.Paragraphs().Item(1).Range());
    automation::Shape second = doc.Shapes().AddTextbox(1, 0, 0, 50, 20, doc.Paragraphs().Item(2).Range());
    placeCursor(10); // behind the text, in front of the first box's anchor
    selection.TypeParagraph();
    selection.MoveLeft();
    selection.InsertBreak(2);
    EXPECT_EQ(doc.Paragraphs().Item(1).Range().ShapeRange().name(), first.name());
    EXPECT_EQ(doc.Sections().Item(1).Range().ShapeRange().Count(), 1);
    // At a paragraph's start the break goes in front of the whole paragraph, its shapes included.
    const int last = doc.Paragraphs().Count();
    placeCursor(doc.Paragraphs().Item(last).Range().start());
    selection.TypeParagraph();
    EXPECT_EQ(doc.Paragraphs().Item(last).Range().ShapeRange().Count(), 0);
    EXPECT_EQ(doc.Paragraphs().Item(last + 1).Range().ShapeRange().name(), second.name());
    expectValid();
}

TEST_F(SlotsTest, ABreakTypedAtTheEndOfABookmarksTextLeavesTheBookmarkAsItWas) {
    automation::Range marked = doc.Bookmarks().Item("mark").Range();
    marked.Select();
    app.Selection().MoveRight(); // the end of "段18", in front of the bookmark's end
    app.Selection().TypeParagraph();
    EXPECT_EQ(doc.Bookmarks().Item("mark").Range().text(), "段18");
}

TEST_F(SlotsTest, AShapeItsTextAndATableCanBeSelectedAndFormatted) {
    automation::Selection selection = app.Selection();
    // The masthead: a shape, then its text.
    doc.Shapes().Item("rule").Select();
    ASSERT_EQ(selection.ShapeRange().Count(), 1);
    EXPECT_EQ(selection.ShapeRange().name(), "rule");
    selection.ShapeRange().Line().setVisible(false);
    EXPECT_FALSE(doc.Shapes().Item(2).Line().visible());
    EXPECT_THROW(selection.TypeText("x"), automation::Error);

    doc.Shapes().Item("mast").TextFrame().TextRange().Select();
    EXPECT_EQ(selection.ShapeRange().name(), "mast");
    selection.Font().setColor(16777215);
    EXPECT_EQ(doc.Shapes().Item(1).TextFrame().TextRange().Font().color(), 16777215);
    selection.setText("新文字");
    EXPECT_EQ(doc.Shapes().Item(1).TextFrame().TextRange().text(), "新文字\r");

    // The paragraph of a selected shape's anchor takes paragraph formats: a top border turned off and on.
    doc.Shapes().Item("box17").Select();
    automation::Border top = selection.ParagraphFormat().Borders().Item(-1);
    EXPECT_EQ(top.lineStyle(), 0);
    top.setLineStyle(1);
    EXPECT_EQ(paragraphRange(17).ParagraphFormat().Borders().Item(-1).lineStyle(), 1);
    top.setLineStyle(0);
    EXPECT_EQ(paragraphRange(17).ParagraphFormat().Borders().Item(-1).lineStyle(), 0);
    EXPECT_NE(documentXml().find("<w:top w:val=\"nil\" w:sz=\"4\" w:space=\"1\" w:color=\"auto\"/>"),
              std::string::npos);
    // The line between paragraphs: on, then off again leaves nothing of it in the paragraph, which
    // LibreOffice would still draw under it.
    automation::Border between = paragraphRange(17).ParagraphFormat().Borders().Item(-5);
    between.setLineStyle(1);
    EXPECT_EQ(paragraphRange(17).ParagraphFormat().Borders().Item(-5).lineStyle(), 1);
    EXPECT_NE(documentXml().find("<w:between w:val=\"single\""), std::string::npos);
    between.setLineStyle(0);
    EXPECT_EQ(paragraphRange(17).ParagraphFormat().Borders().Item(-5).lineStyle(), 0);
    EXPECT_EQ(documentXml().find("<w:between"), std::string::npos);
    EXPECT_THROW(selection.ParagraphFormat().Borders().Item(-6), automation::Error);

    doc.Tables().Item(1).Select();
    EXPECT_EQ(selection.text(), "甲\r\a乙\r\a丙一\r丙二\r\a\r\a");
    selection.Font().setColor(255);
    EXPECT_EQ(doc.Tables().Item(1).Cell(2, 1).Range().Font().color(), 255);
    EXPECT_NE(paragraphRange(10).Font().color(), 255);
}

TEST_F(SlotsTest, TheSelectionTellsWhetherItIsInATableOrInATextBox) {
    automation::Selection selection = app.Selection();
    paragraphRange(2).Select();
    EXPECT_EQ(selection.Information(12), 0);
    EXPECT_EQ(selection.StoryType(), 1);
    doc.Tables().Item(1).Cell(2, 1).Range().Select();
    EXPECT_EQ(selection.Information(12), -1);
    EXPECT_EQ(selection.StoryType(), 1);
    doc.Shapes().Item("mast").TextFrame().TextRange().Select();
    EXPECT_EQ(selection.Information(12), 0);
    EXPECT_EQ(selection.StoryType(), 5);
    doc.Shapes().Item("rule").Select(); // a selected shape stands at its anchor in the main text
    EXPECT_EQ(selection.StoryType(), 1);
    EXPECT_THROW(selection.Information(11), automation::Error);
}

TEST_F(SlotsTest, ARangesShapeRangeHoldsTheShapesAnchoredInIt) {
    EXPECT_EQ(paragraphRange(1).ShapeRange().Count(), 3);
    EXPECT_EQ(paragraphRange(1).ShapeRange().Item(3).name(), "copyno");
    EXPECT_EQ(paragraphRange(2).ShapeRange().Count(), 0);
    EXPECT_THROW(paragraphRange(2).ShapeRange().setLeft(3), automation::Error);
    EXPECT_EQ(doc.Content().ShapeRange().Count(), 8);
    // Settings go to every shape of the range.
    automation::ShapeRange first = paragraphRange(1).ShapeRange();
    first.setRelativeVerticalPosition(1);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(doc.Shapes().Item(i).relativeVerticalPosition(), 1);
    EXPECT_THROW(first.TextFrame(), automation::Error);
    EXPECT_EQ(doc.Shapes().Item("mast").TextFrame().TextRange().ShapeRange().name(), "mast");
    EXPECT_THROW(doc.Shapes().Item("MAST"), automation::Error); // names compare exactly
}

TEST_F(SlotsTest, ATextboxWithoutAnchorStandsAtTheSelectionsParagraph) {
    paragraphRange(16).Select();
    automation::Shape box = doc.Shapes().AddTextbox(4, 73, 1, 22, 442.2f);
    EXPECT_EQ(paragraphRange(16).ShapeRange().Count(), 1);
    EXPECT_EQ(box.relativeVerticalPosition(), 1);
    // The page-number box: rotated text without margins, outline or fill.
    box.TextFrame().TextRange().setText("— 3 —");
    box.TextFrame().TextRange().setOrientation(3);
    for (auto set : {&automation::TextFrame::setMarginLeft, &automation::TextFrame::setMarginRight,
                     &automation::TextFrame::setMarginTop, &automation::TextFrame::setMarginBottom})
        (box.TextFrame().*set)(0);
    box.Line().setVisible(false);
    box.Fill().setVisible(false);
    EXPECT_EQ(box.TextFrame().TextRange().orientation(), 3);
    EXPECT_EQ(box.TextFrame().marginTop(), 0);
    EXPECT_FALSE(box.Fill().visible());
    EXPECT_THROW(paragraphRange(2).orientation(), automation::Error);
    std::string xml = documentXml();
    EXPECT_NE(xml.find("vert=\"vert\" wrap=\"square\" lIns=\"0\" tIns=\"0\" rIns=\"0\" bIns=\"0\""),
              std::string::npos);
    box.setVisible(false);
    EXPECT_FALSE(box.visible());
    EXPECT_NE(documentXml().find("hidden=\"1\""), std::string::npos);
    box.setVisible(true);
    EXPECT_EQ(documentXml().find("hidden="), std::string::npos);
}

} // namespace

TEST_F(WpsSlotsTest, ATextboxWithoutAnchorGoesBehindTheShapesOfTheSelectionsSection) {
    paragraphRange(5).Select();
    automation::Shape box = doc.Shapes().AddTextbox(1, 0, 0, 10, 10);
    EXPECT_EQ(doc.Shapes().Item(9).name(), box.name());
    EXPECT_EQ(paragraphRange(30).ShapeRange().Count(), 2);
}
