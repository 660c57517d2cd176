// The older up-going form producing its documents in the embedded word processor: the run fills the
// document that it made, also while the user has documents of his own open in Word, before and after;
// the word processor's window is named after the product; and each variant's template takes every slot
// where it belongs, the rule above the printing line anchored in that line.

#include "composer/core/ProcessPaths.h"
#include "platform/automation/Application.h"
#include "platform/automation/Automation.h"
#include "platform/automation/Paragraphs.h"
#include "platform/automation/Range.h"
#include "platform/automation/Shapes.h"
#include "platform/automation/Tables.h"
#include "platform/wordproc/Document.h"
#include "platform/wordproc/DocumentShapes.h"
#include "tests/composer/forms/OlderUpGoingFixture.h"

#include <gtest/gtest.h>

using namespace composer;

namespace {

std::string paragraph(const automation::Document& doc, int n) {
    std::string text = doc.Paragraphs().Item(n).Range().text();
    while (!text.empty() && (text.back() == '\r' || text.back() == '\a'))
        text.pop_back();
    return text;
}

std::string cell(const automation::Document& doc, int table, int row, int column) {
    std::string text = doc.Tables().Item(table).Cell(row, column).Range().text();
    return text.substr(0, text.size() - 2); // without the cell's end mark
}

automation::Document opened(const std::string& path) {
    return automation::CreateObject("word.Application").Documents().Open(path);
}

class OlderUpGoingDocuments : public OlderUpGoingDocument, public testing::WithParamInterface<int> {};

} // namespace

// The form once wrote into the first document of the word processor, which may be the user's own: each
// run now fills the document that its template made, and the user's documents stay as they were.
TEST_F(OlderUpGoingDocument, TheRunFillsItsOwnDocumentAndNotTheUsersOpenOnes) {
    automation::Application word = automation::CreateObject("word.Application");
    automation::Document own = word.Documents().Add(std::string(DQX_BUILT_TEMPLATES) + "/dqx0.dqx");
    own.Paragraphs().Item(1).Range().InsertBefore("我的草稿");
    ASSERT_EQ(word.Documents().Item(1).engine(), own.engine()) << "the user's document comes first";

    std::string first = produceFile(1, OlderUpGoingInput());
    automation::Document later = word.Documents().Add(std::string(DQX_BUILT_TEMPLATES) + "/dqx0.dqx");
    std::string second = produceFile(2, OlderUpGoingInput());

    EXPECT_EQ(own.Paragraphs().Count(), 1);
    EXPECT_EQ(paragraph(own, 1), "我的草稿");
    EXPECT_EQ(later.Paragraphs().Count(), 1);
    EXPECT_EQ(paragraph(later, 1), "");
    EXPECT_EQ(word.caption(), "Brevaro");
    for (const std::string& path : {first, second}) {
        automation::Document doc = opened(path);
        EXPECT_EQ(paragraph(doc, 20), "关于申请安全生产专项经费的请示") << path;
        EXPECT_EQ(paragraph(doc, 22), "总公司：") << path;
        doc.Close();
    }
    own.Close();
    later.Close();
}

// Every slot of the variant's template takes its text: the marks, the number and the signer on their
// line, the title, recipients, body, attachments, date and note, the subject words behind their label,
// and the copy-to, printing and copies lines in the block's last cell, with the rule drawn on top of the
// printing line.
TEST_P(OlderUpGoingDocuments, EverySlotLandsWhereItBelongs) {
    automation::Document doc = opened(produceFile(GetParam(), OlderUpGoingInput()));
    EXPECT_EQ(paragraph(doc, 6), "机密★一年");
    EXPECT_EQ(paragraph(doc, 7), "特  急");
    EXPECT_EQ(cell(doc, 2, 1, 1), "某分司〔2026〕7号");
    EXPECT_EQ(cell(doc, 2, 1, 2), "签发人： 王小明");
    EXPECT_EQ(paragraph(doc, 20), "关于申请安全生产专项经费的请示");
    EXPECT_EQ(paragraph(doc, 23),
              "为切实做好今冬明春安全生产工作，拟开展安全生产大检查，所需经费申请总公司解决。");
    EXPECT_EQ(paragraph(doc, 25), "");
    EXPECT_EQ(paragraph(doc, 26), "    附件：1．经费预算表");
    EXPECT_EQ(paragraph(doc, 27), "          2．检查方案");
    EXPECT_EQ(doc.Paragraphs().Item(26).Range().ParagraphFormat().characterUnitFirstLineIndent(), -6.0f);
    EXPECT_EQ(doc.Paragraphs().Item(23).Range().ParagraphFormat().characterUnitFirstLineIndent(), 2.0f)
        << "the body keeps the slot's indent";
    EXPECT_EQ(paragraph(doc, 32), "二○二六年十二月九日");
    EXPECT_EQ(paragraph(doc, 33), "    （联系人：张三）");
    EXPECT_EQ(cell(doc, 3, 1, 1), "主题词： 安全生产 经费 请示");
    EXPECT_EQ(cell(doc, 3, 2, 1), "抄送：总公司办公室。\r某某分公司办公室" + std::string(16, ' ') +
                                      " 2026年12月9日印发\r（共印20份）");

    automation::Shape rule = doc.Shapes().Item(doc.Shapes().Count());
    EXPECT_EQ(rule.relativeVerticalPosition(), 2) << "measured from its paragraph";
    EXPECT_EQ(rule.top(), 0.0f);
    EXPECT_NEAR(rule.width(), 441.0, 0.1);
    int anchor = doc.engine()->shapes().anchorPosition(rule.id());
    automation::Range printingLine = doc.Paragraphs().Item(38).Range();
    EXPECT_TRUE(anchor >= printingLine.start() && anchor < printingLine.end()) << "anchored at " << anchor;
    EXPECT_EQ(paragraph(doc, 38), "某某分公司办公室" + std::string(16, ' ') + " 2026年12月9日印发");
    doc.Close();
}

namespace {

std::string variantName(const testing::TestParamInfo<int>& info) {
    const char* const names[] = {"BranchCompany", "PartyCommittee", "Union"};
    return names[info.param - 1];
}

} // namespace

INSTANTIATE_TEST_SUITE_P(Variants, OlderUpGoingDocuments, testing::Values(1, 2, 3), variantName);
