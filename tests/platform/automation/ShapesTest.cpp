#include "platform/text/TextFile.h"
#include "platform/wordproc/DocumentSections.h"
#include "tests/platform/automation/SlotsFixture.h"

#include <optional>

namespace {

std::vector<std::string> shapeNames(const automation::Document& doc) {
    std::vector<std::string> names;
    for (int i = 1; i <= doc.Shapes().Count(); ++i)
        names.push_back(doc.Shapes().Item(i).name());
    return names;
}

TEST_F(SlotsTest, ShapesComeInTheOrderOfTheirAnchors) {
    EXPECT_EQ(shapeNames(doc), (std::vector<std::string>{"mast", "rule", "copyno", "line5", "cellbox",
                                                         "box17", "line20", "last"}));
    EXPECT_THROW(doc.Shapes().Item(9), automation::Error);
    // Text in front of an anchor moves nothing in the order.
    paragraphRange(2).InsertBefore("甲\r乙\r");
    EXPECT_EQ(doc.Shapes().Item(4).name(), "line5");
}

TEST_F(SlotsTest, NamesGoIntoTheDrawingProperties) {
    automation::Shape mast = doc.Shapes().Item(1);
    mast.setName("WJBT");
    doc.Shapes().Item(2).setName("BTBX");
    doc.Shapes().Item(3).setName("GWXH");
    EXPECT_EQ(mast.name(), "WJBT");
    std::string xml = documentXml();
    EXPECT_NE(xml.find("<wp:docPr id=\"1\" name=\"WJBT\"/>"), std::string::npos);
    EXPECT_NE(xml.find("<wp:docPr id=\"2\" name=\"BTBX\"/>"), std::string::npos);
    EXPECT_NE(xml.find("<wp:docPr id=\"3\" name=\"GWXH\"/>"), std::string::npos);
}

TEST_F(SlotsTest, AMastheadWrittenIntoATextFrame) {
    automation::Shape mast = doc.Shapes().Item(1);
    automation::Range text = mast.TextFrame().TextRange();
    EXPECT_EQ(text.text(), "发文机关文件\r");
    text.setText("某某市人民政府文件");
    text.Font().setName("标准公文_小标宋");
    text.Font().setSize(55);
    text.Font().setColor(255);
    text.Font().setScaling(75);
    text.ParagraphFormat().setAlignment(4);
    mast.Line().setVisible(false);
    EXPECT_EQ(mast.TextFrame().TextRange().text(), "某某市人民政府文件\r");
    EXPECT_EQ(mast.TextFrame().TextRange().Font().scaling(), 75);
    EXPECT_EQ(mast.TextFrame().TextRange().ParagraphFormat().alignment(), 4);
    EXPECT_FALSE(mast.Line().visible());
    // The main text does not change.
    EXPECT_EQ(doc.Paragraphs().Count(), 30);
    EXPECT_EQ(paragraph(1), "\r");
    EXPECT_THROW(doc.Shapes().Item(2).TextFrame().TextRange(), automation::Error);
}

TEST_F(SlotsTest, OutlinesAndFillsCanBeHiddenAndShown) {
    automation::Shape box = doc.Shapes().Item(6);
    EXPECT_TRUE(box.Line().visible());
    box.Line().setVisible(false);
    EXPECT_FALSE(box.Line().visible());
    EXPECT_FALSE(box.Fill().visible());
    box.Fill().setColor(0x00FFFF);
    EXPECT_TRUE(box.Fill().visible());
    EXPECT_EQ(box.Fill().color(), 0x00FFFF);
    std::string xml = documentXml();
    EXPECT_NE(
        xml.find("<a:solidFill><a:srgbClr val=\"FFFF00\"/></a:solidFill><a:ln w=\"9525\"><a:noFill/></a:ln>"),
        std::string::npos);
    automation::Shape rule = doc.Shapes().Item(2);
    EXPECT_TRUE(rule.Line().visible());
    EXPECT_EQ(rule.Line().color(), 255);
}

// The outline and the fill of the masthead's shapes are turned off and on by the add-in: each must come
// back in its own colour, also from a document saved in between.
TEST_F(SlotsTest, AnOutlineOrFillTurnedOffComesBackInItsColourAlsoAfterSaving) {
    automation::Shape rule = doc.Shapes().Item(2);
    automation::Shape box = doc.Shapes().Item(6);
    box.Fill().setColor(0x00FFFF);
    for (int time = 0; time < 2; ++time) { // off twice: the colour is kept once
        rule.Line().setVisible(false);
        box.Fill().setVisible(false);
    }
    EXPECT_FALSE(rule.Line().visible());
    EXPECT_FALSE(box.Fill().visible());
    // Other readers see neither; the colours wait in an extension of the shapes' properties.
    std::string xml = documentXml();
    EXPECT_EQ(wordproctest::countOf(xml, "<a:ext uri=\"urn:brevaro:hidden-line\"><a:solidFill><a:srgbClr "
                                         "val=\"FF0000\"/></a:solidFill></a:ext>"),
              1);
    EXPECT_EQ(wordproctest::countOf(xml, "<a:ext uri=\"urn:brevaro:hidden-fill\"><a:solidFill><a:srgbClr "
                                         "val=\"FFFF00\"/></a:solidFill></a:ext>"),
              1);
    if (std::optional<std::string> schemas = wordproctest::schemaFolder()) {
        EXPECT_EQ(wordproctest::schemaComplaint(xml, *schemas), "");
    }

    std::string saved = folder.file("hidden.docx");
    doc.SaveAs(saved);
    automation::Document reopened = app.Documents().Add(saved);
    reopened.Shapes().Item(2).Line().setVisible(true);
    reopened.Shapes().Item(6).Fill().setVisible(true);
    EXPECT_EQ(reopened.Shapes().Item(2).Line().color(), 255);
    EXPECT_EQ(reopened.Shapes().Item(6).Fill().color(), 0x00FFFF);
    std::string shown = wordproctest::partOf(reopened.engine()->toBytes(), "word/document.xml");
    EXPECT_EQ(shown.find("urn:brevaro:hidden"), std::string::npos) << "nothing is kept once shown";
    EXPECT_EQ(shown.find("<a:extLst/>"), std::string::npos);
    reopened.Close();
}

TEST_F(SlotsTest, AColourSetWhileOffIsTheOneThatComesBack) {
    automation::LineFormat line = doc.Shapes().Item(2).Line();
    line.setVisible(false);
    line.setColor(0xFF0000);
    EXPECT_TRUE(line.visible());
    line.setVisible(false);
    line.setVisible(true);
    EXPECT_EQ(line.color(), 0xFF0000);
    // A fill never drawn comes on white, an outline never drawn black.
    automation::Shape box = doc.Shapes().Item(6);
    box.Line().setVisible(false);
    EXPECT_FALSE(box.Fill().visible());
    box.Fill().setVisible(true);
    EXPECT_EQ(box.Fill().color(), 0xFFFFFF);
    automation::Shape added = doc.Shapes().AddLine(0, 0, 10, 0);
    added.Line().setVisible(false);
    added.Line().setVisible(true);
    EXPECT_EQ(added.Line().color(), 0);
}

// The telegram's red rule is the top border of a text box's paragraph: turned off, it keeps its colour,
// by which it is told from a paragraph that never had a border.
TEST(TextBoxBorders, ABorderTurnedOffKeepsItsColour) {
    wordproctest::HandOffRecorder recorder;
    automation::Application app = automation::CreateObject("word.Application");
    automation::Document doc = app.Documents().Add(wordproctest::builtTemplate("dqx9.dqx"));
    auto topOf = [&doc](const char* name) {
        return doc.Shapes().Item(name).TextFrame().TextRange().ParagraphFormat().Borders().Item(-1);
    };
    automation::Border rule = topOf("RedRule");
    EXPECT_EQ(rule.lineStyle(), 1);
    EXPECT_EQ(rule.color(), 255);
    rule.setLineStyle(0);
    EXPECT_EQ(rule.lineStyle(), 0);
    EXPECT_EQ(rule.color(), 255);
    rule.setLineStyle(1);
    EXPECT_EQ(rule.color(), 255);
    EXPECT_EQ(topOf("Department").lineStyle(), 0);
    EXPECT_EQ(topOf("Department").color(), -16777216);
    doc.Close();
}

TEST_F(SlotsTest, RelativeVerticalPositionKeepsTheShapeOnThePage) {
    automation::Shape mast = doc.Shapes().Item(1);
    EXPECT_EQ(mast.relativeVerticalPosition(), 0);
    float fromMargin = mast.top();
    EXPECT_NEAR(fromMargin, automation::MillimetersToPoints(35), 0.01);
    mast.setRelativeVerticalPosition(1);
    EXPECT_EQ(mast.relativeVerticalPosition(), 1);
    EXPECT_NEAR(mast.top(), fromMargin + 104.9f, 0.01);
    EXPECT_NE(documentXml().find("<wp:positionV relativeFrom=\"page\"><wp:posOffset>"), std::string::npos);
    EXPECT_THROW(mast.setRelativeVerticalPosition(8), automation::Error);
}

TEST_F(SlotsTest, AddedShapesJoinTheOrderAtTheirAnchor) {
    automation::Shape line = doc.Shapes().AddLine(0, 0, 0, 0);
    EXPECT_EQ(doc.Shapes().Count(), 9);
    // Without an anchor the line stands in the first paragraph, behind the shapes anchored there.
    EXPECT_EQ(shapeNames(doc)[3], line.name());
    EXPECT_EQ(line.relativeVerticalPosition(), 1);
    automation::Shape box = doc.Shapes().AddTextbox(1, 10, 20, 100, 30, paragraphRange(16));
    box.TextFrame().TextRange().setText("新框");
    EXPECT_EQ(doc.Shapes().Item(7).name(), box.name());
    EXPECT_EQ(box.relativeVerticalPosition(), 2);
    EXPECT_FLOAT_EQ(box.width(), 100.0f);
    EXPECT_EQ(doc.Shapes().Item(7).TextFrame().TextRange().text(), "新框\r");
    // Ids stay unique: the names written by the engine carry them.
    EXPECT_NE(line.name(), box.name());
}

TEST_F(SlotsTest, TheListsOfShapesAndSectionsFollowEveryChange) {
    automation::Shape line = doc.Shapes().Item(4);
    ASSERT_EQ(line.name(), "line5");
    const int sections = doc.Sections().Count();
    automation::Shape added = doc.Shapes().AddLine(0, 0, 0, 0);
    EXPECT_EQ(doc.Shapes().Count(), 9);
    EXPECT_EQ(doc.Shapes().Item(4).name(), added.name());
    doc.engine()->sections().insertBreak(paragraphRange(10).start(), 2);
    EXPECT_EQ(doc.Sections().Count(), sections + 1);
    // Joining the shape's paragraph to the next moves its anchor there: it is found as before.
    automation::Range mark = paragraphRange(5);
    doc.Range(mark.end() - 1, mark.end()).setText("");
    EXPECT_EQ(paragraph(5), "段5段6\r");
    EXPECT_EQ(line.name(), "line5");
    EXPECT_EQ(doc.Shapes().Item(5).name(), "line5");
    line.setName("BTBX");
    EXPECT_NE(documentXml().find("name=\"BTBX\""), std::string::npos);
}

} // namespace

