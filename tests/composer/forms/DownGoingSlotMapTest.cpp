// The down-going form's slot maps, run on a recorder: what goes where, in which order, per host and style.

#include "composer/core/ProcessPaths.h"
#include "composer/forms/TForm2.h"
#include "composer/output/OutputProcedure.h"
#include "composer/output/TemplateCheck.h"
#include "platform/text/Convert.h"
#include "tests/composer/forms/SlotMapSupport.h"

#include <gtest/gtest.h>

using namespace composer;
using namespace testsupport;

namespace {

// The size check reads the templates this build made.
class DownGoingSlotMap : public testing::Test {
protected:
    void SetUp() override { paths().TemplateFolder = DQX_BUILT_TEMPLATES; }
};

} // namespace

TEST_F(DownGoingSlotMap, WordCopyFillsEverySlotBottomUp) {
    OutputValues v = filledValues(DocumentStyle::Administrative);
    Log log = run(TForm2::outputPlan().wordRows, v, 3);
    Log expected = {
        "after 19 |（共印100份）",
        "align 20 2",
        "before 19 " + FilledIssueLine,
        "before 19 |",
        "before 19 抄送：市委办公室。",
        "font 19 scaling=100",
        "after 17 主题词：安全生产 通知",
        "font 18 name=标准公文_小标宋",
        "range 21-25 黑体",
        "before 16     （此件公开发布）|",
        "before 15 二○二六年十二月九日",
        "indent 13 -5",
        "before 13     附件：通知.doc||",
        "before 12 第一段|第二段|",
        "before 11 |各区县人民政府：",
        "after 9 关于做好冬季安全生产工作的通知",
        "font 10 name=标准公文_小标宋 size=22",
        "align 10 1",
        "before 7 某府〔2026〕12号",
        "align 7 1",
        "before 1 机密★一年",
        "before 2 特  急",
        "align 1 2",
        "font 1 name=黑体",
        "align 2 2",
        "font 2 name=黑体",
        "spacing 3 0.0",
        "shape 3 text 某某市人民政府文件",
        "shape 3 font name=标准公文_小标宋 size=55 scaling=60 bold=0 color=255",
        "shape 3 align 4",
        "shape 3 no outline",
        "shape 3 name WJBT",
        "shape 1 name BTBX",
        "shape 2 name GWXH",
    };
    EXPECT_EQ(log, expected);
}

TEST_F(DownGoingSlotMap, EmptyOptionalFieldsWriteNothing) {
    OutputValues v = filledValues(DocumentStyle::Administrative);
    v.copies.clear();
    v.copyTo.clear();
    v.note.clear();
    v.attachments.clear();
    Log log = run(TForm2::outputPlan().wordRows, v, 3);
    for (const std::string& line : log) {
        EXPECT_EQ(line.find("共印"), std::string::npos) << line;
        EXPECT_EQ(line.find("抄送"), std::string::npos) << line;
        EXPECT_EQ(line.find("附件"), std::string::npos) << line;
        EXPECT_EQ(line.find("before 16"), std::string::npos) << line;
        EXPECT_EQ(line.find("indent"), std::string::npos) << line;
    }
    EXPECT_EQ(log.front(), "before 19 " + FilledIssueLine);
}

TEST_F(DownGoingSlotMap, PartyStyleUsesItsLabelDateAndShapeNames) {
    OutputValues v = filledValues(DocumentStyle::Party);
    RecordingEditor editor(8);
    for (const SlotRow& row : TForm2::outputPlan().wordRows)
        row(v, editor);
    EXPECT_EQ(editor.with("range"), (Log{"range 23-27 黑体"}));
    EXPECT_EQ(editor.with("before 15"), (Log{"before 15 某某市人民政府|2026年12月9日"}));
    EXPECT_EQ(editor.with("before 19 某"),
              (Log{"before 19 某某市人民政府办公室" + std::string(16, ' ') + " 2026年12月9日印发"}));
    EXPECT_EQ(editor.with("shape 8 name"), (Log{"shape 8 name WJBT"}));
    EXPECT_EQ(editor.with("shape 6 name"), (Log{"shape 6 name DANG1"}));
    EXPECT_EQ(editor.with("shape 7 name"), (Log{"shape 7 name DANG2"}));
}

TEST_F(DownGoingSlotMap, AdministrativeStyleNamesNoPartyShapes) {
    OutputValues v = filledValues(DocumentStyle::Administrative);
    RecordingEditor editor(8);
    for (const SlotRow& row : TForm2::outputPlan().wordRows)
        row(v, editor);
    EXPECT_TRUE(editor.with("shape 6 name").empty());
    EXPECT_TRUE(editor.with("shape 7 name").empty());
}

TEST_F(DownGoingSlotMap, WpsWithoutCopyToDrawsTheZeroLineAndAnchorsTheMastheadToThePage) {
    OutputValues v = filledValues(DocumentStyle::Administrative);
    v.copyTo.clear();
    RecordingEditor editor(5);
    for (const SlotRow& row : TForm2::outputPlan().wpsRows)
        row(v, editor);
    Log head(editor.log.begin(), editor.log.begin() + 4);
    EXPECT_EQ(head, (Log{"after 19 |（共印100份）", "align 20 2", "before 19 " + FilledIssueLine, "line"}));
    EXPECT_EQ(editor.with("shape 5"),
              (Log{"shape 5 text 某某市人民政府文件",
                   "shape 5 font name=标准公文_小标宋 size=55 scaling=60 bold=0 color=255", "shape 5 align 4",
                   "shape 5 to page", "shape 5 no outline", "shape 5 name WJBT"}));
    // WPS sets the body font on the date slot first in administrative style.
    EXPECT_EQ(editor.with("font 15"), (Log{"font 15 name=标准公文_仿宋"}));
    EXPECT_EQ(editor.with("range"), (Log{"range 21-25 黑体"}));
}

