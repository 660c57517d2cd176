// The up-going forms' slot maps, run on a recorder: one authority (TForm5), two (TForm6) and three or
// more (TForm8), per host, template and style; the signers behind their label, the number behind its
// slot, the red-rule adjustment of the one-authority form.

#include "composer/core/ProcessPaths.h"
#include "composer/forms/TForm5.h"
#include "composer/forms/TForm6.h"
#include "composer/forms/TForm8.h"
#include "composer/output/OutputProcedure.h"
#include "composer/output/TemplateCheck.h"
#include "tests/composer/forms/SlotMapSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace composer;
using namespace testsupport;

namespace {

// The size check reads the templates this build made.
class UpGoingSlotMap : public testing::Test {
protected:
    void SetUp() override { paths().TemplateFolder = DQX_BUILT_TEMPLATES; }
};

OutputValues filledWithSigners(DocumentStyle style, std::vector<std::string> signers) {
    OutputValues v = filledValues(style);
    v.signers = std::move(signers);
    return v;
}

// The rows from the signers up, which all three forms share but for their numbers: the signers in 楷体
// behind the label, the label back in the body font, the number behind its slot, the marks.
Log signerAndNumberRows(int signer, const std::string& names, std::pair<int, int> label, int number) {
    std::string s = std::to_string(signer);
    return {"font " + s + " name=楷体",
            "after " + s + " " + names,
            "range " + std::to_string(label.first) + "-" + std::to_string(label.second) + " 标准公文_仿宋",
            "after " + std::to_string(number) + " 某府〔2026〕12号",
            "before 6 机密★一年",
            "before 7 特  急",
            "align 6 2",
            "font 6 name=黑体",
            "align 7 2",
            "font 7 name=黑体"};
}

} // namespace

TEST_F(UpGoingSlotMap, OneAuthorityWordCopyFillsEverySlotBottomUp) {
    OutputValues v = filledWithSigners(DocumentStyle::Administrative, {"王小明"});
    v.profile.sxfx = 3;
    v.profile.xxfx = 0; // the down-going documents' adjustment is not this form's
    Log expected = joinedLogs(
        {
            "after 24 |（共印100份）",
            "align 25 2",
            "before 24 " + FilledIssueLine,
            "before 24 |",
            "before 24 抄送：市委办公室。",
            "font 24 scaling=100",
            "after 22 主题词：安全生产 通知",
            "font 23 name=标准公文_小标宋",
            "range 29-33 黑体",
            "before 22     （此件公开发布）|",
            "before 21 二○二六年十二月九日",
            "before 20 ||",
            "indent 20 -5",
            "before 20 |    附件：通知.doc|",
            "before 19 第一段|第二段",
            "before 18 |各区县人民政府：",
            "after 16 关于做好冬季安全生产工作的通知",
            "font 17 name=标准公文_小标宋 size=22",
            "align 17 1",
        },
        signerAndNumberRows(13, "王小明", {13, 17}, 12));
    expected =
        joinedLogs(expected, {
                                 "spacing 8 1.0",
                                 "shape 4 text 某某市人民政府文件",
                                 "shape 4 font name=标准公文_小标宋 size=55 scaling=60 bold=0 color=255",
                                 "shape 4 align 4",
                                 "shape 4 no outline",
                                 "shape 4 name WJBT",
                                 "shape 2 name BTBX",
                                 "shape 3 name GWXH",
                             });
    EXPECT_EQ(run(TForm5::outputPlan().wordRows, v, 4), expected);
    EXPECT_EQ(TForm5::outputPlan().wordTemplate, "dqx2.dqx");
    EXPECT_EQ(TForm5::outputPlan().steps.wordFailures, WordFailures::Propagate);
}

// The party template of Word has eight shapes: the masthead, its last, never takes the name of the star
// or of the rule beside it.
TEST_F(UpGoingSlotMap, OneAuthorityInPartyStyleNamesTheMastheadApartFromTheStar) {
    OutputValues v = filledWithSigners(DocumentStyle::Party, {"王小明"});
    RecordingEditor editor(8);
    for (const SlotRow& row : TForm5::outputPlan().wordRows)
        row(v, editor);
    EXPECT_EQ(editor.with("before 21"), (Log{"before 21 某某市人民政府|2026年12月9日"}));
    EXPECT_EQ(editor.with("range"), (Log{"range 31-35 黑体", "range 13-17 标准公文_仿宋"}));
    EXPECT_EQ(editor.with("shape 8 name"), (Log{"shape 8 name WJBT"}));
    EXPECT_EQ(editor.with("shape 6 name"), (Log{"shape 6 name DANG1"}));
    EXPECT_EQ(editor.with("shape 7 name"), (Log{"shape 7 name DANG2"}));
}

