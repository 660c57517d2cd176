// Sections and page numbers rendered by LibreOffice: the footers' PAGE fields show "— 1 —" on every page,
// a landscape section turns its pages, and the pages fall where the layout model counts them.
#include "tests/platform/automation/PagedFixture.h"
#include "tests/platform/automation/RenderedPage.h"
#include "tests/support/TempFolder.h"

namespace {

using rendertest::RenderedLine;

constexpr double Millimetre = 72.0 / 25.4;

class SectionRenderTest : public PagedTest {
protected:
    rendertest::RenderedDocument render() const {
        std::string path = (folder.path() / "sections.docx").string();
        doc.SaveAs(path);
        return rendertest::render(path, folder.path().string());
    }

    // The page number that the footer of a page shows, as pdftotext reads it ("—3—").
    static std::optional<RenderedLine> pageNumberLine(const rendertest::RenderedDocument& pdf, int page) {
        for (const RenderedLine& line : rendertest::footerLines(pdf, page)) {
            if (line.text.starts_with("—") && line.text.ends_with("—"))
                return line;
        }
        return std::nullopt;
    }

    testsupport::TempFolder folder;
};

TEST_F(SectionRenderTest, PageNumbersAddedOutsideShowDashedNumbersOnOddAndEvenPages) {
    REQUIRE_RENDERER();
    writeParagraphs({1400});
    // The template's numbers give way to new ones, for odd and even pages alike.
    doc.PageSetup().setOddAndEvenPagesHeaderFooter(false);
    doc.Sections().Item(1).Footers().Item(1).PageNumbers().Add(4);
    placeCursor(0);
    ASSERT_EQ(selection.Information(4), 3);
    rendertest::RenderedDocument pdf = render();
    ASSERT_TRUE(pdf.ok) << pdf.problem;
    ASSERT_EQ(pdf.pages, 3);
    for (int page = 1; page <= 3; ++page) {
        std::optional<RenderedLine> number = pageNumberLine(pdf, page);
        ASSERT_TRUE(number.has_value()) << "page " << page;
        EXPECT_EQ(number->text, "—" + std::to_string(page) + "—");
        // One character (14 pt) in from the type area's right edge on odd pages, its left edge on even.
        if (page % 2 == 1)
            EXPECT_NEAR(number->right, pdf.pageWidth - 26 * Millimetre - 14, 3) << "page " << page;
        else
            EXPECT_NEAR(number->left, 28 * Millimetre + 14, 3) << "page " << page;
    }
}

TEST_F(SectionRenderTest, ThreeSectionsWithALandscapeOneFallOnThePagesTheModelCounts) {
    REQUIRE_RENDERER();
    writeParagraphs({2000, 700, 100});
    doc.Paragraphs().Item(3).Range().InsertBefore("第三节开始");
    // Cut in front of the second and the third paragraph, as the add-in cuts at the cursor.
    for (int paragraph : {3, 2}) {
        placeCursor(doc.Paragraphs().Item(paragraph).Range().start() - 1);
        selection.InsertBreak(2);
    }
    ASSERT_EQ(doc.Sections().Count(), 3);
    automation::PageSetup landscape = doc.Sections().Item(2).PageSetup();
    pagedtest::turnToA4Landscape(landscape);
    landscape.setOddAndEvenPagesHeaderFooter(false);
    doc.Sections().Item(2).Footers().Item(1).PageNumbers().Add(1);
    doc.Sections().Item(3).Footers().Item(1).PageNumbers().Add(2, true);

    placeCursor(doc.Sections().Item(2).Range().start());
    int landscapePage = selection.Information(3);
    placeCursor(doc.Sections().Item(3).Range().start());
    int thirdPage = selection.Information(3);
    int pages = selection.Information(4);
    EXPECT_EQ(landscapePage, 5); // 72 lines of the first section fill four pages
    EXPECT_EQ(thirdPage, 7);     // 19 landscape lines fill two pages of 15
    EXPECT_EQ(pages, 7);
    expectValid();

    rendertest::RenderedDocument pdf = render();
    ASSERT_TRUE(pdf.ok) << pdf.problem;
    ASSERT_EQ(pdf.pages, pages);
    for (int page = 1; page <= pdf.pages; ++page) {
        bool turned = page >= landscapePage && page < thirdPage;
        const rendertest::PageSize& size = pdf.pageSizes[static_cast<std::size_t>(page - 1)];
        EXPECT_NEAR(size.width, turned ? 841.9 : 595.3, 0.5) << "page " << page;
        std::optional<RenderedLine> number = pageNumberLine(pdf, page);
        ASSERT_TRUE(number.has_value()) << "page " << page;
        EXPECT_EQ(number->text, "—" + std::to_string(page) + "—");
        if (turned) { // centred in the landscape type area
            EXPECT_NEAR((number->left + number->right) / 2, (35 + (297 - 37)) / 2.0 * Millimetre, 3);
        }
    }
    std::optional<RenderedLine> third = rendertest::lineWith(pdf, "第三节开始");
    ASSERT_TRUE(third.has_value());
    EXPECT_EQ(third->page, thirdPage);
    // The landscape lines hold 40 characters.
    std::vector<RenderedLine> turnedLines = rendertest::bodyLines(pdf, landscapePage + 1);
    ASSERT_FALSE(turnedLines.empty());
    EXPECT_EQ(turnedLines.front().characters, 40);
}

} // namespace
