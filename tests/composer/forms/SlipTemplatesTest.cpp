// The slips' templates of both sets, opened in both word processors and filled by the forms' slot maps:
// every value must land in the cell beside its label, and the incoming slip's bookmarks must be there.

#include "composer/core/ProcessPaths.h"
#include "composer/forms/TForm14.h"
#include "composer/forms/TForm16.h"
#include "composer/output/AutomationEditor.h"
#include "composer/output/OutputProcedure.h"
#include "platform/automation/Application.h"
#include "platform/automation/Automation.h"
#include "platform/automation/Bookmarks.h"
#include "platform/automation/Font.h"
#include "platform/automation/Paragraphs.h"
#include "platform/automation/Range.h"
#include "platform/automation/Tables.h"
#include "tests/composer/forms/SlipValues.h"

#include <gtest/gtest.h>

using namespace composer;

namespace {

struct TemplateCase {
    const char* progId;
    const char* set; // "" administrative, "/dang" party
};

class SlipTemplates : public testing::TestWithParam<TemplateCase> {
protected:
    automation::Document open(const char* name) {
        paths().TemplateFolder = std::string(DQX_BUILT_TEMPLATES) + GetParam().set;
        return automation::CreateObject(GetParam().progId).Documents().Add(templatePath(name));
    }
    static void fill(const automation::Document& doc, const SlotMap& rows, const OutputValues& v) {
        AutomationEditor editor(doc);
        for (const SlotRow& row : rows)
            row(v, editor);
    }
    static std::string cell(const automation::Document& doc, int row, int column) {
        std::string text = doc.Tables().Item(1).Cell(row, column).Range().text();
        return text.substr(0, text.size() - 2); // without the cell's end mark
    }
};

} // namespace

TEST_P(SlipTemplates, ApprovalSlipValuesStandBesideTheirLabels) {
    automation::Document doc = open("dqx8.dqx");
    ASSERT_GE(doc.Paragraphs().Count(), 29);
    fill(doc, TForm14::outputPlan().wordRows, testsupport::slipValues(DocumentStyle::Party));
    EXPECT_EQ(cell(doc, 1, 1), "某某市人民政府发文审批笺");
    EXPECT_EQ(doc.Tables().Item(1).Cell(1, 1).Range().Font().nameFarEast(), "方正小标宋简体");
    EXPECT_EQ(cell(doc, 3, 1), "发文字号");
    EXPECT_EQ(cell(doc, 3, 2), "某府〔2026〕12号");
    EXPECT_EQ(cell(doc, 3, 3), "缓急：特  急");
    EXPECT_EQ(cell(doc, 3, 4), "密级：机密★一年");
    const std::pair<std::string, std::string> rows[] = {
        {"主送", "各区县人民政府"},  {"抄送", "市委办公室。"},
        {"拟稿单位", "综合科"},      {"附件", "1．会议议程\r      2．参会回执\r      3．住宿安排"},
        {"主题词", "安全生产 会议"}, {"标题", "关于召开全市安全生产工作会议的通知"},
        {"正文", "第一段\r第二段"},
    };
    for (int row = 6, i = 0; row <= 13; ++row) {
        if (row == 9)
            continue;
        EXPECT_EQ(cell(doc, row, 1), rows[i].first);
        EXPECT_EQ(cell(doc, row, 2), rows[i].second) << rows[i].first;
        ++i;
    }
    EXPECT_EQ(cell(doc, 9, 3), "印发份数");
    EXPECT_EQ(cell(doc, 9, 4), "30");
    doc.Close();
}

TEST_P(SlipTemplates, IncomingSlipBookmarksStandBesideTheirLabels) {
    automation::Document doc = open("dqxsw.dqx");
    for (const char* name : {"zbh", "swrq", "lwdw", "lwzh", "wjbt", "ybyj", "jm", "hj", "fwjg"})
        EXPECT_TRUE(doc.Bookmarks().Exists(name)) << name;
    fill(doc, TForm16::outputPlan().wordRows, testsupport::slipValues(DocumentStyle::Party));
    const std::tuple<int, int, const char*, const char*> cells[] = {
        {1, 1, "来文单位", "某某省发展和改革委员会"},
        {1, 3, "收文日期", "2026年3月15日"},
        {2, 1, "来文字号", "某发改〔2026〕35号"},
        {2, 3, "收文编号", "某府〔2026〕12号"},
        {3, 1, "密级", "机密★一年"},
        {3, 3, "缓急", "特  急"},
        {4, 1, "文件标题", "关于召开全市安全生产工作会议的通知"},
        {5, 1, "拟办意见", "第一段\r第二段"},
    };
    for (const auto& [row, column, label, value] : cells) {
        EXPECT_EQ(cell(doc, row, column), label);
        EXPECT_EQ(cell(doc, row, column + 1), value) << label;
    }
    automation::Range title = doc.Bookmarks().Item("fwjg").Range();
    EXPECT_EQ(title.text(), "某某市人民政府公文处理笺");
    EXPECT_EQ(title.Font().scaling(), 90);
    EXPECT_EQ(title.ParagraphFormat().alignment(), 1);
    doc.Close();
}

INSTANTIATE_TEST_SUITE_P(BothSetsBothHosts, SlipTemplates,
                         testing::Values(TemplateCase{"word.Application", ""},
                                         TemplateCase{"word.Application", "/dang"},
                                         TemplateCase{"wps.Application", ""},
                                         TemplateCase{"wps.Application", "/dang"}));
