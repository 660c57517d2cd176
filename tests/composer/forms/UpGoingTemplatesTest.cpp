// The up-going templates of both sets, opened in the word processor that each serves and filled by the
// forms' slot maps: every slot must land where it belongs (the number and the signers on their line, in
// the cells of the head; the signer label in the body font before names in 楷体; the subject label in 黑体),
// and the masthead must keep its own name beside the party style's star and rule.

#include "composer/forms/TForm5.h"
#include "composer/forms/TForm6.h"
#include "composer/forms/TForm8.h"
#include "composer/output/OutputProcedure.h"
#include "platform/automation/Shapes.h"
#include "platform/automation/Tables.h"
#include "tests/composer/forms/SlotMapSupport.h"
#include "tests/composer/forms/TemplateSupport.h"

#include <gtest/gtest.h>

#include <map>

using namespace composer;

namespace {

struct TemplateCase {
    const char* name;
    const char* progId;
    bool party;
    // The plan of the form and which of its slot maps fills this template.
    const OutputPlan& (*plan)();
    enum { Word, Wps, WpsWithCopyTo } rows;
    int signers;
    int numberRow; // the row of the head table that holds the number and the signers
};

std::ostream& operator<<(std::ostream& out, const TemplateCase& c) {
    return out << c.name << (c.party ? " party " : " administrative ") << c.progId;
}

const SlotMap& rowsOf(const TemplateCase& c) {
    const OutputPlan& plan = c.plan();
    return c.rows == TemplateCase::Word
               ? plan.wordRows
               : (c.rows == TemplateCase::Wps ? plan.wpsRows : plan.wpsRowsWithCopyTo);
}

// The filled values, with the case's signers, and copy-to units only where the template has their line.
OutputValues valuesFor(const TemplateCase& c) {
    OutputValues v =
        testsupport::filledValues(c.party ? DocumentStyle::Party : DocumentStyle::Administrative);
    const char* const names[] = {"王小明", "李华", "赵强"};
    v.signers.assign(names, names + c.signers);
    if (c.rows == TemplateCase::Wps)
        v.copyTo.clear();
    return v;
}

class UpGoingTemplates : public testing::TestWithParam<TemplateCase> {
protected:
    UpGoingTemplates()
        : values(valuesFor(GetParam())),
          doc(testsupport::filledTemplate(GetParam().name, GetParam().progId, GetParam().party,
                                          rowsOf(GetParam()), values)) {}
    ~UpGoingTemplates() override { doc.Close(); }

    std::string cell(int row, int column) const {
        std::string text = doc.Tables().Item(1).Cell(row, column).Range().text();
        return text.substr(0, text.size() - 2); // without the cell's end mark
    }
    automation::Range paragraphStarting(const std::string& prefix) const {
        return testsupport::paragraphStarting(doc, prefix);
    }
    std::string fontAt(int first, int last) const { return testsupport::fontAt(doc, first, last); }

    OutputValues values;
    automation::Document doc;
};

} // namespace

// The number and the signers stay on the line that the head gives them: in the cells of its last row,
// the number alone in the first, the label and the names one a line in the second.
TEST_P(UpGoingTemplates, TheNumberAndTheSignersShareTheirLine) {
    const TemplateCase& c = GetParam();
    EXPECT_EQ(cell(c.numberRow, 1), "某府〔2026〕12号");
    std::string names = joinedParagraphs(values.signers);
    std::string signerCell = cell(c.numberRow, 2);
    EXPECT_EQ(signerCell.substr(signerCell.find("签发人：")), "签发人：" + names);

    automation::Range line = paragraphStarting("签发人：");
    EXPECT_EQ(fontAt(line.start(), line.start() + 4), "标准公文_仿宋") << "the label";
    EXPECT_EQ(fontAt(line.start() + 4, line.start() + 7), "楷体") << "the first name";
    if (c.signers > 1) {
        EXPECT_EQ(paragraphStarting("李华").Font().nameFarEast(), "楷体") << "the names below it";
    }
}

TEST_P(UpGoingTemplates, TheTitleAndTheSubjectLabelLandWhereTheyBelong) {
    automation::Range title = paragraphStarting("关于做好冬季安全生产工作的通知");
    EXPECT_EQ(title.text(), "关于做好冬季安全生产工作的通知\r");
    EXPECT_EQ(title.Font().size(), 22);
    EXPECT_EQ(title.ParagraphFormat().alignment(), 1);
    automation::Range subject = paragraphStarting("主题词：");
    EXPECT_EQ(fontAt(subject.start(), subject.start() + 4), "黑体");
    EXPECT_EQ(fontAt(subject.start() + 4, subject.start() + 8), "标准公文_小标宋");
    EXPECT_EQ(fontAt(subject.start() - 1, subject.start()), "标准公文_仿宋") << "nothing in front of it";
}

