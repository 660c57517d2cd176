// The joint forms' slot maps, run on a recorder: the two-authority form (TForm3) and the form of three or
// more authorities (TForm9), per host, template and style; the masthead table and the seal rows.

#include "composer/core/ProcessPaths.h"
#include "composer/forms/TForm3.h"
#include "composer/forms/TForm9.h"
#include "composer/output/JointRows.h"
#include "composer/output/OutputProcedure.h"
#include "composer/output/TemplateCheck.h"
#include "platform/text/Encoding.h"
#include "tests/composer/forms/SlotMapSupport.h"

#include <gtest/gtest.h>

using namespace composer;
using namespace testsupport;

namespace {

// The size check reads the templates this build made.
class JointSlotMap : public testing::Test {
protected:
    void SetUp() override { paths().TemplateFolder = DQX_BUILT_TEMPLATES; }
};

// The rows from the title up, which both forms share but for their paragraph numbers: title, document
// number, marks, the masthead table and the shapes' names.
Log topRows(int title, int number, int authorities) {
    std::string t = std::to_string(title);
    std::string n = std::to_string(number);
    Log log = {"before " + t + " 关于做好冬季安全生产工作的通知",
               "font " + t + " name=标准公文_小标宋 size=22",
               "align " + t + " 1",
               "before " + n + " 某府〔2026〕12号",
               "align " + n + " 1",
               "before 1 机密★一年",
               "before 2 特  急",
               "align 1 2",
               "font 1 name=黑体",
               "align 2 2",
               "font 2 name=黑体"};
    return joinedLogs(joinedLogs(log, mastheadCells("某某市人民政府", authorities, false)),
                      {"shape 2 name BTBX3", "shape 3 name GWXH"});
}

} // namespace

TEST_F(JointSlotMap, TwoAuthoritiesWordCopyFillsEverySlotBottomUp) {
    OutputValues v = filledValues(DocumentStyle::Administrative);
    v.attachments = {"1．甲", "2．乙"};
    Log expected = joinedLogs(
        {
            "after 22 |（共印100份）",
            "align 23 2",
            "before 22 " + FilledIssueLine,
            "before 22 |",
            "before 22 抄送：市委办公室。",
            "font 22 scaling=100",
            "after 20 主题词：安全生产 通知",
            "font 21 name=标准公文_小标宋",
            "range 22-26 黑体",
            "before 19     （此件公开发布）|",
            "before 18 二○二六年十二月九日",
            "before 17 |",
            "indent 17 -6",
            "before 17           2．乙|",
            "before 17     附件：1．甲|",
            "before 16 第一段|第二段|",
            "before 15 各区县人民政府：",
        },
        topRows(13, 11, 2));
    EXPECT_EQ(run(TForm3::outputPlan().wordRows, v, 3), expected);
    EXPECT_EQ(TForm3::outputPlan().wordTemplate, "dqx12.dqx");
    EXPECT_EQ(TForm3::outputPlan().steps.wordFailures, WordFailures::ShowAndRelease);
}

TEST_F(JointSlotMap, TwoAuthoritiesInPartyStyleDateUnderBothNamesAndTheStarNamed) {
    OutputValues v = filledValues(DocumentStyle::Party);
    RecordingEditor editor(7);
    for (const SlotRow& row : TForm3::outputPlan().wordRows)
        row(v, editor);
    EXPECT_EQ(editor.with("before 18"), (Log{"before 18 某某市人民政府|发文机关二|2026年12月9日"}));
    EXPECT_EQ(editor.with("range"), (Log{"range 24-28 黑体"}));
    EXPECT_EQ(editor.with("shape"),
              (Log{"shape 2 name BTBX3", "shape 3 name GWXH", "shape 6 name DANG1", "shape 7 name DANG2"}));
}

