// The masthead commands, run as the host runs them, in the tests of each build: on the templates of the
// document kinds, whose shapes carry the names that the forms give them, and on documents made odd on
// purpose (names twice, in other case, on shapes that cannot take the change).
#include "addin/Dqxhand.h"
#include "addin/HostBuild.h"
#include "addin/MastheadShapes.h"
#include "platform/automation/Automation.h"
#include "platform/ui/Application.h"
#include "platform/ui/HeadlessBackend.h"
#include "tests/addin/ClickThrough.h"
#include "tests/platform/wordproc/WordprocFixtures.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int White = 16777215;
constexpr int Red = 255;
constexpr int Black = 0;

// A user interface without windows that also keeps the input boxes it was asked to show.
class RecordingBackend : public ui::HeadlessBackend {
public:
    std::optional<std::string> inputQuery(const ui::InputRequest& request) override {
        inputs.push_back(request);
        return HeadlessBackend::inputQuery(request);
    }
    std::vector<ui::InputRequest> inputs;
};

automation::Range textOf(const automation::Shape& shape) {
    return shape.TextFrame().TextRange();
}

automation::Border topRuleOf(const automation::Shape& shape) {
    return textOf(shape).ParagraphFormat().Borders().Item(-1);
}

class MastheadCommandsTest : public ::testing::Test {
protected:
    MastheadCommandsTest() {
        auto recording = std::make_unique<RecordingBackend>();
        backend = recording.get();
        userInterface = std::make_unique<ui::Application>(std::move(recording));
        backend->onMessage = [this](const ui::HeadlessBackend::MessageRecord& record) {
            messages.push_back(record.request.caption + ": " + record.request.text);
        };
    }
    ~MastheadCommandsTest() override { hand->Release(); }

    // A new document from a template of the build (templates/built/...), the active one.
    void open(const std::string& templateName) {
        doc = app.Documents().Add(wordproctest::builtTemplate(templateName));
        doc.Activate();
    }
    automation::Shape shape(const std::string& name) const { return doc.Shapes().Item(name); }
    void hide() { addintest::clickThrough(app, hand->gHide); }
    void show() { addintest::clickThrough(app, hand->gShow); }
    void numberCopy() { addintest::clickThrough(app, hand->gInput); }

    // What the document shows of its shapes and of its first table, a line for each.
    std::string look() const {
        std::ostringstream out;
        automation::Shapes shapes = doc.Shapes();
        for (int i = 1; i <= shapes.Count(); ++i) {
            automation::Shape each = shapes.Item(i);
            out << each.name() << ' ' << each.Line().visible() << each.Fill().visible() << ' '
                << each.Line().color() << ' ' << each.Fill().color();
            try {
                out << " text " << textOf(each).Font().color() << ' ' << topRuleOf(each).lineStyle() << ' '
                    << textOf(each).text();
            } catch (const automation::Error&) {
            }
            out << '\n';
        }
        if (doc.Tables().Count() > 0)
            out << "table " << doc.Tables().Item(1).Range().Font().color() << '\n';
        return out.str();
    }

    wordproctest::HandOffRecorder recorder;
    RecordingBackend* backend = nullptr;
    std::unique_ptr<ui::Application> userInterface;
    std::vector<std::string> messages; // "CAPTION: TEXT" of each message box
    automation::Application app = automation::CreateObject(addin::hostBuild().hostProgId);
    automation::Document doc = app.Documents().Add(wordproctest::builtTemplate("dqx0.dqx"));
    addin::Dqxhand* hand = new addin::Dqxhand;
};

TEST_F(MastheadCommandsTest, TheAdministrativeMastheadHidesAndComesBackRed) {
    open("dqx1.dqx");
    const std::string original = look();
    textOf(shape("GWXH")).setText("第0001号");
    hide();
    EXPECT_EQ(textOf(shape("WJBT")).Font().color(), White);
    EXPECT_FALSE(shape("BTBX").Line().visible());
    EXPECT_EQ(textOf(shape("GWXH")).text(), "第0001号\r") << "the copy number stays";
    EXPECT_EQ(textOf(shape("GWXH")).Font().color(), -16777216);
    // The values are set, not toggled: hidden twice and shown once, the masthead is back.
    hide();
    show();
    EXPECT_EQ(textOf(shape("WJBT")).Font().color(), Red);
    EXPECT_TRUE(shape("BTBX").Line().visible());
    textOf(shape("GWXH")).setText("");
    EXPECT_EQ(look(), original);
    EXPECT_TRUE(messages.empty());
}

