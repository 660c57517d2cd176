// The section tools' building blocks and the cases that dqxhost cannot reach: paper classes at their
// limits, the presets' exchange of margins by build, cuts at the end of the document and of a section,
// a cursor in a text box, and what the correction takes for a page-number box. Built into the tests of
// each build.
#include "addin/Dqxhand.h"
#include "addin/HostBuild.h"
#include "addin/PageNumberBox.h"
#include "addin/PageSetupPresets.h"
#include "addin/SectionInsertion.h"
#include "platform/ui/Application.h"
#include "platform/ui/HeadlessBackend.h"
#include "tests/addin/ClickThrough.h"
#include "tests/platform/automation/PagedFixture.h"

#include <memory>
#include <vector>

namespace {

using pagedtest::cm;

// Page setups keep their lengths in twentieths of a point.
constexpr float Twip = 0.05f;

class SectionToolsTest : public PagedTest {
protected:
    SectionToolsTest() : PagedTest(addin::hostBuild().hostProgId) {
        auto backend = std::make_unique<ui::HeadlessBackend>();
        backend->onMessage = [this](const ui::HeadlessBackend::MessageRecord& record) {
            messages.push_back(record.request.text);
        };
        userInterface = std::make_unique<ui::Application>(std::move(backend));
    }
    ~SectionToolsTest() override { hand->Release(); }

    static bool wordBuild() { return std::string(addin::hostBuild().hostProgId) == "word.Application"; }
    void clickThrough(addin::ButtonVariable& variable) const { addintest::clickThrough(app, variable); }
    int paragraphs() const { return doc.Paragraphs().Count(); }
    float points(float centimetres) const { return app.CentimetersToPoints(centimetres); }

