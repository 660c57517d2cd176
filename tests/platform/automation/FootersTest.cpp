// Footers and page numbers: links between the sections' footers, page numbers added in the documents'
// "— 1 —" form, and first pages without a number.
#include "tests/platform/automation/PagedFixture.h"
#include "tests/platform/automation/SlotsFixture.h"

namespace {

using wordproctest::countOf;

// The section properties (w:sectPr) of the main part, in order.
std::vector<std::string> sectionProperties(const std::string& xml) {
    std::vector<std::string> sections;
    for (std::size_t at = xml.find("<w:sectPr>"); at != std::string::npos;
         at = xml.find("<w:sectPr>", at + 1))
        sections.push_back(xml.substr(at, xml.find("</w:sectPr>", at) - at));
    return sections;
}

class FootersTest : public PagedTest {
protected:
    // Three sections: the document's text cut at two places.
    FootersTest() {
        writeParagraphs({30, 30, 30});
        for (int position : {62, 31}) {
            placeCursor(position);
            selection.InsertBreak(2);
        }
    }
    automation::HeaderFooter footer(int section, int type = 1) const {
        return doc.Sections().Item(section).Footers().Item(type);
    }
};

TEST_F(FootersTest, ANewSectionsFooterFollowsThePreviousOneUntilItIsChanged) {
    ASSERT_EQ(doc.Sections().Count(), 3);
    EXPECT_TRUE(footer(2).linkToPrevious());
    EXPECT_TRUE(footer(3).linkToPrevious());
    EXPECT_FALSE(footer(1).linkToPrevious());
    std::string odd = part("word/footer-odd.xml");

    // Page numbers in the middle section give it a footer of its own; the third follows it.
    footer(2).PageNumbers().Add(1);
    EXPECT_FALSE(footer(2).linkToPrevious());
    EXPECT_TRUE(footer(3).linkToPrevious());
    EXPECT_EQ(part("word/footer-odd.xml"), odd);
    std::string own = part("word/footer1.xml");
    EXPECT_EQ(countOf(own, "<w:instrText xml:space=\"preserve\"> PAGE </w:instrText>"), 1);
    EXPECT_NE(own.find("<w:t xml:space=\"preserve\">— </w:t>"), std::string::npos);
    EXPECT_NE(own.find("<w:jc w:val=\"center\"/>"), std::string::npos);
    EXPECT_EQ(footer(3).PageNumbers().Count(), 1);
    std::vector<std::string> sections = sectionProperties(part("word/document.xml"));
    ASSERT_EQ(sections.size(), 3u);
    EXPECT_EQ(countOf(sections[0], "<w:footerReference"), 2);
    EXPECT_EQ(countOf(sections[1], "<w:footerReference"), 1);
    EXPECT_EQ(countOf(sections[2], "<w:footerReference"), 0);

    // Linking again drops the section's own footer.
    footer(2).setLinkToPrevious(true);
    EXPECT_TRUE(footer(2).linkToPrevious());
    footer(1).setLinkToPrevious(true); // the first section has nothing to link to
    EXPECT_FALSE(footer(1).linkToPrevious());
    footer(3).setLinkToPrevious(false);
    EXPECT_FALSE(footer(3).linkToPrevious());
    EXPECT_EQ(countOf(part("word/footer2.xml"), "PAGE"), 1); // a copy of what it showed
    EXPECT_EQ(footer(3).PageNumbers().Count(), 1);
    expectValid();
}

TEST_F(FootersTest, PageNumbersReplaceTheOnesThereAndStandAsAligned) {
    automation::PageNumbers numbers = footer(1).PageNumbers();
    numbers.Add(2);
    numbers.Add(0);
    EXPECT_EQ(numbers.Count(), 1);
    std::string xml = part("word/footer-odd.xml");
    EXPECT_NE(
        xml.find(
            "<w:pStyle w:val=\"Footer\"/><w:ind w:left=\"280\" w:leftChars=\"100\"/><w:jc w:val=\"left\"/>"),
        std::string::npos);
    // Outside: odd pages on the right, even pages on the left, as the documents number their pages.
    numbers.Add(4);
    EXPECT_NE(part("word/footer-odd.xml").find("<w:jc w:val=\"right\"/>"), std::string::npos);
    EXPECT_NE(part("word/footer-even.xml").find("<w:jc w:val=\"left\"/>"), std::string::npos);
    numbers.Add(3);
    EXPECT_NE(part("word/footer-odd.xml").find("<w:jc w:val=\"left\"/>"), std::string::npos);
    EXPECT_NE(part("word/footer-even.xml").find("<w:jc w:val=\"right\"/>"), std::string::npos);
    EXPECT_EQ(countOf(part("word/footer-odd.xml"), "PAGE"), 1);
    EXPECT_THROW(numbers.Add(5), automation::Error);
    EXPECT_THROW(doc.Sections().Item(1).Footers().Item(4), automation::Error);
    expectValid();
}

TEST_F(FootersTest, OutsideNumbersGiveEvenPagesFootersOfTheirOwnAndKeepWhatTheOthersShow) {
    doc.PageSetup().setOddAndEvenPagesHeaderFooter(false);
    footer(2).PageNumbers().Add(1);
    footer(3).PageNumbers().Add(4);
    EXPECT_TRUE(doc.PageSetup().oddAndEvenPagesHeaderFooter());
    // The middle section's even pages show its centred number, as its odd pages do.
    EXPECT_FALSE(footer(2, 3).linkToPrevious());
    std::vector<std::string> sections = sectionProperties(part("word/document.xml"));
    ASSERT_EQ(sections.size(), 3u);
    EXPECT_EQ(countOf(sections[1], "<w:footerReference"), 2);
    EXPECT_EQ(countOf(sections[2], "<w:footerReference"), 2);
    EXPECT_NE(part("word/footer2.xml").find("<w:jc w:val=\"center\"/>"), std::string::npos);
    EXPECT_NE(part("word/footer4.xml").find("<w:jc w:val=\"left\"/>"), std::string::npos);
    EXPECT_EQ(footer(3, 3).PageNumbers().Count(), 1);
    expectValid();
}

TEST_F(FootersTest, AFirstPageWithoutNumberGetsAFooterOfItsOwn) {
    footer(2).PageNumbers().Add(2, false);
    automation::PageSetup second = doc.Sections().Item(2).PageSetup();
    EXPECT_TRUE(second.differentFirstPageHeaderFooter());
    EXPECT_FALSE(footer(2).PageNumbers().showFirstPageNumber());
    EXPECT_TRUE(footer(2, 2).exists());
    EXPECT_EQ(footer(2, 2).PageNumbers().Count(), 0);
    EXPECT_EQ(footer(2, 1).PageNumbers().Count(), 1);
    // The first section keeps its first page as it was.
    EXPECT_FALSE(doc.Sections().Item(1).PageSetup().differentFirstPageHeaderFooter());
    EXPECT_TRUE(footer(1).PageNumbers().showFirstPageNumber());

    footer(2).PageNumbers().setShowFirstPageNumber(true);
    EXPECT_TRUE(footer(2).PageNumbers().showFirstPageNumber());
    EXPECT_EQ(footer(2, 2).PageNumbers().Count(), 1);
    // The section behind takes the different first page as its own setting, and numbers it when asked.
    footer(3).PageNumbers().setShowFirstPageNumber(false);
    EXPECT_TRUE(doc.Sections().Item(3).PageSetup().differentFirstPageHeaderFooter());
    footer(3).PageNumbers().Add(2, true);
    EXPECT_TRUE(footer(3).PageNumbers().showFirstPageNumber());
    expectValid();
}

TEST_F(FootersTest, NumberingRestartsOnlyWhereASectionSaysSo) {
    automation::PageNumbers second = footer(2).PageNumbers();
    EXPECT_FALSE(second.restartNumberingAtSection());
    second.setStartingNumber(5);
    EXPECT_TRUE(second.restartNumberingAtSection());
    EXPECT_EQ(second.startingNumber(), 5);
    placeCursor(doc.Sections().Item(2).Range().start());
    EXPECT_EQ(selection.Information(1), 5);
    EXPECT_EQ(selection.Information(3), 2);
    // A break inside the restarting section leaves the restart with the part in front.
    selection.MoveRight(1, 3);
    selection.InsertBreak(2);
    EXPECT_TRUE(footer(2).PageNumbers().restartNumberingAtSection());
    EXPECT_FALSE(footer(3).PageNumbers().restartNumberingAtSection());
    EXPECT_EQ(selection.Information(1), 6);
    second.setRestartNumberingAtSection(false);
    EXPECT_EQ(selection.Information(1), 3);
    EXPECT_THROW(second.setStartingNumber(-1), automation::Error);
}

TEST_F(SlotsTest, PageNumbersInADocumentWithoutFootersMakeAFooterPart) {
    automation::PageNumbers numbers = doc.Sections().Item(1).Footers().Item(1).PageNumbers();
    EXPECT_EQ(numbers.Count(), 0);
    EXPECT_FALSE(numbers.showFirstPageNumber());
    numbers.Add();
    EXPECT_EQ(numbers.Count(), 1);
    std::string footer = part("word/footer1.xml");
    EXPECT_NE(footer.find("<w:jc w:val=\"right\"/>"), std::string::npos);
    EXPECT_NE(part("[Content_Types].xml").find("/word/footer1.xml"), std::string::npos);
    EXPECT_NE(part("word/_rels/document.xml.rels").find("Target=\"footer1.xml\""), std::string::npos);
    EXPECT_NE(documentXml().find("<w:footerReference w:type=\"default\" r:id=\""), std::string::npos);
    numbers.Add(4);
    EXPECT_NE(part("word/settings.xml").find("<w:evenAndOddHeaders/>"), std::string::npos);
    EXPECT_NE(part("word/footer2.xml").find("<w:jc w:val=\"left\"/>"), std::string::npos);
    EXPECT_EQ(doc.Sections().Item(1).Footers().Item(3).PageNumbers().Count(), 1);
}

} // namespace
