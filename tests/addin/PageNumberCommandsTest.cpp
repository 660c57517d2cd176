// The page-number commands, run as the host runs them: through a button assigned to their variable.
// Built into the tests of each build; the Word build sets the mirror margins first, the WPS build not.
#include "addin/Dqxhand.h"
#include "addin/HostBuild.h"
#include "tests/addin/AssignedButton.h"
#include "tests/platform/automation/PagedFixture.h"

namespace {

class PageNumberCommandsTest : public PagedTest {
protected:
    PageNumberCommandsTest() : PagedTest(addin::hostBuild().hostProgId) {}
    ~PageNumberCommandsTest() override { hand->Release(); }

    void clickThrough(addin::ButtonVariable& variable) const { addintest::clickThrough(app, variable); }
    bool wordBuild() const { return std::string(addin::hostBuild().hostProgId) == "word.Application"; }
    std::string alignmentIn(const std::string& footerPart) const {
        std::string xml = part(footerPart);
        std::size_t at = xml.find("<w:jc w:val=\"");
        return at == std::string::npos ? "(none)" : xml.substr(at + 13, xml.find('"', at + 13) - at - 13);
    }

    addin::Dqxhand* hand = new addin::Dqxhand;
};

TEST_F(PageNumberCommandsTest, EachCommandPutsOneNumberIntoTheFooterOfTheSelectionsSection) {
    automation::PageNumbers numbers = doc.Sections().Item(1).Footers().Item(1).PageNumbers();
    doc.PageSetup().setMirrorMargins(true);
    clickThrough(hand->gNjz);
    EXPECT_EQ(numbers.Count(), 1);
    EXPECT_EQ(alignmentIn("word/footer-odd.xml"), "center");
    EXPECT_EQ(selection.PageSetup().mirrorMargins(), !wordBuild()) << "centred numbers: no mirror margins";

    clickThrough(hand->gNyc);
    EXPECT_EQ(numbers.Count(), 1);
    EXPECT_EQ(alignmentIn("word/footer-odd.xml"), "right");
    EXPECT_TRUE(selection.PageSetup().mirrorMargins());

    selection.PageSetup().setMirrorMargins(false);
    clickThrough(hand->gNwc);
    EXPECT_EQ(alignmentIn("word/footer-odd.xml"), "right");
    EXPECT_EQ(alignmentIn("word/footer-even.xml"), "left");
    EXPECT_EQ(selection.PageSetup().mirrorMargins(), wordBuild());

    clickThrough(hand->gNnc);
    EXPECT_EQ(alignmentIn("word/footer-odd.xml"), "left");
    EXPECT_EQ(alignmentIn("word/footer-even.xml"), "right");
    EXPECT_TRUE(numbers.showFirstPageNumber());
    expectValid();
}

TEST_F(PageNumberCommandsTest, TheNumbersGoToTheSectionThatHoldsTheCursor) {
    writeParagraphs({30, 30});
    placeCursor(31);
    selection.InsertBreak(2);
    const std::string firstSections = part("word/footer-odd.xml");
    clickThrough(hand->gNyc);
    EXPECT_EQ(doc.Sections().Item(2).Footers().Item(1).PageNumbers().Count(), 1);
    EXPECT_FALSE(doc.Sections().Item(2).Footers().Item(1).linkToPrevious());
    EXPECT_EQ(part("word/footer-odd.xml"), firstSections) << "the first section keeps its own footer";
}

TEST_F(PageNumberCommandsTest, WithoutADocumentTheCommandsEndSilently) {
    doc.Close();
    for (addin::ButtonVariable* variable : {&hand->gNjz, &hand->gNyc, &hand->gNwc, &hand->gNnc})
        EXPECT_NO_THROW(clickThrough(*variable));
}

TEST_F(PageNumberCommandsTest, NoMenuButtonReachesThem) {
    EXPECT_TRUE(hand->gNjz.isNothing());
    automation::CommandBarControl button = app.CommandBars().Item("Standard").Controls().Add(1, 1, 0, true);
    hand->gNjz.set(button);
    EXPECT_EQ(hand->gNjz.object(), button);
    hand->gNjz.clear();
    EXPECT_THROW(hand->gNjz.object(), automation::Error);
    button.Delete();
    EXPECT_THROW(hand->gNjz.set(button), automation::Error) << "a deleted control cannot be bound";
    EXPECT_TRUE(hand->gNjz.isNothing());
}

} // namespace
