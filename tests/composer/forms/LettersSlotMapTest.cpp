// The slot maps of the letter (TForm7), the speech (TForm13) and the order (TForm12), run on a recorder per
// host, template and style: the letter's copy-to texts and its fixed masthead, the marks as one text, the
// speech's date in brackets and its copy-to lines at full width under a condensed printing line, the
// order's number, post and masthead, and what each word processor's copy does on its own.

#include "composer/core/ProcessPaths.h"
#include "composer/forms/TForm12.h"
#include "composer/forms/TForm13.h"
#include "composer/forms/TForm7.h"
#include "composer/output/OutputProcedure.h"
#include "composer/output/TemplateCheck.h"
#include "tests/composer/forms/SlotMapSupport.h"

#include <gtest/gtest.h>

using namespace composer;
using namespace testsupport;

namespace {

// The size check reads the templates this build made.
class LettersSlotMap : public testing::Test {
protected:
    void SetUp() override { paths().TemplateFolder = DQX_BUILT_TEMPLATES; }
};

const Log LetterShapes = {"shape 1 name WJBT", "shape 2 name GWXH", "shape 3 name BTBX2",
                          "shape 4 name BTBX"};

// The letter's rows from the note up to the number, the same in both hosts but for the date's font.
Log letterMiddle(bool wpsAdministrative) {
    Log log = {"before 13     （此件公开发布）|"};
    if (wpsAdministrative)
        log.push_back("font 12 name=标准公文_仿宋");
    Log rest = {"before 12 二○二六年十二月九日",
                "indent 10 -5",
                "before 10     附件：通知.doc||",
                "before 9 第一段|第二段|",
                "before 8 |各区县人民政府：",
                "before 7 关于做好冬季安全生产工作的通知",
                "font 7 name=标准公文_小标宋 size=22",
                "align 7 1",
                "after 4 某府〔2026〕12号"};
    return joinedLogs(log, rest);
}

} // namespace

TEST_F(LettersSlotMap, LetterWordCopyFillsEverySlotBottomUp) {
    OutputValues v = filledValues(DocumentStyle::Administrative);
    Log expected = joinedLogs({"after 15 安全生产 通知", "font 15 name=标准公文_小标宋", "range 18-22 黑体",
                               "after 15 |（共印100份）", "align 16 2", "font 16 name=标准公文_仿宋",
                               "after 15   抄送：市委办公室。|", "font 16 name=标准公文_仿宋", "align 16 3"},
                              letterMiddle(false));
    expected =
        joinedLogs(expected, {"font 3 name=黑体", "after 3 机密★一年|特  急", "shape 1 text 某某市人民政府",
                              "shape 1 font name=标准公文_小标宋 size=44 scaling=60 bold=0 color=255"});
    expected = joinedLogs(expected, LetterShapes);
    EXPECT_EQ(run(TForm7::outputPlan().wordRows, v, 4), expected);
    EXPECT_EQ(TForm7::outputPlan().wordTemplate, "dqx3.dqx");
    EXPECT_EQ(TForm7::outputPlan().steps.wordFailures, WordFailures::ShowAndRelease);
}

// WPS takes the same template whatever the copy-to field holds; it sets the date in the body font
// (administrative style), the marks' slot in the body size and distributes the masthead. Neither host
// touches the masthead's outline.
TEST_F(LettersSlotMap, LetterWpsCopyHasItsOwnFontStepsAndDistributesTheMasthead) {
    const OutputPlan& plan = TForm7::outputPlan();
    EXPECT_EQ(plan.wpsTemplate, "dqx3.dqx");
    EXPECT_TRUE(plan.wpsTemplateWithCopyTo.empty());
    OutputValues v = filledValues(DocumentStyle::Administrative);
    v.profile.zwsize = "15";
    RecordingEditor wps(4);
    for (const SlotRow& row : plan.wpsRows)
        row(v, wps);
    Log middle = letterMiddle(true);
    EXPECT_EQ(Log(wps.log.begin() + 9, wps.log.begin() + 9 + static_cast<long>(middle.size())), middle);
    EXPECT_EQ(wps.with("font 3"), (Log{"font 3 name=黑体", "font 3 size=15"}));
    EXPECT_EQ(wps.with("shape 1"),
              (Log{"shape 1 text 某某市人民政府",
                   "shape 1 font name=标准公文_小标宋 size=44 scaling=60 bold=0 color=255", "shape 1 align 4",
                   "shape 1 name WJBT"}));

    v.style = DocumentStyle::Party;
    RecordingEditor party(4);
    for (const SlotRow& row : plan.wpsRows)
        row(v, party);
    EXPECT_TRUE(party.with("font 12").empty()) << "the party date keeps the slot's font";
    EXPECT_EQ(party.with("before 12"), (Log{"before 12 某某市人民政府|2026年12月9日"}));
    EXPECT_EQ(party.with("range"), (Log{"range 18-22 黑体"})) << "the same label in both styles";
}