TEST_F(MastheadCommandsTest, ThePartyMastheadsLinesAndStarHideAndComeBackRed) {
    for (const char* kind : {"dang/dqx1.dqx", "dang/dqx12.dqx"}) {
        SCOPED_TRACE(kind);
        open(kind);
        const std::string original = look();
        hide();
        EXPECT_FALSE(shape("DANG1").Line().visible());
        EXPECT_FALSE(shape("DANG2").Line().visible());
        EXPECT_FALSE(shape("DANG2").Fill().visible());
        show();
        EXPECT_EQ(shape("DANG2").Fill().color(), Red);
        EXPECT_EQ(look(), original);
    }
}

TEST_F(MastheadCommandsTest, TheJointMastheadTableTurnsWhiteAndRedWithItsRule) {
    open("dqx12.dqx");
    const std::string original = look();
    hide();
    EXPECT_EQ(doc.Tables().Item(1).Cell(1, 1).Range().Font().color(), White);
    EXPECT_EQ(doc.Tables().Item(1).Cell(2, 2).Range().Font().color(), White);
    EXPECT_FALSE(shape("BTBX3").Line().visible());
    show();
    EXPECT_EQ(doc.Tables().Item(1).Range().Font().color(), Red);
    EXPECT_EQ(look(), original);
}

// The telegram form names the rule's box and the department's box differently in the two word
// processors; either way the rule is hidden and comes back, and no box gains a rule it never had.
TEST_F(MastheadCommandsTest, TheTelegramsHeaderHidesWhicheverBoxCarriesTheRule) {
    const std::vector<std::vector<const char*>> namings = {{"DB2", "DB1", "DB3"}, {"DB3", "DB1", "DB2"}};
    for (const std::vector<const char*>& names : namings) {
        SCOPED_TRACE(names[0]);
        open("dqx9.dqx");
        shape("RedRule").setName(names[0]);
        shape("PageField").setName(names[1]);
        shape("Department").setName(names[2]);
        const std::string original = look();
        hide();
        EXPECT_EQ(topRuleOf(shape(names[0])).lineStyle(), 0);
        for (const char* name : names)
            EXPECT_EQ(textOf(shape(name)).Font().color(), White) << name;
        EXPECT_EQ(textOf(shape("WJBT")).Font().color(), White);
        show();
        EXPECT_EQ(topRuleOf(shape(names[0])).lineStyle(), 1);
        EXPECT_EQ(topRuleOf(shape(names[0])).color(), Red);
        EXPECT_EQ(topRuleOf(shape(names[2])).lineStyle(), 0);
        EXPECT_EQ(textOf(shape(names[1])).Font().color(), Black);
        EXPECT_EQ(textOf(shape("WJBT")).Font().color(), Red);
        EXPECT_EQ(look(), original);
    }
}

TEST_F(MastheadCommandsTest, NamesCompareExactlyAndEveryShapeOfANameChanges) {
    open("dqx1.dqx");
    shape("GWXH").setName("WJBT"); // a second WJBT, in front of the first
    shape("BTBX").setName("btbx");
    hide();
    EXPECT_EQ(textOf(doc.Shapes().Item(2)).Font().color(), White);
    EXPECT_EQ(textOf(doc.Shapes().Item(3)).Font().color(), White);
    EXPECT_TRUE(shape("btbx").Line().visible());
    show();
    EXPECT_EQ(textOf(doc.Shapes().Item(2)).Font().color(), Red);
    EXPECT_EQ(textOf(doc.Shapes().Item(3)).Font().color(), Red);
}

TEST_F(MastheadCommandsTest, AShapeThatCannotBeChangedLeavesTheWholeMastheadAsItWasAndIsNamed) {
    // A line named as the masthead's text box, found last in the walk.
    open("dang/dqx1.dqx");
    shape("BTBX").setName("WJBT");
    const std::string original = look();
    hide();
    EXPECT_EQ(look(), original);
    // A masthead table's rule in a document without tables.
    open("dqx0.dqx");
    doc.Shapes().AddLine(0, 0, 100, 0).setName("BTBX3");
    automation::Shape mast = doc.Shapes().AddTextbox(1, 0, 0, 100, 30);
    mast.setName("WJBT");
    textOf(mast).setText("发文机关文件");
    textOf(mast).Font().setColor(Red);
    hide();
    EXPECT_EQ(textOf(mast).Font().color(), Red);
    EXPECT_TRUE(shape("BTBX3").Line().visible());
    EXPECT_EQ(messages,
              (std::vector<std::string>{"Brevaro: 错误：无法修改版头中的“WJBT”，版头未作任何改动！",
                                        "Brevaro: 错误：无法修改版头中的“BTBX3”，版头未作任何改动！"}));
}

