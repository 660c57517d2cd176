// The slot maps of the meeting minutes and the work briefing, run on a recorder: what goes where, in
// which order, per word processor and style.

#include "composer/core/ProcessPaths.h"
#include "composer/forms/TForm11.h"
#include "composer/forms/TForm4.h"
#include "composer/output/OutputProcedure.h"
#include "composer/output/TemplateCheck.h"
#include "tests/composer/forms/RecordingEditor.h"

#include <gtest/gtest.h>

using namespace composer;
using testsupport::RecordingEditor;
using Log = std::vector<std::string>;

namespace {

OutputValues filledValues(DocumentStyle style, const std::string& office = "某某市人民政府办公室") {
    OutputValues v;
    v.profile.section = "某某市人民政府";
    v.profile.name = office;
    v.profile.fontsize = "55"; // neither form uses the profile's masthead size and width
    v.profile.fontbl = "60";
    v.profile.fwzt = "标准公文_小标宋";
    v.profile.xz = style == DocumentStyle::Administrative;
    v.style = style;
    v.leftPart = "第";
    v.serial = "8";
    v.rightPart = "期";
    v.level = "机密";
    v.mark = "★一年";
    v.urgency = "特  急";
    v.title = "关于推进老旧小区改造工作的会议纪要";
    v.body = "第一段\r第二段";
    v.subject = "城市建设 会议纪要";
    v.units = "市财政局";
    v.copyTo = "市委办公室";
    v.copies = "60";
    v.date = {"二○二六年", "三月", "十二日"};
    v.issueLine = FormatIssueLine(office, style, " 2026年3月12日印发");
    return v;
}

Log run(const SlotMap& rows, const OutputValues& v) {
    RecordingEditor editor(8);
    for (const SlotRow& row : rows)
        row(v, editor);
    return editor.log;
}

Log with(const Log& log, const std::string& prefix) {
    Log found;
    for (const std::string& line : log) {
        if (line.rfind(prefix, 0) == 0)
            found.push_back(line);
    }
    return found;
}

// The last rows of both forms: the marks, the red-rule adjustment (index 1) and the masthead of fixed size
// in shape 6, then the shape names.
Log marksAdjustAndMasthead(int adjustParagraph, const std::string& masthead) {
    return {"before 1 机密★一年",
            "before 2 特  急",
            "align 1 2",
            "font 1 name=黑体",
            "align 2 2",
            "font 2 name=黑体",
            "spacing " + std::to_string(adjustParagraph) + " 0.0",
            "shape 6 text " + masthead,
            "shape 6 font name=标准公文_小标宋 size=36 scaling=75 bold=0 color=255",
            "shape 6 align 4",
            "shape 6 no outline",
            "shape 6 name WJBT",
            "shape 4 name BTBX",
            "shape 3 name GWXH"};
}

const std::string AdminIssueLine = "某某市人民政府办公室            " + std::string(" 2026年3月12日印发");

// The size check reads the templates this build made.
class NumberPartSlotMap : public testing::Test {
protected:
    void SetUp() override { paths().TemplateFolder = DQX_BUILT_TEMPLATES; }
};

} // namespace

TEST_F(NumberPartSlotMap, MinutesFillEverySlotBottomUp) {
    Log expected = {
        "after 19 |（共印60份）",
        "align 20 2",
        "before 19 " + AdminIssueLine,
        "before 18 |",
        "before 19 抄送：市委办公室。",
        "before 18 分送：市财政局。",
        "after 16 主题词：城市建设 会议纪要",
        "font 17 name=标准公文_小标宋",
        "range 20-24 黑体",
        "before 14 第一段|第二段",
        "before 13 |关于推进老旧小区改造工作的会议纪要|",
        "font 14 name=标准公文_小标宋 size=22",
        "align 14 1",
        "after 10 二○二六年三月十二日",
        "after 9 某某市人民政府办公室",
        "font 9 name=楷体",
        "font 10 name=楷体",
        "before 8 第8期",
        "font 8 name=标准公文_小标宋",
    };
    Log head = marksAdjustAndMasthead(3, "某某市人民政府会议纪要");
    expected.insert(expected.end(), head.begin(), head.end());
    EXPECT_EQ(run(TForm4::outputPlan().wordRows, filledValues(DocumentStyle::Administrative)), expected);
}

