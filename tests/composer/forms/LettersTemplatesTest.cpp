// The templates of the letter (dqx3), the speech (dqx6, dqx6b) and the order (dqx5) of both sets, opened in
// the word processor that each serves and filled by the forms' slot maps: the subject label's offsets land
// on the label in each host, the lines that go into the printing block stay in its cells, the marks, the
// number and the date take their places and formats, and every shape name stands on its own shape.

#include "composer/forms/TForm12.h"
#include "composer/forms/TForm13.h"
#include "composer/forms/TForm7.h"
#include "composer/output/OutputProcedure.h"
#include "platform/automation/Shapes.h"
#include "platform/automation/Tables.h"
#include "tests/composer/forms/SlotMapSupport.h"
#include "tests/composer/forms/TemplateSupport.h"

#include <gtest/gtest.h>

#include <map>

using namespace composer;

namespace {

enum class Kind { Letter, Speech, Order };

struct TemplateCase {
    const char* name;
    const char* progId;
    bool party;
    Kind kind;
    bool copyToRow; // the WPS speech template with a row of its own for the copy-to line
};

std::ostream& operator<<(std::ostream& out, const TemplateCase& c) {
    return out << c.name << (c.party ? " party " : " administrative ") << c.progId;
}

bool wps(const TemplateCase& c) {
    return std::string(c.progId) == "wps.Application";
}

const OutputPlan& planOf(Kind kind) {
    return kind == Kind::Letter ? TForm7::outputPlan()
                                : (kind == Kind::Speech ? TForm13::outputPlan() : TForm12::outputPlan());
}

const SlotMap& rowsOf(const TemplateCase& c) {
    const OutputPlan& plan = planOf(c.kind);
    return !wps(c) ? plan.wordRows : (c.copyToRow ? plan.wpsRowsWithCopyTo : plan.wpsRows);
}

// The filled values with copies; copy-to units on two lines where the template takes them, an office name
// long enough to condense the printing line.
OutputValues valuesFor(const TemplateCase& c) {
    OutputValues v =
        testsupport::filledValues(c.party ? DocumentStyle::Party : DocumentStyle::Administrative);
    v.profile.name = "某某省某某市人民政府办公厅秘书处文印科";
    v.issueLine = FormatIssueLine(v.profile.name, v.style, " 2026年12月9日印发");
    v.signerPost = "市长";
    v.units = "各区县人民政府";
    if (c.kind == Kind::Speech)
        v.copyTo = wps(c) && !c.copyToRow ? "" : "市委办公室\r市政协办公室";
    return v;
}

class LettersTemplates : public testing::TestWithParam<TemplateCase> {
protected:
    LettersTemplates()
        : values(valuesFor(GetParam())),
          doc(testsupport::filledTemplate(GetParam().name, GetParam().progId, GetParam().party,
                                          rowsOf(GetParam()), values)) {}
    ~LettersTemplates() override { doc.Close(); }

    // The printing block's cells, one a row, without their end marks; paragraph marks as "/".
    std::vector<std::string> blockCells() const {
        automation::Table block = doc.Tables().Item(1);
        std::vector<std::string> cells;
        for (int row = 1; row <= block.rowCount(); ++row) {
            std::string text = block.Cell(row, 1).Range().text();
            text = text.substr(0, text.size() - 2);
            for (char& ch : text)
                ch = ch == '\r' ? '/' : ch;
            cells.push_back(text);
        }
        return cells;
    }
    automation::Range paragraphStarting(const std::string& prefix) const {
        return testsupport::paragraphStarting(doc, prefix);
    }
    std::string fontAt(int first, int last) const { return testsupport::fontAt(doc, first, last); }

    OutputValues values;
    automation::Document doc;
};

} // namespace

TEST_P(LettersTemplates, TheSubjectLabelIsSetInHeiAndTheWordsInTheTitleFont) {
    automation::Range subject = paragraphStarting("主题词：");
    EXPECT_EQ(fontAt(subject.start(), subject.start() + 4), "黑体");
    EXPECT_EQ(fontAt(subject.start() + 4, subject.start() + 8), "标准公文_小标宋");
    EXPECT_NE(fontAt(subject.start() - 1, subject.start()), "黑体") << "nothing in front of it";
}

// Everything the slot maps write under the body stays in the printing block: the letter's copy-to and
// copies lines in its one cell behind the subject line, the speech's and the order's lines in their rows.
TEST_P(LettersTemplates, ThePrintingBlockHoldsItsLines) {
    const TemplateCase& c = GetParam();
    std::string issue = values.issueLine.text;
    std::vector<std::string> expected;
    switch (c.kind) {
    case Kind::Letter:
        expected = {std::string("主题词：安全生产 通知/") + (c.party ? "" : "  ") +
                    "抄送：市委办公室。/（共印100份）"};
        break;
    case Kind::Speech:
        if (c.copyToRow)
            expected = {"主题词：安全生产 通知", "抄送：市委办公室/市政协办公室。", issue + "/（共印100份）"};
        else if (wps(c))
            expected = {"主题词：安全生产 通知", issue + "/（共印100份）"};
        else
            expected = {"主题词：安全生产 通知",
                        "抄送：市委办公室/市政协办公室。/" + issue + "/（共印100份）"};
        break;
    case Kind::Order:
        expected = {"主题词：安全生产 通知", "分送：各区县人民政府。", issue};
        break;
    }
    EXPECT_EQ(blockCells(), expected);
    if (c.kind != Kind::Letter) {
        automation::Range line = paragraphStarting(issue);
        EXPECT_EQ(line.Font().scaling(), 85);
    }
    if (!values.copyTo.empty() && c.kind == Kind::Speech) {
        EXPECT_EQ(paragraphStarting("市政协办公室。").Font().scaling(), 100)
            << "the copy-to line's second line";
    }
}

