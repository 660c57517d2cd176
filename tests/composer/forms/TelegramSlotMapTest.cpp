// The internal telegram's slot maps on a recorder: what goes into which paragraph and shape, in which
// order, per word processor, style, check box and secrecy level.

#include "composer/core/ProcessPaths.h"
#include "composer/forms/TForm15.h"
#include "composer/output/OutputProcedure.h"
#include "tests/composer/forms/SlotMapSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace composer;
using testsupport::Log;

namespace {

class TelegramSlotMap : public testing::Test {
protected:
    void SetUp() override { paths().TemplateFolder = DQX_BUILT_TEMPLATES; }

    // A telegram filled as a clerk would; FormatSecrecyMark does not run for it, so the level is bare.
    static OutputValues telegram(DocumentStyle style) {
        OutputValues v = testsupport::filledValues(style);
        v.abbreviation = "某府发电";
        v.serial = "5";
        v.leftPart = "川机";
        v.partSerial = "12";
        v.rightPart = "号";
        v.level = "秘密";
        v.mark.clear();
        v.urgency = "特急";
        v.signers = {"张明"};
        v.addressees = "见报头";
        v.sendingDepartment = "市政府办公室机要科";
        v.date = {"二○二六年", "三月", "十二日"};
        return v;
    }
    static Log run(const SlotMap& rows, const OutputValues& v) { return testsupport::run(rows, v, 8); }
};

// Everything down to the DB names, for the administrative style in Word with a level.
const Log WordAdministrativeHead = {
    "before 31 某某市人民政府|二○二六年三月十二日",
    "before 30 第一段|第二段|||",
    "before 29 各区县人民政府：",
    "before 27 关于做好冬季安全生产工作的通知",
    "font 27 name=标准公文_小标宋 size=22",
    "after 24 市委办公室。",
    "after 21 号",
    "after 20 12",
    "after 19 川机",
    "before 17 5",
    "before 15 2026",
    "before 13 某府发电",
    "shape 2 name WJBT",
    "shape 8 text 市政府办公室机要科",
    "shape 2 font name=标准公文_小标宋",
    "after 12 秘密",
    "after 11 密级",
    "shape 2 text 内部密电",
};

const Log HeaderFields = {"after 10 特急", "after 7 张明", "after 5 见报头"};

Log joinedLog(Log head, const Log& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

} // namespace

TEST_F(TelegramSlotMap, TheCheckBoxChoosesTheTemplateAndNamesTheFixedItemsInEachHostsOrder) {
    const OutputPlan& named = TForm15::outputPlan(true);
    EXPECT_EQ(named.wordTemplate, "dqx9.dqx");
    EXPECT_EQ(named.wpsTemplate, "dqx9.dqx");
    OutputValues v = telegram(DocumentStyle::Administrative);
    EXPECT_EQ(run(named.wordRows, v),
              joinedLog(joinedLog(WordAdministrativeHead,
                                  {"shape 7 name DB1", "shape 8 name DB3", "shape 1 name DB2"}),
                        HeaderFields));
    Log wps = run(named.wpsRows, v);
    EXPECT_EQ(Log(wps.end() - 6, wps.end()),
              joinedLog({"shape 7 name DB1", "shape 8 name DB2", "shape 1 name DB3"}, HeaderFields));

    const OutputPlan& plain = TForm15::outputPlan(false);
    EXPECT_EQ(plain.wordTemplate, "dqx9b.dqx");
    EXPECT_EQ(plain.wpsTemplate, "dqx9b.dqx");
    EXPECT_EQ(run(plain.wordRows, v), joinedLog(WordAdministrativeHead, HeaderFields)) << "no DB name";
    for (const std::string& line : run(plain.wpsRows, v))
        EXPECT_EQ(line.find(" name DB"), std::string::npos) << line;
}

TEST_F(TelegramSlotMap, EachHostWritesTheDepartmentIntoTheDepartmentsBoxByItsOwnNumber) {
    // Word counts the department's box last (by its anchor), WPS first (it is stacked at the bottom).
    OutputValues v = telegram(DocumentStyle::Party);
    for (bool hideFixedItems : {true, false}) {
        const OutputPlan& plan = TForm15::outputPlan(hideFixedItems);
        Log word = run(plan.wordRows, v);
        Log wps = run(plan.wpsRows, v);
        auto count = [](const Log& log, const std::string& line) {
            return std::count(log.begin(), log.end(), line);
        };
        EXPECT_EQ(count(word, "shape 8 text 市政府办公室机要科"), 1) << hideFixedItems;
        EXPECT_EQ(count(wps, "shape 1 text 市政府办公室机要科"), 1) << hideFixedItems;
        EXPECT_EQ(count(wps, "shape 8 text 市政府办公室机要科"), 0) << hideFixedItems;
    }
}

TEST_F(TelegramSlotMap, WithoutALevelTheTitleBoxAndTheLevelCellsStayAsTheTemplateHasThem) {
    OutputValues v = telegram(DocumentStyle::Administrative);
    v.level.clear();
    Log expected = WordAdministrativeHead;
    expected.resize(expected.size() - 3);
    EXPECT_EQ(run(TForm15::outputPlan(false).wordRows, v), joinedLog(expected, HeaderFields));
}

TEST_F(TelegramSlotMap, TheClosingLinesFollowTheStyleAndOneHostSetsTheDateInTheBodyFont) {
    OutputValues admin = telegram(DocumentStyle::Administrative);
    admin.profile.zwzt = "仿宋_GB2312";
    OutputValues party = telegram(DocumentStyle::Party);
    party.profile.zwzt = "仿宋_GB2312";
    auto firstTwo = [&](const SlotMap& rows, const OutputValues& v) {
        Log log = run(rows, v);
        return Log(log.begin(), log.begin() + 2);
    };
    const OutputPlan& plan = TForm15::outputPlan(false);
    const std::string body = "before 30 第一段|第二段|||";
    EXPECT_EQ(firstTwo(plan.wordRows, admin), (Log{"before 31 某某市人民政府|二○二六年三月十二日", body}));
    EXPECT_EQ(firstTwo(plan.wpsRows, admin),
              (Log{"before 31 某某市人民政府|二○二六年三月十二日", "font 32 name=仿宋_GB2312"}));
    EXPECT_EQ(firstTwo(plan.wordRows, party), (Log{"before 31 某某市人民政府|2026年3月12日", body}));
    EXPECT_EQ(firstTwo(plan.wpsRows, party), (Log{"before 31 某某市人民政府|2026年3月12日", body}));
}

TEST_F(TelegramSlotMap, EmptyFieldsWriteNothingButTheDepartmentBoxIsAlwaysSet) {
    OutputValues v = telegram(DocumentStyle::Administrative);
    v.abbreviation = v.serial = v.leftPart = v.partSerial = v.rightPart = "";
    v.copyTo = v.urgency = v.sendingDepartment = "";
    v.signers = {""};
    EXPECT_EQ(run(TForm15::outputPlan(false).wordRows, v),
              (Log{"before 31 某某市人民政府|二○二六年三月十二日", "before 30 第一段|第二段|||",
                   "before 29 各区县人民政府：", "before 27 关于做好冬季安全生产工作的通知",
                   "font 27 name=标准公文_小标宋 size=22", "before 15 2026", "shape 2 name WJBT",
                   "shape 8 text ", "shape 2 font name=标准公文_小标宋", "after 12 秘密", "after 11 密级",
                   "shape 2 text 内部密电", "after 5 见报头"}));
}