    std::unique_ptr<ui::Application> userInterface;
    std::vector<std::string> messages;
    addin::Dqxhand* hand = new addin::Dqxhand;
};

TEST_F(SectionToolsTest, PaperIs16KWhenEitherSideIsShorterThan19Centimetres) {
    automation::PageSetup page = doc.Sections().Item(1).PageSetup();
    struct Case {
        float width, height;
        addin::Paper paper;
    };
    const Case cases[] = {{19, 29.7f, addin::Paper::A4},      {18.99f, 30, addin::Paper::Size16K},
                          {21.59f, 27.94f, addin::Paper::A4}, {29.7f, 21, addin::Paper::A4},
                          {26, 18.4f, addin::Paper::Size16K}, {18.4f, 26, addin::Paper::Size16K}};
    for (const Case& c : cases) {
        page.setPageWidth(cm(c.width));
        page.setPageHeight(cm(c.height));
        EXPECT_EQ(addin::ClassifyPaper(page, app), c.paper) << c.width << " x " << c.height;
    }
}

TEST_F(SectionToolsTest, ALandscapePresetExchangesItsMarginsOnEvenPagesOfAnAlternatingLayout) {
    writeParagraphs({700}); // 25 lines: the end stands on page 2
    placeCursor(699);
    ASSERT_EQ(selection.Information(3), 2);
    automation::PageSetup page = selection.PageSetup();
    page.LineNumbering().setActive(true);
    addin::ApplyPageSetupPreset(page, addin::PresetA4Landscape, app);
    EXPECT_EQ(page.orientation(), 1);
    EXPECT_NEAR(page.pageWidth(), cm(29.7f), Twip);
    EXPECT_NEAR(page.leftMargin(), cm(3.5f), Twip);
    // Word alternates only with mirror margins; WPS always.
    EXPECT_NEAR(page.topMargin(), cm(wordBuild() ? 2.8f : 2.6f), Twip);
    EXPECT_NEAR(page.bottomMargin(), cm(wordBuild() ? 2.6f : 2.8f), Twip);
    EXPECT_EQ(page.LineNumbering().active(), !wordBuild()) << "only Word switches line numbering off";
    EXPECT_TRUE(page.oddAndEvenPagesHeaderFooter()) << "the document's odd and even footers stay";
    EXPECT_EQ(page.sectionStart(), 2);
    EXPECT_EQ(page.layoutMode(), 1);

    doc.Sections().Item(1).PageSetup().setMirrorMargins(true);
    addin::ApplyPageSetupPreset(page, addin::Preset16KLandscape, app);
    EXPECT_NEAR(page.pageHeight(), cm(18.4f), Twip);
    EXPECT_NEAR(page.topMargin(), cm(1.8f), Twip);
    EXPECT_NEAR(page.bottomMargin(), cm(2.3f), Twip);
    // Portrait presets never exchange.
    addin::ApplyPageSetupPreset(page, addin::PresetA4Portrait, app);
    EXPECT_EQ(page.orientation(), 0);
    EXPECT_NEAR(page.topMargin(), cm(3.7f), Twip);
    EXPECT_NEAR(page.footerDistance(), cm(2.6f), Twip);
    expectValid();
}

TEST_F(SectionToolsTest, TheBoxPlacementFollowsThePaperAndThePagesSide) {
    using addin::PageSide;
    using addin::Paper;
    const auto placed = [](Paper paper, PageSide side) {
        addin::BoxPlacement p = addin::pageNumberBoxPlacement(paper, side);
        return std::vector<float>{p.left, p.top, static_cast<float>(p.alignment)};
    };
    EXPECT_EQ(placed(Paper::Size16K, PageSide::Even), (std::vector<float>{2.4f, 1.8f, 0}));
    EXPECT_EQ(placed(Paper::Size16K, PageSide::Odd), (std::vector<float>{2.4f, 2.3f, 2}));
    EXPECT_EQ(placed(Paper::Size16K, PageSide::NotAlternating), (std::vector<float>{2.4f, 2.3f, 1}));
    EXPECT_EQ(placed(Paper::A4, PageSide::Even), (std::vector<float>{2.3f, 2.6f, 0}));
    EXPECT_EQ(placed(Paper::A4, PageSide::Odd), (std::vector<float>{2.3f, 2.8f, 2}));
    EXPECT_EQ(placed(Paper::A4, PageSide::NotAlternating), (std::vector<float>{2.3f, 2.8f, 1}));
    // The box's top is the top margin of the landscape page of that side.
    for (Paper paper : {Paper::A4, Paper::Size16K}) {
        for (PageSide side : {PageSide::Even, PageSide::Odd, PageSide::NotAlternating}) {
            EXPECT_EQ(addin::pageNumberBoxPlacement(paper, side).top,
                      addin::landscapeTopAndBottom(addin::landscapePreset(paper), side).top);
        }
    }
}

TEST_F(SectionToolsTest, OnlyAnEmDashedNumberIsAPageNumber) {
    EXPECT_EQ(addin::pageNumberText(12), "— 12 —");
    EXPECT_TRUE(addin::isPageNumberText("— 12 —"));
    EXPECT_TRUE(addin::isPageNumberText("— 3 —\r"));
    for (const char* text :
         {"—12—", "— 1a —", "—  —", "附表说明", "— 3 — 附", "- 3 -", "", "\r", "— 3 —\r\r"})
        EXPECT_FALSE(addin::isPageNumberText(text)) << text;
}

TEST_F(SectionToolsTest, AtTheEndOfTheDocumentOneBreakAndNoSecond) {
    writeParagraphs({30});
    placeCursor(30);
    addin::InsertionState state = addin::InsertSectionAtCursor(selection);
    EXPECT_FALSE(state.sameSection);
    EXPECT_FALSE(state.landscapeFollows);
    EXPECT_EQ(state.startSection, 1);
    EXPECT_EQ(paragraphs(), 5); // the text with the break, three empty paragraphs and the last mark
    EXPECT_EQ(doc.Sections().Count(), 2);
    EXPECT_EQ(selection.Information(2), 2);
    EXPECT_EQ(selection.start(), doc.Sections().Item(2).Range().start());
    EXPECT_FALSE(addin::RestoreFollowingSection(app, addin::Paper::A4, state));
    EXPECT_EQ(doc.Sections().Count(), 2);
}

TEST_F(SectionToolsTest, AtTheEndOfASectionBeforeALandscapeOneFourParagraphsAndOneBreak) {
    writeParagraphs({30, 30});
    placeCursor(30);
    selection.InsertBreak(2);
    pagedtest::turnToA4Landscape(doc.Sections().Item(2).PageSetup());
    placeCursor(30); // at the end of the first section, in front of its break
    addin::InsertionState state = addin::InsertSectionAtCursor(selection);
    EXPECT_FALSE(state.sameSection);
    EXPECT_TRUE(state.landscapeFollows);
    EXPECT_EQ(state.emptyParagraphs, 4);
    EXPECT_EQ(doc.Sections().Count(), 3);
    EXPECT_FALSE(addin::RestoreFollowingSection(app, addin::Paper::A4, state));
    EXPECT_EQ(doc.Sections().Item(3).PageSetup().orientation(), 1);
}

TEST_F(SectionToolsTest, ACursorInATextBoxChangesNothingAndTheLandscapePageSaysSo) {
    writeParagraphs({30});
    automation::Shape box = doc.Shapes().AddTextbox(1, 0, 0, 100, 50);
    box.TextFrame().TextRange().setText("框内");
    box.TextFrame().TextRange().Select();
    const std::string before = part("word/document.xml");
    bool cancel = false;
    hand->gIbl_Click(app.CommandBars().Item("Standard").Controls().Add(1, 1, 0, true), cancel);
    hand->gIhbl_Click(app.CommandBars().Item("Standard").Controls().Add(1, 1, 0, true), cancel);
    EXPECT_EQ(part("word/document.xml"), before);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0],
              "操作错误！请将鼠标光标移动到需插入横排页的正文文字处，点击菜单“插入横排页面”插入。");
}