TEST_F(WpsSlotsTest, AShapeAddedWithoutAnchorComesAfterEveryOther) {
    std::vector<std::string> before = shapeNames(doc);
    automation::Shape line = doc.Shapes().AddLine(0, 0, 0, 0);
    std::vector<std::string> after = shapeNames(doc);
    ASSERT_EQ(after.size(), before.size() + 1);
    EXPECT_EQ(std::vector<std::string>(after.begin(), after.end() - 1), before);
    EXPECT_EQ(after.back(), line.name());
    EXPECT_EQ(line.relativeVerticalPosition(), 1);
}

TEST_F(WpsSlotsTest, ATemplateStackedAsWrittenCountsAsInWord) {
    EXPECT_EQ(shapeNames(doc), (std::vector<std::string>{"mast", "rule", "copyno", "line5", "cellbox",
                                                         "box17", "line20", "last"}));
}

namespace {

// The test template "stacking" (tests/data/wordproc/stacking.xml): five shapes stacked otherwise than
// they are written, in both word processors.
class StackedShapes : public testing::Test {
protected:
    StackedShapes()
        : templatePath(wordproctest::buildTestTemplate(folder.path(), "stacking", "stacking.dqx")),
          word(automation::CreateObject("word.Application").Documents().Add(templatePath)),
          wps(automation::CreateObject("wps.Application").Documents().Add(templatePath)) {}