TEST_F(NumberPartSlotMap, BriefingFillsEverySlotBottomUp) {
    OutputValues v = filledValues(DocumentStyle::Administrative);
    v.title = "全市上半年经济运行情况";
    Log expected = {
        "after 19 |（共印60份）",
        "align 20 2",
        "before 19 " + AdminIssueLine,
        "before 18 发送：市财政局。",
        "after 16 主题词：城市建设 会议纪要",
        "font 17 name=标准公文_小标宋",
        "range 20-24 黑体",
        "before 14 第一段|第二段",
        "before 12 全市上半年经济运行情况",
        "font 12 name=标准公文_小标宋 size=22",
        "after 8 二○二六年三月十二日",
        "after 7 某某市人民政府办公室",
        "font 8 name=楷体",
        "font 7 name=楷体",
        "before 6 第8期",
        "font 6 name=标准公文_小标宋",
    };
    Log head = marksAdjustAndMasthead(4, "某某市人民政府工作简报");
    expected.insert(expected.end(), head.begin(), head.end());
    EXPECT_EQ(run(TForm11::outputPlan().wordRows, v), expected);
}

TEST_F(NumberPartSlotMap, PartyStyleWritesTheDateInDigitsInFrontAndNamesThePartyShapes) {
    OutputValues v = filledValues(DocumentStyle::Party);
    Log minutes = run(TForm4::outputPlan().wordRows, v);
    EXPECT_EQ(with(minutes, "before 10"), (Log{"before 10 2026年3月12日"}));
    EXPECT_EQ(with(minutes, "after 10"), Log{});
    EXPECT_EQ(with(minutes, "range"), (Log{"range 22-26 黑体"}));
    EXPECT_EQ(with(minutes, "shape 7 name"), (Log{"shape 7 name DANG1"}));
    EXPECT_EQ(with(minutes, "shape 8 name"), (Log{"shape 8 name DANG2"}));
    EXPECT_EQ(with(minutes, "before 19 某"),
              (Log{"before 19 某某市人民政府办公室" + std::string(16, ' ') + " 2026年3月12日印发"}));

    Log briefing = run(TForm11::outputPlan().wordRows, v);
    EXPECT_EQ(with(briefing, "before 8"), (Log{"before 8 2026年3月12日"}));
    EXPECT_EQ(with(briefing, "range"), (Log{"range 22-26 黑体"}));
    EXPECT_EQ(with(briefing, "shape 8 name"), (Log{"shape 8 name DANG2"}));
}

TEST_F(NumberPartSlotMap, WpsCountsTheOfficeTableAndAnchorsTheMastheadToThePage) {
    for (const OutputPlan* plan : {&TForm4::outputPlan(), &TForm11::outputPlan()}) {
        EXPECT_EQ(plan->wordTemplate, plan->wpsTemplate);
        Log admin = run(plan->wpsRows, filledValues(DocumentStyle::Administrative));
        EXPECT_EQ(with(admin, "range"), (Log{"range 21-25 黑体"}));
        EXPECT_EQ(with(admin, "shape 6 to page"), (Log{"shape 6 to page"}));
        EXPECT_EQ(with(run(plan->wpsRows, filledValues(DocumentStyle::Party)), "range"),
                  (Log{"range 23-27 黑体"}));
        // Apart from the label and the anchoring, both word processors get the same rows.
        Log word = run(plan->wordRows, filledValues(DocumentStyle::Administrative));
        std::erase_if(admin,
                      [](const std::string& l) { return l.starts_with("range") || l.ends_with("to page"); });
        std::erase_if(word, [](const std::string& l) { return l.starts_with("range"); });
        EXPECT_EQ(admin, word);
    }
}