// Copies first, then the copy-to line: in front of the copies line when there is one (its break behind
// it), at the end of the cell when there is none (its break in front); two blanks lead it in the
// administrative style only.
TEST_F(LettersSlotMap, LetterCopyToTakesOneOfFourTexts) {
    struct Case {
        DocumentStyle style;
        const char* copies;
        const char* text;
    };
    const Case cases[] = {
        {DocumentStyle::Administrative, "5", "after 15   抄送：市委办公室。|"},
        {DocumentStyle::Party, "5", "after 15 抄送：市委办公室。|"},
        {DocumentStyle::Administrative, "", "after 15 |  抄送：市委办公室。"},
        {DocumentStyle::Party, "", "after 15 |抄送：市委办公室。"},
    };
    for (const Case& c : cases) {
        OutputValues v = filledValues(c.style);
        v.copies = c.copies;
        RecordingEditor editor(4);
        for (const SlotRow& row : TForm7::outputPlan().wordRows)
            row(v, editor);
        Log copies = *c.copies ? Log{"after 15 |（共印5份）"} : Log{};
        EXPECT_EQ(editor.with("after 15 |（"), copies);
        EXPECT_EQ(editor.with("after 15 ").back(), c.text);
        EXPECT_EQ(editor.with("align 16"), *c.copies ? (Log{"align 16 2", "align 16 3"}) : Log{"align 16 3"});
    }
    OutputValues none = filledValues(DocumentStyle::Administrative);
    none.copyTo.clear();
    none.copies.clear();
    Log log = run(TForm7::outputPlan().wordRows, none, 4);
    EXPECT_EQ(Log(log.begin(), log.begin() + 4),
              (Log{"after 15 安全生产 通知", "font 15 name=标准公文_小标宋", "range 18-22 黑体",
                   "before 13     （此件公开发布）|"}));
}

// Both forms write the marks as one text: the urgency alone without a level (nothing when it is empty
// too), the level and its mark with the urgency on a line of its own, the level alone.
TEST_F(LettersSlotMap, MarksAreOneTextOnOneOrTwoLines) {
    struct Case {
        const char* level;
        const char* mark;
        const char* urgency;
        const char* text; // nullptr: nothing written
    };
    const Case cases[] = {{"", "★一年", "特  急", "特  急"},
                          {"", "", "", nullptr},
                          {"机密", "★一年", "特  急", "机密★一年|特  急"},
                          {"机  密", "", "", "机  密"}};
    for (const Case& c : cases) {
        OutputValues v = filledValues(DocumentStyle::Administrative);
        v.level = c.level;
        v.mark = c.mark;
        v.urgency = c.urgency;
        RecordingEditor letter(4), speech(2);
        for (const SlotRow& row : TForm7::outputPlan().wordRows)
            row(v, letter);
        for (const SlotRow& row : TForm13::outputPlan().wordRows)
            row(v, speech);
        EXPECT_EQ(letter.with("after 3 "), c.text ? Log{std::string("after 3 ") + c.text} : Log{});
        EXPECT_EQ(speech.with("before 2 "), c.text ? Log{std::string("before 2 ") + c.text} : Log{});
        EXPECT_EQ(speech.with("font 2 "), Log{"font 2 name=黑体"}) << "set before the marks go in";
        EXPECT_TRUE(speech.with("align 2 ").empty()) << "the template's alignment";
    }
}