// The head: the letter's marks and number right-aligned, the marks in 黑体; the speech's number at the top
// and the date in brackets centred under the title; the order's number centred in 黑体 and the post.
TEST_P(LettersTemplates, TheHeadTakesItsPlacesAndFormats) {
    switch (GetParam().kind) {
    case Kind::Letter: {
        automation::Range marks = paragraphStarting("机密★一年");
        EXPECT_EQ(marks.Font().nameFarEast(), "黑体");
        EXPECT_EQ(marks.ParagraphFormat().alignment(), 2);
        EXPECT_EQ(paragraphStarting("特  急").Font().nameFarEast(), "黑体");
        EXPECT_EQ(paragraphStarting("某府〔2026〕12号").ParagraphFormat().alignment(), 2);
        break;
    }
    case Kind::Speech:
        EXPECT_EQ(doc.Paragraphs().Item(1).Range().text(), "某府〔2026〕12号\r");
        EXPECT_EQ(paragraphStarting("特  急").Font().nameFarEast(), "黑体");
        EXPECT_EQ(paragraphStarting("（").ParagraphFormat().alignment(), 1);
        EXPECT_EQ(paragraphStarting("关于做好").ParagraphFormat().alignment(), 1);
        break;
    case Kind::Order: {
        automation::Range number = paragraphStarting("第12号");
        EXPECT_EQ(number.Font().nameFarEast(), "黑体");
        EXPECT_EQ(number.ParagraphFormat().alignment(), 1);
        EXPECT_EQ(paragraphStarting("        市长").ParagraphFormat().alignment(), 2);
        EXPECT_EQ(paragraphStarting("二○二六年十二月九日").ParagraphFormat().alignment(), 2);
        break;
    }
    }
}

// Every name stands on exactly one shape; the masthead's on the text box that holds the authority's name.
TEST_P(LettersTemplates, EveryShapeNameStandsOnItsOwnShape) {
    const TemplateCase& c = GetParam();
    automation::Shapes shapes = doc.Shapes();
    std::map<std::string, int> named;
    for (int i = 1; i <= shapes.Count(); ++i)
        ++named[shapes.Item(i).name()];
    std::map<Kind, std::vector<std::string>> names = {
        {Kind::Letter, {"WJBT", "GWXH", "BTBX2", "BTBX"}}, {Kind::Speech, {"GWXH"}}, {Kind::Order, {"WJBT"}}};
    for (const std::string& name : names[c.kind])
        EXPECT_EQ(named[name], 1) << name;
    if (c.kind == Kind::Speech)
        return;
    std::string text = shapes.Item("WJBT").TextFrame().TextRange().text();
    EXPECT_EQ(text.substr(0, text.find('\r')),
              c.kind == Kind::Letter ? "某某市人民政府" : "某某市人民政府令");
}

INSTANTIATE_TEST_SUITE_P(
    BothSets, LettersTemplates,
    testing::Values(TemplateCase{"dqx3.dqx", "word.Application", false, Kind::Letter, false},
                    TemplateCase{"dqx3.dqx", "word.Application", true, Kind::Letter, false},
                    TemplateCase{"dqx3.dqx", "wps.Application", false, Kind::Letter, false},
                    TemplateCase{"dqx3.dqx", "wps.Application", true, Kind::Letter, false},
                    TemplateCase{"dqx6.dqx", "word.Application", false, Kind::Speech, false},
                    TemplateCase{"dqx6.dqx", "word.Application", true, Kind::Speech, false},
                    TemplateCase{"dqx6.dqx", "wps.Application", false, Kind::Speech, false},
                    TemplateCase{"dqx6.dqx", "wps.Application", true, Kind::Speech, false},
                    TemplateCase{"dqx6b.dqx", "wps.Application", false, Kind::Speech, true},
                    TemplateCase{"dqx6b.dqx", "wps.Application", true, Kind::Speech, true},
                    TemplateCase{"dqx5.dqx", "word.Application", false, Kind::Order, false},
                    TemplateCase{"dqx5.dqx", "word.Application", true, Kind::Order, false},
                    TemplateCase{"dqx5.dqx", "wps.Application", false, Kind::Order, false},
                    TemplateCase{"dqx5.dqx", "wps.Application", true, Kind::Order, false}));