// The same template in WPS: the masthead table counts one character longer, so the label moves on by one;
// with a copy-to line the second template has a paragraph of its own for it.
TEST_F(JointSlotMap, TwoAuthoritiesInWpsByTheCopyToField) {
    const OutputPlan& plan = TForm3::outputPlan();
    EXPECT_EQ(plan.wpsTemplate, "dqx12.dqx");
    EXPECT_EQ(plan.wpsTemplateWithCopyTo, "dqx12b.dqx");
    OutputValues v = filledValues(DocumentStyle::Administrative);
    RecordingEditor without(3);
    for (const SlotRow& row : plan.wpsRows)
        row(v, without);
    EXPECT_EQ(Log(without.log.begin(), without.log.begin() + 4),
              (Log{"after 22 |（共印100份）", "align 23 2", "before 22 " + FilledIssueLine,
                   "after 20 主题词：安全生产 通知"}));
    EXPECT_EQ(without.with("range"), (Log{"range 23-27 黑体"}));
    EXPECT_EQ(without.with("font 18"), (Log{"font 18 name=标准公文_仿宋"}))
        << "the body font before the date";

    Log with = run(plan.wpsRowsWithCopyTo, v, 3);
    EXPECT_EQ(Log(with.begin(), with.begin() + 5),
              (Log{"after 23 |（共印100份）", "align 24 2", "before 23 " + FilledIssueLine,
                   "before 22 抄送：市委办公室。", "font 22 scaling=100"}));

    OutputValues party = filledValues(DocumentStyle::Party);
    for (const SlotMap* rows : {&plan.wpsRows, &plan.wpsRowsWithCopyTo}) {
        RecordingEditor editor(7);
        for (const SlotRow& row : *rows)
            row(party, editor);
        EXPECT_EQ(editor.with("range"), (Log{"range 25-29 黑体"}));
        EXPECT_TRUE(editor.with("font 18").empty()) << "party style keeps the template's font";
    }
}

TEST_F(JointSlotMap, TwoAuthoritiesAlwaysLeaveABlankLineBeforeTheAttachments) {
    OutputValues v = filledValues(DocumentStyle::Administrative);
    v.attachments.clear();
    RecordingEditor none(3);
    for (const SlotRow& row : TForm3::outputPlan().wordRows)
        row(v, none);
    EXPECT_EQ(none.with("before 17"), (Log{"before 17 |"}));
    EXPECT_TRUE(none.with("indent").empty());

    v.attachments = {"通知.doc"};
    RecordingEditor one(3);
    for (const SlotRow& row : TForm3::outputPlan().wordRows)
        row(v, one);
    EXPECT_EQ(one.with("before 17"), (Log{"before 17 |", "before 17     附件：通知.doc||"}));
    EXPECT_EQ(one.with("indent"), (Log{"indent 17 -5"}));
}

// A name of ten Chinese characters' width fills the first cell; one byte more is set at half width. The
// mixed names show that bytes of the settings' code page count, not characters or UTF-8 bytes.
TEST_F(JointSlotMap, TheMastheadHalvesANameLongerThanTwentyBytes) {
    OutputValues v = filledValues(DocumentStyle::Administrative);
    for (auto [name, half] : {std::pair<std::string, bool>{"A市B区人民政府办公室", false},
                              {"A市BC区人民政府办公室", true},
                              {"某某市人民政府某某局", false},
                              {"某某市人民政府某某局A", true}}) {
        v.profile.section = name;
        for (int rows : {2, 3}) {
            RecordingEditor editor(3);
            slot::jointMasthead(rows)(v, editor);
            EXPECT_EQ(editor.log, mastheadCells(name, rows, half)) << name << " " << rows;
        }
    }
    EXPECT_EQ(text::gbkLength("A市B区人民政府办公室"), 20u);
}

TEST_F(JointSlotMap, TheMastheadTakesTheProfilesFontAndBoldnessButNotItsSize) {
    OutputValues v = filledValues(DocumentStyle::Administrative);
    v.profile.fwzt = "黑体";
    v.profile.fwbold = true;
    v.profile.fontsize = "不是数字"; // not read: the cells keep the template's size
    RecordingEditor editor(3);
    slot::jointMasthead(2)(v, editor);
    EXPECT_EQ(editor.with("cell 1,1,2 font"), (Log{"cell 1,1,2 font name=黑体", "cell 1,1,2 font bold=1"}));
    for (const std::string& line : editor.log)
        EXPECT_EQ(line.find("size"), std::string::npos) << line;
}

TEST_F(JointSlotMap, ThreeAuthoritiesWordCopyFillsEverySlotBottomUp) {
    OutputValues v = filledValues(DocumentStyle::Administrative);
    v.attachments = {"1．甲", "2．乙"};
    Log expected = joinedLogs(
        {
            "after 24 |（共印100份）",
            "align 25 2",
            "before 24 " + FilledIssueLine,
            "before 24 |",
            "before 24 抄送：市委办公室。",
            "font 24 scaling=100",
            "before 22 |",
            "after 23 主题词：安全生产 通知",
            "font 24 name=标准公文_小标宋",
            "range 25-29 黑体",
            "before 22     （此件公开发布）|",
            "before 21 二○二六年十二月九日",
            "before 20 "
            "||　　发文机关　　　　　　发文机关　　　　　　发文机关||||"
            "　　　　　　　发文机关　　　　　　发文机关|||",
            "indent 20 -6",
            "before 20           2．乙|",
            "before 20     附件：1．甲|",
            "before 19 第一段|第二段|",
            "before 18 |各区县人民政府：",
        },
        topRows(17, 14, 3));
    EXPECT_EQ(run(TForm9::outputPlan().wordRows, v, 3), expected);
    EXPECT_EQ(TForm9::outputPlan().wordTemplate, "dqx13.dqx");
    EXPECT_EQ(TForm9::outputPlan().steps.wordFailures, WordFailures::ShowAndRelease);
}