    testsupport::TempFolder folder;
    wordproctest::HandOffRecorder recorder;
    std::string templatePath;
    automation::Document word;
    automation::Document wps;
};

using Names = std::vector<std::string>;

Names namesIn(const automation::ShapeRange& shapes) {
    Names names;
    for (int i = 1; i <= shapes.Count(); ++i)
        names.push_back(shapes.Item(i).name());
    return names;
}

TEST_F(StackedShapes, WordCountsTheAnchorsAndWpsTheStackFromItsBottom) {
    EXPECT_EQ(shapeNames(word), (Names{"top", "low", "behind", "mid", "plain"}));
    EXPECT_EQ(shapeNames(wps), (Names{"behind", "low", "mid", "plain", "top"}));
    // A name reaches the same shape in both.
    EXPECT_EQ(word.Shapes().Item("top").TextFrame().TextRange().text(), "上\r");
    EXPECT_EQ(wps.Shapes().Item("top").TextFrame().TextRange().text(), "上\r");
    // The shapes of a range come in the same order as the document's.
    EXPECT_EQ(namesIn(word.Paragraphs().Item(1).Range().ShapeRange()), (Names{"top", "low"}));
    EXPECT_EQ(namesIn(wps.Paragraphs().Item(1).Range().ShapeRange()), (Names{"low", "top"}));
}

TEST_F(StackedShapes, ANewShapeIsDrawnOnTopSoThatWpsCountsItLast) {
    automation::Range second = wps.Paragraphs().Item(2).Range();
    automation::Shape box = wps.Shapes().AddTextbox(1, 10, 10, 50, 20, second);
    EXPECT_EQ(shapeNames(wps).back(), box.name()) << "anchored in paragraph 2, counted last";
    automation::Shape line = wps.Shapes().AddLine(0, 0, 100, 0);
    EXPECT_EQ(shapeNames(wps), (Names{"behind", "low", "mid", "plain", "top", box.name(), line.name()}));

    // Word counts the new box at its anchor, and draws it on top as well: WPS counts it last.
    automation::Shape wordBox =
        word.Shapes().AddTextbox(1, 10, 10, 50, 20, word.Paragraphs().Item(2).Range());
    EXPECT_EQ(shapeNames(word), (Names{"top", "low", "behind", wordBox.name(), "mid", "plain"}));
    std::string saved = folder.file("word.docx");
    text::writeBinaryFileAtomically(saved, word.engine()->toBytes());
    automation::Document reread = automation::CreateObject("wps.Application").Documents().Open(saved);
    EXPECT_EQ(shapeNames(reread), (Names{"behind", "low", "mid", "plain", "top", wordBox.name()}));
}

} // namespace