TEST_F(UpGoingSlotMap, OneAuthorityInWpsByTheCopyToField) {
    const OutputPlan& plan = TForm5::outputPlan();
    EXPECT_EQ(plan.wpsTemplate, "wps2a.dqx");
    EXPECT_EQ(plan.wpsTemplateWithCopyTo, "wps2b.dqx");
    for (auto [style, subject] : {std::pair{DocumentStyle::Administrative, "range 30-34 黑体"},
                                  std::pair{DocumentStyle::Party, "range 32-36 黑体"}}) {
        OutputValues v = filledWithSigners(style, {"王小明"});
        RecordingEditor plain(7);
        for (const SlotRow& row : plan.wpsRows)
            row(v, plain);
        EXPECT_EQ(Log(plain.log.begin(), plain.log.begin() + 4),
                  (Log{"after 24 |（共印100份）", "align 25 2", "before 24 " + v.issueLine.text,
                       "after 22 主题词：安全生产 通知"}));
        EXPECT_EQ(plain.with("range"), (Log{subject, "range 15-19 标准公文_仿宋"}));
        EXPECT_EQ(plain.with("shape 5 to page"), Log{"shape 5 to page"});

        RecordingEditor copyTo(8);
        for (const SlotRow& row : plan.wpsRowsWithCopyTo)
            row(v, copyTo);
        EXPECT_EQ(Log(copyTo.log.begin(), copyTo.log.begin() + 5),
                  (Log{"after 25 |（共印100份）", "align 26 2", "before 25 " + v.issueLine.text,
                       "before 24 抄送：市委办公室。", "font 24 scaling=100"}));
        EXPECT_EQ(copyTo.with("range"), (Log{subject, "range 14-18 标准公文_仿宋"}));
        bool administrative = style == DocumentStyle::Administrative;
        EXPECT_EQ(copyTo.with("font 21"), administrative ? Log{"font 21 name=标准公文_仿宋"} : Log{})
            << "WPS sets the body font on the date first, in administrative style";
        Log names = copyTo.with("shape");
        names.erase(
            std::remove_if(names.begin(), names.end(),
                           [](const std::string& s) { return s.find(" name ") == std::string::npos; }),
            names.end());
        EXPECT_EQ(names, administrative ? (Log{"shape 5 name WJBT", "shape 2 name BTBX", "shape 3 name GWXH"})
                                        : (Log{"shape 5 name WJBT", "shape 2 name BTBX", "shape 3 name GWXH",
                                               "shape 7 name DANG1", "shape 8 name DANG2"}));
    }
}

// Index 0 ("-5") and indices out of the list leave the template's spacing; 1 to 3 set single spacing and
// no, half a line or a line before.
TEST_F(UpGoingSlotMap, OneAuthorityAdjustsTheRedRuleByTheUpGoingIndex) {
    for (auto [index, expected] : {std::pair{0, Log{}}, std::pair{1, Log{"spacing 8 0.0"}},
                                   std::pair{2, Log{"spacing 8 0.5"}}, std::pair{7, Log{}}}) {
        OutputValues v = filledWithSigners(DocumentStyle::Administrative, {"王小明"});
        v.profile.sxfx = index;
        v.profile.xxfx = 3;
        RecordingEditor editor(4);
        for (const SlotRow& row : TForm5::outputPlan().wpsRows)
            row(v, editor);
        EXPECT_EQ(editor.with("spacing"), expected) << index;
    }
}

TEST_F(UpGoingSlotMap, TwoAuthoritiesWordCopyFillsEverySlotBottomUp) {
    OutputValues v = filledWithSigners(DocumentStyle::Administrative, {"王小明", "[签发人2]"});
    v.attachments = {"1．甲", "2．乙"};
    Log expected = joinedLogs(
        {
            "after 29 |（共印100份）",
            "align 30 2",
            "before 29 " + FilledIssueLine,
            "before 29 |",
            "before 29 抄送：市委办公室。",
            "font 29 scaling=100",
            "after 27 主题词：安全生产 通知",
            "font 28 name=标准公文_小标宋",
            "range 33-37 黑体",
            "before 26     （此件公开发布）|",
            "before 25 二○二六年十二月九日",
            "before 24 ||",
            "indent 24 -6",
            "before 24           2．乙|",
            "before 24 |    附件：1．甲|",
            "before 23 第一段|第二段",
            "before 22 |各区县人民政府：",
            "before 21 关于做好冬季安全生产工作的通知",
            "font 21 name=标准公文_小标宋 size=22",
            "align 21 1",
        },
        signerAndNumberRows(17, "王小明|[签发人2]", {17, 21}, 16));
    expected = joinedLogs(joinedLogs(expected, mastheadCells("某某市人民政府", 2, false)),
                          {"shape 2 name BTBX3", "shape 3 name GWXH"});
    EXPECT_EQ(run(TForm6::outputPlan().wordRows, v, 3), expected);
    EXPECT_EQ(TForm6::outputPlan().wordTemplate, "dqx22.dqx");
    EXPECT_EQ(TForm6::outputPlan().steps.wordFailures, WordFailures::ShowAndRelease);
}

