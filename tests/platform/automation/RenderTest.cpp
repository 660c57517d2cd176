// Produced documents rendered by LibreOffice: the page and the type area that the profile sets, and 22
// lines of 28 characters. Skipped where LibreOffice or poppler's tools are not installed.
#include "tests/platform/automation/ProducedDocuments.h"
#include "tests/platform/automation/RenderedPage.h"
#include "tests/platform/wordproc/WordprocFixtures.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using rendertest::RenderedLine;

constexpr double Millimetre = 72.0 / 25.4;

std::string bodyText(int characters) {
    const char* pieces[] = {"根", "据", "工", "作", "需", "要", "现", "将",
                            "有", "关", "事", "项", "通", "知", "如", "下"};
    std::string text;
    for (int i = 0; i < characters; ++i)
        text += pieces[i % 16];
    return text;
}

TEST(Render, TheBlankTemplateGivesTheOfficialPageWith22LinesOf28Characters) {
    REQUIRE_RENDERER();
    wordproctest::HandOffRecorder recorder;
    producedtest::produceBlankDocument("word.Application", wordproctest::builtTemplate("dqx0.dqx"),
                                       bodyText(700));
    testsupport::TempFolder folder;
    rendertest::RenderedDocument pdf = rendertest::render(recorder.onlyDraft(), folder.path());
    ASSERT_TRUE(pdf.ok) << pdf.problem;
    EXPECT_NEAR(pdf.pageWidth, 595.3, 0.5);
    EXPECT_NEAR(pdf.pageHeight, 841.9, 0.5);

    std::vector<RenderedLine> lines = rendertest::bodyLines(pdf, 1);
    ASSERT_GE(lines.size(), 22u);
    // The first line is indented two characters; the others start at the left margin (28 mm).
    EXPECT_EQ(lines[0].characters, 26);
    for (std::size_t i = 1; i < 22; ++i) {
        EXPECT_EQ(lines[i].characters, 28) << "line " << i + 1;
        EXPECT_NEAR(lines[i].left, 28 * Millimetre, 1.5) << "line " << i + 1;
        EXPECT_LE(lines[i].right, pdf.pageWidth - 26 * Millimetre + 0.5) << "line " << i + 1;
    }
    // 22 lines fill the type area from 37 mm below the top to 35 mm above the bottom.
    EXPECT_EQ(lines.size(), 22u);
    EXPECT_GE(lines.front().top, 37 * Millimetre - 0.5);
    EXPECT_LT(lines.front().top, 37 * Millimetre + 10);
    EXPECT_LE(lines.back().bottom, pdf.pageHeight - 35 * Millimetre + 0.5);
    EXPECT_GT(lines.back().bottom, pdf.pageHeight - 35 * Millimetre - 10);
    EXPECT_GE(pdf.pages, 2);
}

TEST(Render, ATemplateWithATableAndTextBoxesRenders) {
    REQUIRE_RENDERER();
    wordproctest::HandOffRecorder recorder;
    testsupport::TempFolder folder;
    std::string source = wordproctest::buildTestTemplate(folder.path(), "slots", "slots.dqx");
    producedtest::produceFilledDocument("word.Application", source);
    rendertest::RenderedDocument pdf = rendertest::render(recorder.onlyDraft(), folder.path());
    ASSERT_TRUE(pdf.ok) << pdf.problem;
    EXPECT_NEAR(pdf.pageWidth, 595.3, 0.5);
    for (const char* text : {"某某市人民政府文件", "表中文字", "主题词：公文", "框内", "（共印30份）"})
        EXPECT_TRUE(rendertest::contains(pdf, text)) << text;
    // The masthead box stands 35 mm below the top margin, measured from the page once moved there.
    std::optional<RenderedLine> masthead = rendertest::lineWith(pdf, "某");
    ASSERT_TRUE(masthead.has_value());
    EXPECT_NEAR(masthead->top, (37 + 35) * Millimetre, 12);
}

} // namespace