TEST_F(JointSlotMap, ThreeAuthoritiesInPartyStyleDateTheDocumentAlone) {
    OutputValues v = filledValues(DocumentStyle::Party);
    RecordingEditor editor(7);
    for (const SlotRow& row : TForm9::outputPlan().wordRows)
        row(v, editor);
    EXPECT_EQ(editor.with("before 21"), (Log{"before 21 2026年12月9日"}));
    EXPECT_EQ(editor.with("range"), (Log{"range 27-31 黑体"}));
    EXPECT_EQ(editor.with("shape 6"), (Log{"shape 6 name DANG1"}));
    // One attachment: its block goes in front of the seal rows, which are already there.
    Log at20 = editor.with("before 20");
    ASSERT_EQ(at20.size(), 2u);
    EXPECT_EQ(at20[1], "before 20     附件：通知.doc||");
}

TEST_F(JointSlotMap, ThreeAuthoritiesInWpsLabelTheTemplateInUse) {
    const OutputPlan& plan = TForm9::outputPlan();
    EXPECT_EQ(plan.wpsTemplate, "dqx13.dqx");
    EXPECT_EQ(plan.wpsTemplateWithCopyTo, "dqx13b.dqx");
    for (auto [style, without, with] :
         {std::tuple{DocumentStyle::Administrative, "range 26-30 黑体", "range 25-29 黑体"},
          std::tuple{DocumentStyle::Party, "range 28-32 黑体", "range 27-31 黑体"}}) {
        OutputValues v = filledValues(style);
        RecordingEditor plain(7);
        for (const SlotRow& row : plan.wpsRows)
            row(v, plain);
        EXPECT_EQ(plain.with("range"), Log{without});
        EXPECT_TRUE(plain.with("before 24 抄送").empty());
        RecordingEditor copyTo(7);
        for (const SlotRow& row : plan.wpsRowsWithCopyTo)
            row(v, copyTo);
        EXPECT_EQ(copyTo.with("range"), Log{with});
        EXPECT_EQ(Log(copyTo.log.begin(), copyTo.log.begin() + 5),
                  (Log{"after 25 |（共印100份）", "align 26 2", "before 25 " + v.issueLine.text,
                       "before 24 抄送：市委办公室。", "font 24 scaling=100"}));
        // WPS sets the body font on the date slot first, in administrative style only.
        bool administrative = style == DocumentStyle::Administrative;
        EXPECT_EQ(copyTo.with("font 21"), administrative ? Log{"font 21 name=标准公文_仿宋"} : Log{});
    }
}

TEST_F(JointSlotMap, ADamagedTemplateSetStopsAfterTheSubjectLine) {
    paths().TemplateFolder = "/nonexistent";
    OutputValues v = filledValues(DocumentStyle::Administrative);
    for (const OutputPlan* plan : {&TForm3::outputPlan(), &TForm9::outputPlan()}) {
        RecordingEditor editor(3);
        EXPECT_THROW(
            {
                for (const SlotRow& row : plan->wordRows)
                    row(v, editor);
            },
            TemplateDamaged);
        EXPECT_EQ(editor.log.back().substr(0, 6), "range ");
    }
}

// The seal rows as one text of 103 bytes in the settings' code page: two blank lines, three "发文机关" after
// two ideographic blanks and between six, three blank lines, two "发文机关" after seven and between six, and
// two blank lines before the slot's own text.
TEST(SealPlaceholderBlock, IsTheFixedTextOf103Bytes) {
    const std::string& block = SealPlaceholderBlock();
    EXPECT_EQ(text::utf8ToGb18030(block).size(), 103u);
    EXPECT_EQ(text::gbkLength(block), 103u);
    // Rows between the line breaks; the blanks are ideographic (U+3000).
    EXPECT_EQ(block, "\r\r　　发文机关　　　　　　发文机关　　　　　　发文机关\r\r\r\r　　　　　　　发文机关"
                     "　　　　　　发文机关\r\r\r");
}
