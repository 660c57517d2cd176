// Sections: breaks inserted at the selection, the page setup of each section with every field that the
// add-in's presets set, and a section's range.
#include "tests/platform/automation/PagedFixture.h"
#include "tests/platform/automation/SlotsFixture.h"

namespace {

using pagedtest::cm;

struct Measures {
    float top, bottom, left, right, width, height, header, footer, gutter;
    int orientation, linesPage, layoutMode, sectionStart;
    bool operator==(const Measures&) const = default;
};

Measures measuresOf(const automation::PageSetup& page) {
    return {page.topMargin(),   page.bottomMargin(), page.leftMargin(),     page.rightMargin(),
            page.pageWidth(),   page.pageHeight(),   page.headerDistance(), page.footerDistance(),
            page.gutter(),      page.orientation(),  page.linesPage(),      page.layoutMode(),
            page.sectionStart()};
}

// Every assignment of the add-in's A4 landscape preset.
void applyLandscapePreset(const automation::PageSetup& page) {
    page.LineNumbering().setActive(false);
    pagedtest::turnToA4Landscape(page);
    page.setGutter(cm(0));
    page.setHeaderDistance(cm(1.5f));
    page.setFooterDistance(cm(2.6f));
    page.setFirstPageTray(0);
    page.setOtherPagesTray(0);
    page.setSectionStart(2);
    page.setOddAndEvenPagesHeaderFooter(false);
    page.setDifferentFirstPageHeaderFooter(false);
    page.setVerticalAlignment(0);
    page.setSuppressEndnotes(false);
    page.setTwoPagesOnOne(false);
    page.setBookFoldPrinting(false);
    page.setBookFoldRevPrinting(false);
    page.setBookFoldPrintingSheets(1);
    page.setGutterPos(0);
    page.setLayoutMode(1);
}

TEST_F(PagedTest, ASectionInsertedMidDocumentKeepsThePropertiesOnBothSides) {
    writeParagraphs({50, 50, 50});
    doc.PageSetup().setGutter(cm(0.5f));
    Measures before = measuresOf(doc.PageSetup());
    placeCursor(51 + 10);
    selection.InsertBreak(2);
    ASSERT_EQ(doc.Sections().Count(), 2);
    EXPECT_EQ(selection.start(), 62);
    EXPECT_EQ(selection.Sections().First().index(), 2);
    EXPECT_EQ(doc.Paragraphs().Count(), 4);
    EXPECT_EQ(doc.Paragraphs().Item(2).Range().text(), pagedtest::chineseText(10) + "\r");
    EXPECT_EQ(doc.Sections().Item(1).Range().end(), 62);
    EXPECT_EQ(doc.Sections().Item(2).Range().start(), 62);
    EXPECT_EQ(measuresOf(doc.Sections().Item(1).PageSetup()), before);
    EXPECT_EQ(measuresOf(doc.Sections().Item(2).PageSetup()), before);

    // The half in front keeps the footers; the half behind shows them through its link.
    automation::HeaderFooter first = doc.Sections().Item(1).Footers().Item(1);
    automation::HeaderFooter second = doc.Sections().Item(2).Footers().Item(1);
    EXPECT_FALSE(first.linkToPrevious());
    EXPECT_TRUE(second.linkToPrevious());
    EXPECT_EQ(second.PageNumbers().Count(), 1);
    EXPECT_TRUE(doc.Sections().Item(2).Footers().Item(3).exists());
    EXPECT_FALSE(doc.Sections().Item(2).Footers().Item(2).exists());

    // Turning the second section changes nothing in the first.
    applyLandscapePreset(selection.PageSetup());
    EXPECT_EQ(measuresOf(doc.Sections().Item(1).PageSetup()), before);
    EXPECT_EQ(doc.Sections().Item(2).PageSetup().orientation(), 1);
    EXPECT_NEAR(doc.Sections().Item(2).PageSetup().pageWidth(), cm(29.7f), 0.05);

    // A break in front of both renumbers them.
    placeCursor(5);
    selection.InsertBreak(3);
    ASSERT_EQ(doc.Sections().Count(), 3);
    EXPECT_EQ(doc.Sections().Item(3).PageSetup().orientation(), 1);
    EXPECT_EQ(doc.Sections().Item(2).PageSetup().sectionStart(), 0);
    EXPECT_EQ(doc.Sections().Item(1).PageSetup().sectionStart(), 2);
    EXPECT_THROW(doc.Sections().Item(4), automation::Error);
    expectValid();
}

TEST_F(PagedTest, EveryFieldOfAPresetIsKeptAndTheDocumentWideOnesReachEverySection) {
    writeParagraphs({20});
    placeCursor(10);
    selection.InsertBreak(2);
    automation::PageSetup second = doc.Sections().Item(2).PageSetup();
    second.setVerticalAlignment(1);
    second.setFirstPageTray(7);
    second.setOtherPagesTray(8);
    second.setGutterPos(2);
    second.setSuppressEndnotes(true);
    second.LineNumbering().setActive(true);
    second.setTwoPagesOnOne(true);
    second.setBookFoldPrintingSheets(4);
    EXPECT_EQ(second.verticalAlignment(), 1);
    EXPECT_EQ(second.firstPageTray(), 7);
    EXPECT_EQ(second.otherPagesTray(), 8);
    EXPECT_EQ(second.gutterPos(), 2);
    EXPECT_TRUE(second.suppressEndnotes());
    EXPECT_TRUE(second.LineNumbering().active());
    EXPECT_TRUE(doc.Sections().Item(1).PageSetup().twoPagesOnOne());
    EXPECT_EQ(doc.Sections().Item(1).PageSetup().bookFoldPrintingSheets(), 4);
    EXPECT_TRUE(doc.Sections().Item(1).PageSetup().oddAndEvenPagesHeaderFooter());
    expectValid();

    applyLandscapePreset(second);
    EXPECT_EQ(second.verticalAlignment(), 0);
    EXPECT_EQ(second.firstPageTray(), 0);
    EXPECT_EQ(second.gutterPos(), 0);
    EXPECT_FALSE(second.suppressEndnotes());
    EXPECT_FALSE(second.LineNumbering().active());
    EXPECT_EQ(second.layoutMode(), 1);
    EXPECT_FALSE(doc.Sections().Item(1).PageSetup().twoPagesOnOne());
    EXPECT_FALSE(doc.Sections().Item(1).PageSetup().oddAndEvenPagesHeaderFooter());
    EXPECT_EQ(doc.Sections().Item(1).PageSetup().bookFoldPrintingSheets(), 1);
    std::string settings = part("word/settings.xml");
    for (const char* gone : {"evenAndOddHeaders", "printTwoOnOne", "bookFold", "gutterAtTop"})
        EXPECT_EQ(settings.find(gone), std::string::npos) << gone;
    second.setGutterPos(1);
    EXPECT_EQ(doc.Sections().Item(1).PageSetup().gutterPos(), 1);
    EXPECT_THROW(second.setSectionStart(5), automation::Error);
    EXPECT_THROW(second.setVerticalAlignment(4), automation::Error);
    EXPECT_THROW(second.setLayoutMode(4), automation::Error);
    second.setLayoutMode(0);
    EXPECT_EQ(second.layoutMode(), 0);
    expectValid();
}

TEST_F(PagedTest, TheCursorAtTheEndOfTheTextMakesASectionOfEmptyParagraphs) {
    writeParagraphs({10});
    selection.MoveRight(1, 10);
    EXPECT_EQ(selection.MoveRight(), 0);
    for (int i = 0; i < 3; ++i)
        selection.TypeParagraph();
    EXPECT_EQ(selection.MoveLeft(1, 3), 3);
    selection.InsertBreak(2);
    EXPECT_EQ(selection.Information(2), 2);
    EXPECT_EQ(selection.Information(3), 2);
    EXPECT_EQ(doc.Sections().Item(2).Range().text(), "\r\r\r\r");
    EXPECT_EQ(doc.Sections().Item(1).Range().text(), pagedtest::chineseText(10) + "\r");
}

TEST_F(SlotsTest, BreaksGoOnlyIntoTheMainTextOutsideTables) {
    automation::Selection selection = app.Selection();
    doc.Tables().Item(1).Cell(1, 1).Range().Select();
    EXPECT_THROW(selection.InsertBreak(2), automation::Error);
    EXPECT_EQ(doc.Sections().Count(), 1);
    doc.Shapes().Item(1).TextFrame().TextRange().Select();
    EXPECT_THROW(selection.InsertBreak(2), automation::Error);
    doc.Shapes().Item(1).Select();
    EXPECT_THROW(selection.InsertBreak(2), automation::Error);
    paragraphRange(2).Select();
    EXPECT_THROW(selection.InsertBreak(8), automation::Error);
    // A section's range holds the shapes anchored in it.
    paragraphRange(17).Select();
    selection.MoveLeft();
    selection.InsertBreak(2);
    EXPECT_EQ(doc.Sections().Item(2).Range().ShapeRange().Count(), 3);
    EXPECT_EQ(doc.Sections().Item(2).Range().ShapeRange().Item(1).name(), "box17");
    EXPECT_EQ(doc.Sections().Item(1).Range().ShapeRange().Count(), 5);
}

} // namespace