TEST_F(SectionToolsTest, WithoutADocumentTheLandscapePageSaysSoAndTheOthersEndSilently) {
    doc.Close();
    clickThrough(hand->gIbl);
    clickThrough(hand->gIhbl);
    clickThrough(hand->gAbl);
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(SectionToolsTest, TheCorrectionRewritesOnlyTheBoxThatHoldsAPageNumber) {
    writeParagraphs({30, 30, 30});
    placeCursor(30);
    selection.InsertBreak(2);
    pagedtest::turnToA4Landscape(doc.Sections().Item(2).PageSetup());
    automation::Section landscape = doc.Sections().Item(2);
    // The section's first shape is a box of the user's; the page-number box comes after it.
    automation::Range second = doc.Paragraphs().Item(2).Range();
    automation::Range third = doc.Paragraphs().Item(3).Range();
    automation::Shape own = doc.Shapes().AddTextbox(1, 10, 10, 80, 30, second);
    own.TextFrame().TextRange().setText("附表说明");
    automation::Shape box = doc.Shapes().AddTextbox(4, 0, 0, 22, 100, third);
    box.TextFrame().TextRange().setText("— 99 —");
    ASSERT_EQ(landscape.Range().ShapeRange().Item(1).name(), own.name());
    ASSERT_EQ(addin::findPageNumberBox(landscape)->name(), box.name());

    placeCursor(5);
    clickThrough(hand->gAbl);
    EXPECT_EQ(box.TextFrame().TextRange().text(), "— 2 —\r");
    EXPECT_EQ(box.relativeHorizontalPosition(), 1);
    EXPECT_NEAR(box.left(), cm(2.3f), Twip);
    // Page 2: even in WPS; Word does not alternate without mirror margins.
    EXPECT_NEAR(box.top(), cm(wordBuild() ? 2.8f : 2.6f), Twip);
    EXPECT_NEAR(box.height(), 442.2f, Twip);
    EXPECT_EQ(box.TextFrame().TextRange().ParagraphFormat().alignment(), wordBuild() ? 1 : 0);
    EXPECT_NEAR(landscape.PageSetup().topMargin(), cm(wordBuild() ? 2.8f : 2.6f), Twip);
    EXPECT_EQ(own.TextFrame().TextRange().text(), "附表说明\r");
    EXPECT_NEAR(own.left(), 10, Twip);
    EXPECT_EQ(doc.Paragraphs().Item(1).Range().text(), pagedtest::chineseText(30) + "\r")
        << "nothing is typed into the body text";
    expectValid();
}

TEST_F(SectionToolsTest, ALandscapeSectionWithoutAPageNumberBoxIsLeftAlone) {
    writeParagraphs({30, 30});
    placeCursor(30);
    selection.InsertBreak(2);
    automation::PageSetup page = doc.Sections().Item(2).PageSetup();
    pagedtest::turnToA4Landscape(page);
    page.setLeftMargin(cm(1));
    const std::string before = part("word/document.xml");
    clickThrough(hand->gAbl);
    EXPECT_EQ(part("word/document.xml"), before);
}

} // namespace