TEST_F(NumberPartSlotMap, OptionalLinesAreLeftOutButTheUnitsLineStays) {
    OutputValues v = filledValues(DocumentStyle::Administrative);
    v.copies.clear();
    v.copyTo.clear();
    v.title.clear();
    v.units.clear();
    Log minutes = run(TForm4::outputPlan().wordRows, v);
    EXPECT_EQ(Log(minutes.begin(), minutes.begin() + 2),
              (Log{"before 19 " + AdminIssueLine, "before 18 分送：。"}));
    EXPECT_EQ(with(minutes, "before 13"), Log{});
    EXPECT_EQ(with(minutes, "font 14"), Log{});
    EXPECT_EQ(with(run(TForm11::outputPlan().wordRows, v), "before 18"), (Log{"before 18 发送：。"}));
}

TEST_F(NumberPartSlotMap, LongOfficeNamesNarrowTheOfficeAndDateLines) {
    auto scalings = [](const SlotMap& rows, const std::string& office) {
        return with(run(rows, filledValues(DocumentStyle::Administrative, office)), "font");
    };
    auto only = [](const Log& log) {
        Log scaled;
        for (const std::string& line : log) {
            if (line.find("scaling") != std::string::npos && line.find("shape") == std::string::npos)
                scaled.push_back(line);
        }
        return scaled;
    };
    const std::string bytes26(26, 'x'), bytes27(27, 'x'), bytes32(32, 'x'), bytes33(33, 'x');
    EXPECT_EQ(only(scalings(TForm4::outputPlan().wordRows, bytes26)), Log{});
    EXPECT_EQ(only(scalings(TForm4::outputPlan().wordRows, bytes27)),
              (Log{"font 9 scaling=85", "font 10 scaling=85"}));
    EXPECT_EQ(only(scalings(TForm4::outputPlan().wordRows, bytes32)),
              (Log{"font 9 scaling=85", "font 10 scaling=85"}));
    // Above 32 bytes the printing line is condensed too.
    EXPECT_EQ(only(scalings(TForm4::outputPlan().wordRows, bytes33)),
              (Log{"font 19 scaling=85", "font 9 scaling=85", "font 10 scaling=85", "font 9 scaling=75",
                   "font 10 scaling=75"}));
    EXPECT_EQ(only(scalings(TForm11::outputPlan().wordRows, bytes33)),
              (Log{"font 19 scaling=85", "font 7 scaling=85", "font 8 scaling=85", "font 7 scaling=75",
                   "font 8 scaling=75"}));
}

TEST_F(NumberPartSlotMap, EachFormFollowsItsOwnRedLineAdjustment) {
    OutputValues v = filledValues(DocumentStyle::Administrative);
    v.profile.xxfx = 3;
    for (auto [index, minutes, briefing] : {std::tuple{0, Log{}, Log{}},
                                            {1, Log{"spacing 3 0.0"}, Log{"spacing 4 0.0"}},
                                            {2, Log{"spacing 3 0.5"}, Log{"spacing 4 0.5"}},
                                            {7, Log{}, Log{}}}) {
        v.profile.jyfx = index;
        v.profile.jbfx = 3;
        EXPECT_EQ(with(run(TForm4::outputPlan().wordRows, v), "spacing"), minutes) << index;
        v.profile.jyfx = 3;
        v.profile.jbfx = index;
        EXPECT_EQ(with(run(TForm11::outputPlan().wordRows, v), "spacing"), briefing) << index;
    }
}

TEST_F(NumberPartSlotMap, ADamagedTemplateSetStopsAfterTheSubjectLabel) {
    paths().TemplateFolder = "/nonexistent";
    for (const OutputPlan* plan : {&TForm4::outputPlan(), &TForm11::outputPlan()}) {
        RecordingEditor editor(8);
        EXPECT_THROW(for (const SlotRow& row
                          : plan->wordRows) row(filledValues(DocumentStyle::Administrative), editor),
                     TemplateDamaged);
        EXPECT_EQ(editor.log.back(), "range 20-24 黑体");
    }
}