TEST(MastheadChanges, AShapeFailingPartWayIsNamedOnceAndTheOthersAreStillChanged) {
    std::vector<std::string> done;
    auto step = [&done](std::string what) { return [&done, what] { done.push_back(what); }; };
    auto failing = [] { throw std::runtime_error("gone"); };
    std::vector<addin::ShapeChange> changes = {{"WJBT", {step("WJBT")}},
                                               {"BTBX3", {step("table"), failing, step("rule")}},
                                               {"BTBX3", {failing}},
                                               {"DANG1", {step("DANG1")}}};
    EXPECT_EQ(addin::applyMastheadChanges(changes), (std::vector<std::string>{"BTBX3"}));
    EXPECT_EQ(done, (std::vector<std::string>{"WJBT", "table", "DANG1"}));
}

TEST_F(MastheadCommandsTest, WithoutADocumentOrAMastheadNothingHappensAndNothingIsSaid) {
    automation::Range selected = doc.Paragraphs().Item(1).Range();
    selected.Select();
    hide();
    show();
    doc.Close();
    hide();
    show();
    EXPECT_TRUE(messages.empty());
}

TEST_F(MastheadCommandsTest, TheUsersSelectionStaysWhereItWas) {
    open("dang/dqx1.dqx");
    doc.Paragraphs().Item(10).Range().Select();
    automation::Selection selection = app.Selection();
    const int start = selection.start();
    const int end = selection.end();
    hide();
    show();
    EXPECT_EQ(selection.start(), start);
    EXPECT_EQ(selection.end(), end);
    EXPECT_EQ(selection.text(), doc.Paragraphs().Item(10).Range().text()) << "no shape or box was selected";
}

TEST_F(MastheadCommandsTest, TheCopyNumberReplacesTheBoxsTextExactlyAsTyped) {
    open("dqx1.dqx");
    textOf(shape("GWXH")).setText("旧号");
    const std::string font = textOf(shape("GWXH")).Font().nameFarEast();
    backend->queueInputAnswer(" 0012 ");
    numberCopy();
    EXPECT_EQ(textOf(shape("GWXH")).text(), " 0012 \r");
    EXPECT_EQ(textOf(shape("GWXH")).Font().nameFarEast(), font);
    ASSERT_EQ(backend->inputs.size(), 1u);
    EXPECT_EQ(backend->inputs[0].caption, "添加公文分数序号");
    EXPECT_EQ(backend->inputs[0].prompt, "请输入公文份数序号：");
    EXPECT_EQ(backend->inputs[0].value, "");
    // Every box of the name takes the number.
    shape("WJBT").setName("GWXH");
    backend->queueInputAnswer("第0013号");
    numberCopy();
    EXPECT_EQ(textOf(doc.Shapes().Item(2)).text(), "第0013号\r");
    EXPECT_EQ(textOf(doc.Shapes().Item(3)).text(), "第0013号\r");
    // Cancel and an empty answer change nothing.
    numberCopy();
    backend->queueInputAnswer("");
    numberCopy();
    EXPECT_EQ(textOf(doc.Shapes().Item(2)).text(), "第0013号\r");
    EXPECT_TRUE(messages.empty());
}

TEST_F(MastheadCommandsTest, WithoutABoxToWriteIntoTheUserIsToldAndNothingChanges) {
    const std::string noBox = "Brevaro: 错误：未找到输入框！";
    open("dqx9.dqx"); // the telegram has no copy-number box
    backend->queueInputAnswer("12");
    numberCopy();
    EXPECT_EQ(messages, std::vector<std::string>{noBox});
    // A line of the name cannot hold the number: the box beside it keeps its text.
    open("dqx1.dqx");
    textOf(shape("GWXH")).setText("旧号");
    shape("BTBX").setName("GWXH");
    backend->queueInputAnswer("12");
    numberCopy();
    EXPECT_EQ(textOf(doc.Shapes().Item(2)).text(), "旧号\r");
    doc.Close();
    backend->queueInputAnswer("12");
    numberCopy();
    EXPECT_EQ(messages, (std::vector<std::string>{noBox, noBox, noBox}));
    // Cancelled, there is nothing to tell.
    numberCopy();
    EXPECT_EQ(messages.size(), 3u);
}

} // namespace