// A masthead named by its place among the shapes must not be renamed as the star or its rule: every name
// stands on exactly one shape, the masthead's on the text box that holds the authority's name.
TEST_P(UpGoingTemplates, EveryShapeNameStandsOnItsOwnShape) {
    const TemplateCase& c = GetParam();
    automation::Shapes shapes = doc.Shapes();
    std::map<std::string, int> named;
    for (int i = 1; i <= shapes.Count(); ++i)
        ++named[shapes.Item(i).name()];
    std::vector<std::string> expected = {c.plan == &TForm5::outputPlan ? "BTBX" : "BTBX3", "GWXH"};
    if (c.plan == &TForm5::outputPlan)
        expected.push_back("WJBT");
    if (c.party) {
        expected.push_back("DANG1");
        expected.push_back("DANG2");
    }
    for (const std::string& name : expected)
        EXPECT_EQ(named[name], 1) << name;
    if (c.plan != &TForm5::outputPlan)
        return;
    for (int i = 1; i <= shapes.Count(); ++i) {
        if (shapes.Item(i).name() != "WJBT")
            continue;
        std::string text = shapes.Item(i).TextFrame().TextRange().text();
        EXPECT_EQ(text.substr(0, text.find('\r')), "某某市人民政府文件");
    }
}

INSTANTIATE_TEST_SUITE_P(
    BothSets, UpGoingTemplates,
    testing::Values(
        TemplateCase{"dqx2.dqx", "word.Application", false, TForm5::outputPlan, TemplateCase::Word, 1, 1},
        TemplateCase{"dqx2.dqx", "word.Application", true, TForm5::outputPlan, TemplateCase::Word, 1, 1},
        TemplateCase{"wps2a.dqx", "wps.Application", false, TForm5::outputPlan, TemplateCase::Wps, 1, 1},
        TemplateCase{"wps2a.dqx", "wps.Application", true, TForm5::outputPlan, TemplateCase::Wps, 1, 1},
        TemplateCase{"wps2b.dqx", "wps.Application", false, TForm5::outputPlan, TemplateCase::WpsWithCopyTo,
                     1, 1},
        TemplateCase{"wps2b.dqx", "wps.Application", true, TForm5::outputPlan, TemplateCase::WpsWithCopyTo, 1,
                     1},
        TemplateCase{"dqx22.dqx", "word.Application", false, TForm6::outputPlan, TemplateCase::Word, 2, 4},
        TemplateCase{"dqx22.dqx", "word.Application", true, TForm6::outputPlan, TemplateCase::Word, 2, 4},
        TemplateCase{"dqx22.dqx", "wps.Application", false, TForm6::outputPlan, TemplateCase::Wps, 2, 4},
        TemplateCase{"dqx22.dqx", "wps.Application", true, TForm6::outputPlan, TemplateCase::Wps, 2, 4},
        TemplateCase{"dqx22b.dqx", "wps.Application", false, TForm6::outputPlan, TemplateCase::WpsWithCopyTo,
                     2, 4},
        TemplateCase{"dqx22b.dqx", "wps.Application", true, TForm6::outputPlan, TemplateCase::WpsWithCopyTo,
                     2, 4},
        TemplateCase{"dqx23.dqx", "word.Application", false, TForm8::outputPlan, TemplateCase::Word, 3, 5},
        TemplateCase{"dqx23.dqx", "word.Application", true, TForm8::outputPlan, TemplateCase::Word, 3, 5},
        TemplateCase{"dqx23.dqx", "wps.Application", false, TForm8::outputPlan, TemplateCase::Wps, 3, 5},
        TemplateCase{"dqx23.dqx", "wps.Application", true, TForm8::outputPlan, TemplateCase::Wps, 3, 5},
        TemplateCase{"dqx23b.dqx", "wps.Application", false, TForm8::outputPlan, TemplateCase::WpsWithCopyTo,
                     3, 5},
        TemplateCase{"dqx23b.dqx", "wps.Application", true, TForm8::outputPlan, TemplateCase::WpsWithCopyTo,
                     3, 5}));