TEST_F(DownGoingSlotMap, WpsWithCopyToFillsTheTemplatesOwnCopyToParagraph) {
    OutputValues v = filledValues(DocumentStyle::Administrative);
    Log log = run(TForm2::outputPlan().wpsRowsWithCopyTo, v, 5);
    Log head(log.begin(), log.begin() + 6);
    EXPECT_EQ(head, (Log{"after 20 |（共印100份）", "align 21 2", "before 20   " + FilledIssueLine,
                         "align 20 0", "before 19 抄送：市委办公室。", "font 19 scaling=100"}));
    RecordingEditor editor(5);
    for (const SlotRow& row : TForm2::outputPlan().wpsRowsWithCopyTo)
        row(v, editor);
    EXPECT_EQ(editor.with("range"), (Log{"range 20-24 黑体"}));
    EXPECT_EQ(editor.with("font 15"), (Log{"font 15 name=标准公文_仿宋"}));
    EXPECT_EQ(editor.with("shape 2 name"), (Log{"shape 2 name BTBX"}));
    EXPECT_EQ(editor.with("shape 3 name"), (Log{"shape 3 name GWXH"}));

    OutputValues party = filledValues(DocumentStyle::Party);
    RecordingEditor partyEditor(8);
    for (const SlotRow& row : TForm2::outputPlan().wpsRowsWithCopyTo)
        row(party, partyEditor);
    EXPECT_EQ(partyEditor.with("before 20"),
              (Log{"before 20 某某市人民政府办公室" + std::string(16, ' ') + " 2026年12月9日印发"}));
    EXPECT_EQ(partyEditor.with("range"), (Log{"range 22-26 黑体"}));
    EXPECT_EQ(partyEditor.with("shape 7 name"), (Log{"shape 7 name DANG1"}));
    EXPECT_EQ(partyEditor.with("shape 8 name"), (Log{"shape 8 name DANG2"}));
}

TEST_F(DownGoingSlotMap, LongNamesCondenseThePrintingLine) {
    OutputValues v = filledValues(DocumentStyle::Administrative);
    v.issueLine = FormatIssueLine(std::string(33, 'x'), v.style, "D");
    Log log = run(TForm2::outputPlan().wordRows, v, 3);
    EXPECT_EQ(Log(log.begin() + 2, log.begin() + 4),
              (Log{"before 19 " + std::string(33, 'x') + std::string(8, ' ') + "D", "font 19 scaling=85"}));
}

TEST_F(DownGoingSlotMap, MarksWithoutLevelPutTheUrgencyFirst) {
    OutputValues v = filledValues(DocumentStyle::Administrative);
    v.level.clear();
    v.mark = "★十年";
    RecordingEditor editor(3);
    for (const SlotRow& row : TForm2::outputPlan().wordRows)
        row(v, editor);
    EXPECT_EQ(editor.with("before 1 "), (Log{"before 1 特  急"}));
    EXPECT_EQ(editor.with("before 2 "), Log{});
    EXPECT_EQ(editor.with("align 2 "), (Log{"align 2 2"}));
    EXPECT_EQ(editor.with("font 2 "), (Log{"font 2 name=黑体"}));
}

TEST_F(DownGoingSlotMap, RedLineAdjustFollowsTheDownGoingIndex) {
    OutputValues v = filledValues(DocumentStyle::Administrative);
    v.profile.sxfx = 3;
    for (auto [index, expected] : {std::pair{0, Log{}},
                                   {1, Log{"spacing 3 0.0"}},
                                   {2, Log{"spacing 3 0.5"}},
                                   {3, Log{"spacing 3 1.0"}}}) {
        v.profile.xxfx = index;
        RecordingEditor editor(3);
        for (const SlotRow& row : TForm2::outputPlan().wordRows)
            row(v, editor);
        EXPECT_EQ(editor.with("spacing"), expected) << index;
    }
}

TEST_F(DownGoingSlotMap, DamagedTemplateSetStopsAfterTheSubjectLine) {
    OutputValues v = filledValues(DocumentStyle::Administrative);
    paths().TemplateFolder = "/nonexistent";
    RecordingEditor editor(3);
    try {
        for (const SlotRow& row : TForm2::outputPlan().wordRows)
            row(v, editor);
        FAIL() << "the check passed";
    } catch (const TemplateDamaged& damaged) {
        EXPECT_STREQ(damaged.what(), "文件已损坏！请重新安装程序!");
    }
    EXPECT_EQ(editor.log.back(), "range 21-25 黑体");
    // Party style does not check.
    OutputValues party = filledValues(DocumentStyle::Party);
    RecordingEditor partyEditor(8);
    for (const SlotRow& row : TForm2::outputPlan().wordRows)
        row(party, partyEditor);
    EXPECT_EQ(partyEditor.log.back(), "shape 7 name DANG2");
}

TEST_F(DownGoingSlotMap, SizesThatAreNotWholeNumbersRaiseTheConversionError) {
    OutputValues v = filledValues(DocumentStyle::Administrative);
    v.profile.btsize = "22.5";
    EXPECT_THROW(run(TForm2::outputPlan().wordRows, v, 3), text::ConvertError);
}