TEST_F(LettersSlotMap, SpeechWordCopyFillsEverySlotBottomUp) {
    OutputValues v = filledValues(DocumentStyle::Administrative);
    Log expected = {"after 23 |（共印100份）",
                    "align 24 2",
                    "before 23 " + FilledIssueLine,
                    "before 23 |",
                    "before 23 抄送：市委办公室。",
                    "font 23 scaling=100",
                    "after 21 主题词：安全生产 通知",
                    "font 22 name=标准公文_小标宋",
                    "range 22-26 黑体",
                    "before 12 第一段|第二段",
                    "before 11 各区县人民政府：",
                    "before 9 （二○二六年十二月九日）",
                    "align 9 1",
                    "before 8 关于做好冬季安全生产工作的通知",
                    "font 8 name=标准公文_小标宋 size=22",
                    "align 8 1",
                    "font 2 name=黑体",
                    "before 2 机密★一年|特  急",
                    "before 1 某府〔2026〕12号",
                    "shape 2 name GWXH"};
    EXPECT_EQ(run(TForm13::outputPlan().wordRows, v, 2), expected);
    EXPECT_EQ(TForm13::outputPlan().wordTemplate, "dqx6.dqx");
    EXPECT_EQ(TForm13::outputPlan().steps.wordFailures, WordFailures::ShowAndRelease);
}

// WPS takes "dqx6b.dqx" for copy-to units, where the copy-to line has a row of its own above the printing
// line and the label stands one character later; without units "dqx6.dqx" as Word does.
TEST_F(LettersSlotMap, SpeechWpsCopyByTheCopyToMemo) {
    const OutputPlan& plan = TForm13::outputPlan();
    EXPECT_EQ(plan.wpsTemplate, "dqx6.dqx");
    EXPECT_EQ(plan.wpsTemplateWithCopyTo, "dqx6b.dqx");
    OutputValues v = filledValues(DocumentStyle::Administrative);
    Log copyTo = run(plan.wpsRowsWithCopyTo, v, 2);
    EXPECT_EQ(Log(copyTo.begin(), copyTo.begin() + 9),
              (Log{"after 24 |（共印100份）", "align 25 2", "before 24 " + FilledIssueLine,
                   "before 23 抄送：市委办公室。", "font 23 scaling=100", "after 21 主题词：安全生产 通知",
                   "font 22 name=标准公文_小标宋", "range 23-27 黑体", "before 12 第一段|第二段"}));
    v.copyTo.clear();
    RecordingEditor plain(2);
    for (const SlotRow& row : plan.wpsRows)
        row(v, plain);
    EXPECT_EQ(Log(plain.log.begin(), plain.log.begin() + 4),
              (Log{"after 23 |（共印100份）", "align 24 2", "before 23 " + FilledIssueLine,
                   "after 21 主题词：安全生产 通知"}));
    EXPECT_EQ(plain.with("range"), Log{"range 22-26 黑体"});
    EXPECT_EQ(plain.with("font 9"), Log{"font 9 name=标准公文_仿宋"})
        << "the date's font, administrative style";
}

// The date of delivery in brackets, centred, without the authority: digits in party style, and a year
// that the converter does not know stays as it is.
TEST_F(LettersSlotMap, SpeechDateOfDeliveryInBrackets) {
    OutputValues v = filledValues(DocumentStyle::Party);
    v.date = {"二○一三年", "五月", "八日"};
    RecordingEditor party(2);
    for (const SlotRow& row : TForm13::outputPlan().wpsRows)
        row(v, party);
    EXPECT_EQ(party.with("before 9"), Log{"before 9 （2013年5月8日）"});
    EXPECT_TRUE(party.with("font 9").empty()) << "WPS sets the body font in administrative style only";
    v.date.year = "二○一三年度";
    RecordingEditor word(2);
    for (const SlotRow& row : TForm13::outputPlan().wordRows)
        row(v, word);
    EXPECT_EQ(word.with("before 9"), Log{"before 9 （二○一三年度5月8日）"});
}

// Copy-to units on several lines of the memo, under an office name longer than 32 bytes: the printing
// line is condensed, and every line of the copy-to block is set at full width, not only its first.
// The lines of one copy-to belong together: full width each, and no rule of the printing block between
// them, only under the last.
TEST_F(LettersSlotMap, EveryLineOfAMultiLineCopyToIsAtFullWidthAndRuledOffOnlyUnderTheLast) {
    OutputValues v = filledValues(DocumentStyle::Administrative);
    v.profile.name = "某某省某某市人民政府办公厅文电处秘书科";
    v.issueLine = FormatIssueLine(v.profile.name, v.style, " 2026年12月9日印发");
    ASSERT_TRUE(v.issueLine.condensed);
    v.copyTo = "市委办公室\r市人大常委会办公室\r市政协办公室";
    const Log copyTo = {"before 23 抄送：市委办公室|市人大常委会办公室|市政协办公室。",
                        "font 23 scaling=100",
                        "no rule below 23",
                        "font 24 scaling=100",
                        "no rule below 24",
                        "font 25 scaling=100"};
    Log word = run(TForm13::outputPlan().wordRows, v, 2);
    EXPECT_EQ(Log(word.begin() + 3, word.begin() + 5), (Log{"font 23 scaling=85", "before 23 |"}));
    EXPECT_EQ(Log(word.begin() + 5, word.begin() + 11), copyTo);
    Log wps = run(TForm13::outputPlan().wpsRowsWithCopyTo, v, 2);
    EXPECT_EQ(Log(wps.begin() + 4, wps.begin() + 10), copyTo);
}

