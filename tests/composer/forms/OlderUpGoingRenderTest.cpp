// The older up-going form's documents as LibreOffice prints them here, with the template font rules of
// this source tree: A4 pages, 28 characters a full line, the faces of masthead, title and body, and the
// printing block at the foot of the last page's type area, with the drawn rule between the copy-to line
// and the printing line wherever the block stands. Skipped where LibreOffice or poppler's tools are not
// installed.
#include "platform/shell/Shell.h"
#include "tests/composer/forms/OlderUpGoingFixture.h"
#include "tests/platform/automation/RenderedPage.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using rendertest::RenderedDocument;

constexpr double Millimetre = 72.0 / 25.4;
constexpr double TypeAreaBottom = 841.89 - 35 * Millimetre; // A4, bottom margin 35 mm
constexpr double GridLine = 579 / 20.0;
constexpr double RuleLength = 0.9 * 156 * Millimetre;

class OlderUpGoingRender : public OlderUpGoingDocument {
protected:
    void SetUp() override {
        for (const char* program : {"libreoffice", "pdftotext", "pdftohtml", "pdftoppm"})
            if (shell::findProgram(program).empty())
                GTEST_SKIP() << program << " is not installed: the rendering is not checked.";
    }
    RenderedDocument render(int variant, const OlderUpGoingInput& input) {
        std::string document = m_out.file("request.docx");
        std::filesystem::remove(document);
        std::filesystem::copy_file(produceFile(variant, input), document);
        return rendertest::render(document, m_out.path().string());
    }
    static void expectA4(const RenderedDocument& pdf) {
        for (const rendertest::PageSize& page : pdf.pageSizes) {
            EXPECT_NEAR(page.width, 595.3, 1);
            EXPECT_NEAR(page.height, 841.9, 1);
        }
    }

    testsupport::ScopedEnvironment m_fonts{"FONTCONFIG_FILE", DQX_TEST_FONTCONFIG};
    testsupport::TempFolder m_out;
};

} // namespace

// Every field filled: the block with copy-to units and copies stands at the foot of the last page, and the
// drawn rule lies between the copy-to line and the printing line, not at a fixed place of page 1.
TEST_F(OlderUpGoingRender, TheDrawnRuleSeparatesTheCopyToLineFromThePrintingLine) {
    OlderUpGoingInput input;
    input.body = "为切实做好今冬明春安全生产工作，拟开展安全生产大检查，对全公司各单位的生产经营场所和"
                 "重点部位进行全面排查，所需经费申请总公司解决。\r\n妥否，请批示。";
    RenderedDocument pdf = render(1, input);
    ASSERT_TRUE(pdf.ok) << pdf.problem;
    expectA4(pdf);
    auto full = rendertest::lineWith(pdf, "对全公司各单位");
    ASSERT_TRUE(full.has_value());
    EXPECT_EQ(full->characters, 28) << full->text;

    std::vector<double> rules = rendertest::blackRules(pdf, pdf.pages, RuleLength);
    ASSERT_EQ(rules.size(), 4u) << "thick, thin, the drawn rule, thick";
    EXPECT_NEAR(rules.back(), TypeAreaBottom, GridLine);
    auto copyTo = rendertest::lineWith(pdf, "抄送：总公司办公室。");
    auto printing = rendertest::lineWith(pdf, "某某分公司办公室"); // the date stands apart, as its own line
    auto copies = rendertest::lineWith(pdf, "（共印20份）");
    ASSERT_TRUE(copyTo && printing && copies);
    EXPECT_EQ(copyTo->page, pdf.pages);
    EXPECT_GT(rules[2], copyTo->bottom - 3);
    EXPECT_LT(rules[2], printing->top + 3);
    EXPECT_GT(copies->top, rules[2]) << "the copies line stays under the printing line";
    EXPECT_LT(copies->bottom, rules[3] + 3);
}

// A short request of the union without attachments, copy-to units or note is one page, with its block at
// the foot and no drawn rule; the masthead and the title are set in the heavy Song face, the body in the
// plain one.
TEST_F(OlderUpGoingRender, AShortRequestIsOnePageInTheTemplateFaces) {
    OlderUpGoingInput input;
    input.body = "为丰富职工文化生活，拟于四月举办职工运动会。";
    input.firstAttachment = input.secondAttachment = input.note = input.copyTo = "";
    RenderedDocument pdf = render(3, input);
    ASSERT_TRUE(pdf.ok) << pdf.problem;
    expectA4(pdf);
    EXPECT_EQ(pdf.pages, 1);
    std::vector<double> rules = rendertest::blackRules(pdf, 1, RuleLength);
    ASSERT_EQ(rules.size(), 3u);
    EXPECT_NEAR(rules.back(), TypeAreaBottom, GridLine);
    auto date = rendertest::lineWith(pdf, "二○二六年十二月九日");
    ASSERT_TRUE(date.has_value());
    EXPECT_LT(date->bottom, rules.front());

    std::vector<rendertest::SetText> texts = rendertest::textsWithFonts(pdf);
    auto heavy = [](const std::string& font) {
        return font.find("Serif") != std::string::npos && font.find("Black") != std::string::npos;
    };
    EXPECT_PRED1(heavy, rendertest::fontOf(texts, "工会委员会文件")) << "masthead";
    EXPECT_PRED1(heavy, rendertest::fontOf(texts, "关于申请安全生产专项经费的请示")) << "title";
    EXPECT_FALSE(heavy(rendertest::fontOf(texts, "为丰富职工文化生活"))) << "body";
}