// The party templates of the two-authority form keep the star at 8, except the one for WPS with a
// copy-to line, where it is 7.
TEST_F(UpGoingSlotMap, TwoAuthoritiesPerHostTemplateAndStyle) {
    const OutputPlan& plan = TForm6::outputPlan();
    EXPECT_EQ(plan.wpsTemplate, "dqx22.dqx");
    EXPECT_EQ(plan.wpsTemplateWithCopyTo, "dqx22b.dqx");
    struct Case {
        const SlotMap* rows;
        DocumentStyle style;
        const char* label;
        const char* star;
    };
    const Case cases[] = {
        {&plan.wordRows, DocumentStyle::Party, "range 36-40 黑体", "shape 8 name DANG2"},
        {&plan.wpsRows, DocumentStyle::Administrative, "range 34-38 黑体", nullptr},
        {&plan.wpsRows, DocumentStyle::Party, "range 37-41 黑体", "shape 8 name DANG2"},
        {&plan.wpsRowsWithCopyTo, DocumentStyle::Administrative, "range 33-37 黑体", nullptr},
        {&plan.wpsRowsWithCopyTo, DocumentStyle::Party, "range 35-39 黑体", "shape 7 name DANG2"},
    };
    for (const Case& c : cases) {
        OutputValues v = filledWithSigners(c.style, {"王小明", "李华"});
        RecordingEditor editor(8);
        for (const SlotRow& row : *c.rows)
            row(v, editor);
        EXPECT_EQ(editor.with("range"), (Log{c.label, "range 17-21 标准公文_仿宋"})) << c.label;
        EXPECT_EQ(editor.with("after 17"), (Log{"after 17 王小明|李华"}));
        Log party = editor.with("shape 6");
        if (c.star) {
            EXPECT_EQ(party, Log{"shape 6 name DANG1"});
            EXPECT_EQ(editor.log.back(), c.star);
            EXPECT_EQ(editor.with("before 25"), (Log{"before 25 某某市人民政府|发文机关二|2026年12月9日"}));
        } else {
            EXPECT_TRUE(party.empty());
        }
    }
    OutputValues v = filledWithSigners(DocumentStyle::Administrative, {"王小明", "李华"});
    Log copyTo = run(plan.wpsRowsWithCopyTo, v, 3);
    EXPECT_EQ(Log(copyTo.begin(), copyTo.begin() + 5),
              (Log{"after 30 |（共印100份）", "align 31 2", "before 30 " + FilledIssueLine,
                   "before 29 抄送：市委办公室。", "font 29 scaling=100"}));
}

TEST_F(UpGoingSlotMap, ThreeAuthoritiesWordCopyChecksTheTemplatesBeforeTheSubjectLine) {
    OutputValues v = filledWithSigners(DocumentStyle::Administrative, {"王小明", "李华", "赵强"});
    Log expected = joinedLogs(
        {
            "after 32 |（共印100份）",
            "align 33 2",
            "before 32 " + FilledIssueLine,
            "before 32 |",
            "before 32 抄送：市委办公室。",
            "font 32 scaling=100",
            "after 30 主题词：安全生产 通知",
            "font 31 name=标准公文_小标宋",
            "range 38-42 黑体",
            "before 29     （此件公开发布）|",
            "before 28 二○二六年十二月九日",
            "before 27 ||　　发文机关　　　　　　发文机关　　　　　　发文机关||||"
            "　　　　　　　发文机关　　　　　　发文机关|||",
            "indent 26 -5",
            "before 26 |    附件：通知.doc|",
            "before 25 第一段|第二段",
            "before 24 |各区县人民政府：",
            "before 23 关于做好冬季安全生产工作的通知",
            "font 23 name=标准公文_小标宋 size=22",
            "align 23 1",
        },
        signerAndNumberRows(20, "王小明|李华|赵强", {22, 26}, 18));
    expected = joinedLogs(joinedLogs(expected, mastheadCells("某某市人民政府", 3, false)),
                          {"shape 2 name BTBX3", "shape 3 name GWXH"});
    EXPECT_EQ(run(TForm8::outputPlan().wordRows, v, 3), expected);
    EXPECT_EQ(TForm8::outputPlan().wordTemplate, "dqx23.dqx");
    EXPECT_EQ(TForm8::outputPlan().steps.wordFailures, WordFailures::ShowAndRelease);

    // A damaged template set stops this form before its subject line, the others after it.
    paths().TemplateFolder = "/nonexistent";
    for (auto [plan, last] : {std::pair{&TForm5::outputPlan(), "range 29-33 黑体"},
                              std::pair{&TForm6::outputPlan(), "range 33-37 黑体"},
                              std::pair{&TForm8::outputPlan(), "font 32 scaling=100"}}) {
        RecordingEditor editor(4);
        EXPECT_THROW(
            {
                for (const SlotRow& row : plan->wordRows)
                    row(v, editor);
            },
            TemplateDamaged);
        EXPECT_EQ(editor.log.back(), last);
    }
}

