// The slips' slot maps on a recorder: what goes into which paragraph, cell and bookmark, in which order.

#include "composer/core/ProcessPaths.h"
#include "composer/forms/TForm14.h"
#include "composer/forms/TForm16.h"
#include "composer/output/OutputProcedure.h"
#include "composer/output/TemplateCheck.h"
#include "tests/composer/forms/RecordingEditor.h"
#include "tests/composer/forms/SlipValues.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

using namespace composer;
using Log = std::vector<std::string>;

namespace {

Log run(const SlotMap& rows, const OutputValues& v) {
    testsupport::RecordingEditor editor;
    for (const SlotRow& row : rows)
        row(v, editor);
    return editor.log;
}

class SlipSlotMap : public testing::Test {
protected:
    void SetUp() override { paths().TemplateFolder = DQX_BUILT_TEMPLATES; }
};

} // namespace

TEST_F(SlipSlotMap, ApprovalSlipFillsItsCellsBottomUpThenTheTitleCell) {
    const OutputPlan& plan = TForm14::outputPlan();
    EXPECT_EQ(plan.wordTemplate, "dqx8.dqx");
    EXPECT_EQ(plan.wpsTemplate, "dqx8.dqx");
    OutputValues v = testsupport::slipValues(DocumentStyle::Administrative);
    Log expected = {
        "before 29 第一段|第二段",
        "after 27 关于召开全市安全生产工作会议的通知",
        "after 25 安全生产 会议",
        "after 23 1．会议议程|      2．参会回执|      3．住宿安排",
        "after 21 30",
        "after 15 综合科",
        "after 13 市委办公室。",
        "after 11 各区县人民政府",
        "after 6 机密★一年",
        "after 5 特  急",
        "before 4 某府〔2026〕12号",
        "cell 1,1,1 text 某某市人民政府发文审批笺",
        "cell 1,1,1 font name=方正小标宋简体",
    };
    EXPECT_EQ(run(plan.wordRows, v), expected);
    EXPECT_EQ(run(plan.wpsRows, v), expected);
}

TEST_F(SlipSlotMap, ApprovalSlipWritesNothingForEmptyFieldsAndNoMarkWithoutALevel) {
    OutputValues v = testsupport::slipValues(DocumentStyle::Administrative);
    v.level.clear();
    v.body = v.title = v.subject = v.copies = v.draftingUnit = v.copyTo = v.recipients = v.urgency = "";
    v.attachments.clear();
    v.serial = "  ";
    EXPECT_EQ(run(TForm14::outputPlan().wordRows, v),
              (Log{"before 4 某府〔2026〕  号", "cell 1,1,1 text 某某市人民政府发文审批笺",
                   "cell 1,1,1 font name=方正小标宋简体"}));
}

TEST_F(SlipSlotMap, ApprovalSlipChecksTheTemplatesInAdministrativeStyleOnly) {
    testsupport::TempFolder empty;
    paths().TemplateFolder = empty.path().string();
    const SlotMap& rows = TForm14::outputPlan().wordRows;
    EXPECT_THROW(run(rows, testsupport::slipValues(DocumentStyle::Administrative)), TemplateDamaged);
    EXPECT_NO_THROW(run(rows, testsupport::slipValues(DocumentStyle::Party)));
}

TEST_F(SlipSlotMap, IncomingSlipFillsItsBookmarksThenTheTitle) {
    const OutputPlan& plan = TForm16::outputPlan();
    EXPECT_EQ(plan.wordTemplate, "dqxsw.dqx");
    EXPECT_EQ(plan.wpsTemplate, "dqxsw.dqx");
    OutputValues v = testsupport::slipValues(DocumentStyle::Party);
    Log expected = {
        "bookmark zbh text 某府〔2026〕12号",
        "bookmark swrq text 2026年3月15日",
        "bookmark lwdw text 某某省发展和改革委员会",
        "bookmark lwzh text 某发改〔2026〕35号",
        "bookmark wjbt text 关于召开全市安全生产工作会议的通知",
        "bookmark ybyj text 第一段|第二段",
        "bookmark jm text 机密★一年",
        "bookmark hj text 特  急",
        "bookmark fwjg font scaling=90",
        "bookmark fwjg align 1",
        "bookmark fwjg text 某某市人民政府公文处理笺",
    };
    EXPECT_EQ(run(plan.wordRows, v), expected);
    EXPECT_EQ(run(plan.wpsRows, v), expected);
}

TEST_F(SlipSlotMap, IncomingSlipTitleNarrowsAt17And31Bytes) {
    // Latin letters and digits count one byte, Chinese characters two.
    const std::pair<const char*, const char*> cases[] = {
        {"5G产业园区管委会", "scaling=90"},                // 16 bytes
        {"G20峰会筹备办公室", "scaling=66"},               // 17
        {"中共某市委5G产业园区工作委员会", "scaling=66"},  // 30
        {"中共某市委G20峰会筹备工作委员会", "scaling=50"}, // 31
    };
    for (const auto& [name, scaling] : cases) {
        OutputValues v = testsupport::slipValues(DocumentStyle::Administrative);
        v.profile.section = name;
        Log log = run(TForm16::outputPlan().wordRows, v);
        EXPECT_EQ(log.at(8), std::string("bookmark fwjg font ") + scaling) << name;
        EXPECT_EQ(log.at(10), std::string("bookmark fwjg text ") + name + "公文处理笺");
    }
}

TEST_F(SlipSlotMap, IncomingSlipWritesEmptyFieldsAndNoMarkWithoutALevel) {
    OutputValues v;
    v.profile.section = "发文机关";
    v.numberYear = "2026";
    v.mark = "★十年";
    Log log = run(TForm16::outputPlan().wordRows, v);
    EXPECT_EQ(log.at(0), "bookmark zbh text 〔2026〕号");
    EXPECT_EQ(log.at(3), "bookmark lwzh text ");
    EXPECT_EQ(log.at(6), "bookmark jm text ");
    EXPECT_EQ(log.at(10), "bookmark fwjg text 发文机关公文处理笺");
}