TEST_F(LettersSlotMap, OrderWordCopyFillsEverySlotBottomUp) {
    OutputValues v = filledValues(DocumentStyle::Administrative);
    v.serial = "8";
    v.signerPost = "市长";
    v.units = "各区县人民政府\r市政府各部门";
    Log expected = {"before 17 " + FilledIssueLine,
                    "before 16 分送：各区县人民政府|市政府各部门。",
                    "after 14 主题词：安全生产 通知",
                    "font 15 name=标准公文_小标宋",
                    "range 16-20 黑体",
                    "before 14 ||",
                    "before 13 二○二六年十二月九日",
                    "before 10         市长|",
                    "before 9 第一段|第二段|||",
                    "before 6 第8号",
                    "font 6 name=黑体",
                    "align 6 1",
                    "shape 3 text 某某市人民政府令",
                    "shape 3 font name=标准公文_小标宋 bold=0 color=255",
                    "shape 3 name WJBT"};
    EXPECT_EQ(run(TForm12::outputPlan().wordRows, v, 3), expected);
    EXPECT_EQ(TForm12::outputPlan().wordTemplate, "dqx5.dqx");
    EXPECT_EQ(TForm12::outputPlan().steps.wordFailures, WordFailures::ShowAndRelease);
}

// WPS writes the subject line into the block's first cell instead of behind the paragraph above it, sets
// the date's slot in the body font (in both styles) instead of opening two blank lines, and distributes
// the masthead. The date is the combos' text in party style too, with no authority in front.
TEST_F(LettersSlotMap, OrderWpsCopyWritesTheSubjectIntoItsCell) {
    const OutputPlan& plan = TForm12::outputPlan();
    EXPECT_EQ(plan.wpsTemplate, "dqx5.dqx");
    for (DocumentStyle style : {DocumentStyle::Administrative, DocumentStyle::Party}) {
        OutputValues v = filledValues(style);
        v.profile.zwzt = "仿宋_GB2312";
        RecordingEditor wps(3);
        for (const SlotRow& row : plan.wpsRows)
            row(v, wps);
        EXPECT_EQ(Log(wps.log.begin() + 2, wps.log.begin() + 7),
                  (Log{"before 15 主题词：安全生产 通知", "font 15 name=标准公文_小标宋", "range 16-20 黑体",
                       "font 13 name=仿宋_GB2312", "before 13 二○二六年十二月九日"}));
        EXPECT_EQ(wps.with("shape 3 align"), Log{"shape 3 align 4"});
        EXPECT_TRUE(wps.with("before 14").empty());
        EXPECT_TRUE(wps.with("shape 3 no outline").empty());
    }
}

// A damaged template set stops each form at its check: behind the letter's copy-to line, behind the
// speech's and the order's subject line.
TEST_F(LettersSlotMap, TheTemplateCheckComesAfterTheSubjectLine) {
    OutputValues v = filledValues(DocumentStyle::Administrative);
    paths().TemplateFolder = "/nonexistent";
    for (auto [rows, last] : {std::pair{&TForm7::outputPlan().wordRows, "align 16 3"},
                              std::pair{&TForm13::outputPlan().wordRows, "range 22-26 黑体"},
                              std::pair{&TForm12::outputPlan().wpsRows, "range 16-20 黑体"}}) {
        RecordingEditor editor(4);
        EXPECT_THROW(
            {
                for (const SlotRow& row : *rows)
                    row(v, editor);
            },
            TemplateDamaged);
        EXPECT_EQ(editor.log.back(), last);
    }
    v.style = DocumentStyle::Party;
    EXPECT_NO_THROW(run(TForm7::outputPlan().wordRows, v, 4)) << "party style checks nothing";
}