TEST_F(UpGoingSlotMap, ThreeAuthoritiesPerHostTemplateAndStyle) {
    const OutputPlan& plan = TForm8::outputPlan();
    EXPECT_EQ(plan.wpsTemplate, "dqx23.dqx");
    EXPECT_EQ(plan.wpsTemplateWithCopyTo, "dqx23b.dqx");
    struct Case {
        const SlotMap* rows;
        DocumentStyle style;
        const char* label;
    };
    const Case cases[] = {
        {&plan.wordRows, DocumentStyle::Party, "range 40-44 黑体"},
        {&plan.wpsRows, DocumentStyle::Administrative, "range 39-43 黑体"},
        {&plan.wpsRows, DocumentStyle::Party, "range 41-45 黑体"},
        {&plan.wpsRowsWithCopyTo, DocumentStyle::Administrative, "range 38-42 黑体"},
        {&plan.wpsRowsWithCopyTo, DocumentStyle::Party, "range 40-44 黑体"},
    };
    for (const Case& c : cases) {
        OutputValues v = filledWithSigners(c.style, {"[签发人1]", "[签发人2]", "[签发人3]"});
        RecordingEditor editor(8);
        for (const SlotRow& row : *c.rows)
            row(v, editor);
        EXPECT_EQ(editor.with("range"), (Log{c.label, "range 22-26 标准公文_仿宋"})) << c.label;
        EXPECT_EQ(editor.with("after 20"), (Log{"after 20 [签发人1]|[签发人2]|[签发人3]"}));
        bool party = c.style == DocumentStyle::Party;
        EXPECT_EQ(editor.with("before 28"),
                  Log{party ? "before 28 2026年12月9日" : "before 28 二○二六年十二月九日"})
            << "the date alone, without the authorities";
        EXPECT_EQ(editor.with("shape 7"), party ? Log{"shape 7 name DANG1"} : Log{});
        EXPECT_EQ(editor.with("shape 8"), party ? Log{"shape 8 name DANG2"} : Log{});
    }
    OutputValues v = filledWithSigners(DocumentStyle::Administrative, {"甲", "乙", "丙"});
    Log copyTo = run(plan.wpsRowsWithCopyTo, v, 3);
    EXPECT_EQ(Log(copyTo.begin(), copyTo.begin() + 5),
              (Log{"after 33 |（共印100份）", "align 34 2", "before 33 " + FilledIssueLine,
                   "before 32 抄送：市委办公室。", "font 32 scaling=100"}));
}

// The up-going forms start even a single attachment with a blank line and close it with one break; the
// two-authority form puts its two blank lines for the seals in first.
TEST_F(UpGoingSlotMap, AttachmentsAfterABlankLineWhateverTheirNumber) {
    OutputValues v = filledWithSigners(DocumentStyle::Administrative, {"甲", "乙"});
    v.attachments.clear();
    RecordingEditor none(3);
    for (const SlotRow& row : TForm6::outputPlan().wordRows)
        row(v, none);
    EXPECT_EQ(none.with("before 24"), (Log{"before 24 ||"}));
    EXPECT_TRUE(none.with("indent").empty());

    v.attachments = {"1．甲", "2．乙", "3．丙"};
    RecordingEditor three(3);
    for (const SlotRow& row : TForm8::outputPlan().wordRows)
        row(v, three);
    EXPECT_EQ(three.with("before 26"), (Log{"before 26           3．丙|", "before 26           2．乙|",
                                            "before 26 |    附件：1．甲|"}));
    EXPECT_EQ(three.with("indent"), (Log{"indent 26 -6"}));
}
