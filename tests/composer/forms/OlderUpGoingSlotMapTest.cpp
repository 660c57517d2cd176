// The older up-going form's slot map (TForm17), run on a recorder: every slot from the printing line up
// to the marks, the rule drawn above the printing line under a copy-to line, the attachment lines'
// own indent, the subject words behind the label of the third table's first cell; and what the
// variants share and where they differ.

#include "composer/forms/TForm17.h"
#include "composer/output/OutputProcedure.h"
#include "tests/composer/forms/SlotMapSupport.h"

#include <gtest/gtest.h>

using namespace composer;
using namespace testsupport;

namespace {

// The filled values as this form has them: one typed signer, a printing line of 32 bytes however long
// the name, two attachments numbered by the form.
OutputValues olderValues() {
    OutputValues v = filledValues(DocumentStyle::Administrative);
    v.signers = {"王小明"};
    v.attachments = attachmentPair("通知.doc", "名单.xls");
    v.issueLine = FormatIssueLine(v.profile.name, v.style, " 2026年12月9日印发", IssueLineWidth::Fixed32);
    return v;
}

const SlotMap& rows(int variant) {
    return TForm17::outputPlan(variant).wordRows;
}

} // namespace

TEST(OlderUpGoingSlotMap, FillsEverySlotBottomUpAndTheSubjectCellLast) {
    Log expected = {
        "after 29 |（共印100份）",
        "align 30 2",
        "before 29 " + FilledIssueLine,
        "before 29 |",
        "line at 30 0.0,0.0-441.0,0.0",
        "before 29 抄送：市委办公室。",
        "font 29 scaling=100",
        "before 26     （此件公开发布）|",
        "before 25 二○二六年十二月九日",
        "before 23 ||",
        "before 23           2．名单.xls|",
        "before 23 |    附件：1．通知.doc|",
        "indent 24 -6",
        "indent 25 -6",
        "before 23 第一段|第二段|",
        "before 22 各区县人民政府：",
        "after 19 关于做好冬季安全生产工作的通知",
        "font 20 name=小标宋 size=22",
        "align 20 1",
        "after 16 王小明",
        "after 15 某府〔2026〕12号",
        "before 6 机密★一年",
        "before 7 特  急",
        "align 6 2",
        "font 6 name=黑体",
        "align 7 2",
        "font 7 name=黑体",
        "cell 3,1,1 after 安全生产 通知",
    };
    EXPECT_EQ(run(rows(1), olderValues(), 3), expected);
}

// Empty fields go in as they stand: no placeholders, a number without its prefix and serial, the
// recipients' colon alone; without copy-to, copies or attachments their rows write nothing, and no rule
// is drawn.
TEST(OlderUpGoingSlotMap, EmptyFieldsWriteNothingButTheirFixedTexts) {
    OutputValues v;
    v.numberYear = "2026";
    v.date = {"二○二六年", "十二月", "九日"};
    v.signers = {""};
    v.issueLine = FormatIssueLine("印发机关", v.style, " 2026年12月9日印发", IssueLineWidth::Fixed32);
    Log log = run(rows(2), v, 3);
    Log expected = {
        "before 29 印发机关" + std::string(24, ' ') + " 2026年12月9日印发",
        "before 25 二○二六年十二月九日",
        "before 23 ||",
        "before 23 |",
        "before 22 ：",
        "after 15 〔2026〕号",
        "align 6 2",
        "font 6 name=黑体",
        "align 7 2",
        "font 7 name=黑体",
    };
    EXPECT_EQ(log, expected);
}

// A single attachment takes the hanging indent of five characters on its own line; the slot, whose
// format the body's lines take, keeps its own.
TEST(OlderUpGoingSlotMap, OneAttachmentIndentsItsOwnLineOnly) {
    OutputValues v = olderValues();
    v.attachments = attachmentPair("通知.doc", "");
    RecordingEditor editor;
    for (const SlotRow& row : rows(3))
        row(v, editor);
    EXPECT_EQ(editor.with("indent"), Log{"indent 24 -5"});
    EXPECT_EQ(editor.with("before 23 |    附件"), Log{"before 23 |    附件：通知.doc|"});
}

// The three variants differ in their template only; each lies in the installation folder, and the run
// keeps the template's page and body style, takes no user settings and writes none.
TEST(OlderUpGoingSlotMap, TheVariantsDifferInTheirTemplateOnly) {
    const char* const templates[] = {"dqx2a.dot", "dqx2b.dot", "dqx2c.dot"};
    for (int variant = 1; variant <= 3; ++variant) {
        const OutputPlan& plan = TForm17::outputPlan(variant);
        EXPECT_EQ(plan.wordTemplate, templates[variant - 1]);
        EXPECT_TRUE(plan.wpsTemplate.empty()) << "Word only";
        EXPECT_EQ(run(plan.wordRows, olderValues(), 3), run(rows(1), olderValues(), 3));
        EXPECT_EQ(plan.steps.source, FormSource::InstallFolder);
        EXPECT_FALSE(plan.steps.rememberSerial);
        EXPECT_FALSE(plan.steps.fillPlaceholders);
        EXPECT_EQ(plan.steps.issueLineWidth, IssueLineWidth::Fixed32);
        EXPECT_TRUE(plan.steps.layout.spellingCheckOff);
        EXPECT_TRUE(plan.steps.layout.grammarCheckOff);
        EXPECT_FALSE(plan.steps.layout.tableGridlinesOff || plan.steps.layout.margins ||
                     plan.steps.layout.bodyStyle || plan.steps.layout.charsLine);
        EXPECT_STREQ(plan.steps.layout.applicationCaption, "Brevaro");
        EXPECT_STREQ(plan.steps.startFailure, "无法启动Word。请检查是否已安装。");
    }
    EXPECT_EQ(&TForm17::outputPlan(0), &TForm17::outputPlan(1)) << "no variant: the branch company's";
    EXPECT_EQ(&TForm17::outputPlan(4), &TForm17::outputPlan(1));
}
