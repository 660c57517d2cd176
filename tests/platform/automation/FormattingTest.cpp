#include "tests/platform/automation/SlotsFixture.h"

namespace {

using wordproctest::countOf;

TEST_F(SlotsTest, FontPropertiesAreWrittenAsRunProperties) {
    automation::Font font = paragraphRange(2).Font();
    font.setName("标准公文_小标宋");
    font.setSize(22);
    font.setBold(true);
    font.setColor(255);
    font.setScaling(85);
    std::string xml = documentXml();
    EXPECT_NE(xml.find("<w:rFonts w:ascii=\"标准公文_小标宋\" w:hAnsi=\"标准公文_小标宋\" "
                       "w:eastAsia=\"标准公文_小标宋\"/>"
                       "<w:b/><w:bCs/><w:color w:val=\"FF0000\"/><w:w w:val=\"85\"/><w:sz w:val=\"44\"/>"
                       "<w:szCs w:val=\"44\"/>"),
              std::string::npos);
    EXPECT_EQ(font.name(), "标准公文_小标宋");
    EXPECT_FLOAT_EQ(font.size(), 22.0f);
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(font.color(), 255);
    EXPECT_EQ(font.scaling(), 85);
}

TEST_F(SlotsTest, ColoursAreHostBgrNumbers) {
    paragraphRange(2).Font().setColor(0xFF0000);
    paragraphRange(5).Font().setColor(0x00FF00 | 0x000010);
    EXPECT_NE(documentXml().find("<w:color w:val=\"0000FF\"/>"), std::string::npos);
    EXPECT_NE(documentXml().find("<w:color w:val=\"10FF00\"/>"), std::string::npos);
    EXPECT_EQ(paragraphRange(2).Font().color(), 0xFF0000);
    EXPECT_THROW(paragraphRange(2).Font().setColor(0x1000000), automation::Error);
    EXPECT_THROW(paragraphRange(2).Font().setScaling(0), automation::Error);
}

TEST_F(SlotsTest, NameFarEastSetsOnlyTheEastAsianFont) {
    paragraphRange(2).Font().setNameFarEast("楷体");
    EXPECT_EQ(paragraphRange(2).Font().nameFarEast(), "楷体");
    EXPECT_EQ(paragraphRange(2).Font().name(), "Times New Roman");
    EXPECT_EQ(countOf(documentXml(), "w:eastAsia=\"楷体\""), 3); // paragraph 4 had it: run and mark
}

TEST_F(SlotsTest, AlignmentsZeroToFour) {
    const char* values[] = {"left", "center", "right", "both", "distribute"};
    for (int alignment = 0; alignment <= 4; ++alignment) {
        paragraphRange(2).ParagraphFormat().setAlignment(alignment);
        EXPECT_EQ(paragraphRange(2).ParagraphFormat().alignment(), alignment);
        EXPECT_NE(documentXml().find(std::string("<w:jc w:val=\"") + values[alignment] +
                                     "\"/></w:pPr><w:r><w:t>段2"),
                  std::string::npos)
            << values[alignment];
    }
    EXPECT_THROW(paragraphRange(2).ParagraphFormat().setAlignment(5), automation::Error);
}

TEST_F(SlotsTest, CharacterUnitIndentsAreWrittenWithTheirTwips) {
    paragraphRange(2).ParagraphFormat().setCharacterUnitFirstLineIndent(2);
    EXPECT_NE(
        documentXml().find("<w:ind w:firstLine=\"640\" w:firstLineChars=\"200\"/></w:pPr><w:r><w:t>段2"),
        std::string::npos);
    // A hanging indent keeps the first line at the margin: the other lines stand in by as much.
    paragraphRange(5).ParagraphFormat().setCharacterUnitFirstLineIndent(-5);
    EXPECT_NE(documentXml().find(
                  "<w:ind w:left=\"1600\" w:leftChars=\"500\" w:hanging=\"1600\" w:hangingChars=\"500\"/>"),
              std::string::npos);
    EXPECT_FLOAT_EQ(paragraphRange(5).ParagraphFormat().characterUnitFirstLineIndent(), -5.0f);
    // Characters of a 14 pt paragraph are 280 twips.
    paragraphRange(4).ParagraphFormat().setCharacterUnitFirstLineIndent(-6);
    EXPECT_NE(documentXml().find("w:hanging=\"1680\" w:hangingChars=\"600\""), std::string::npos);
}

TEST_F(SlotsTest, LineSpacingRuleAndLineUnitBefore) {
    automation::ParagraphFormat format = paragraphRange(3).ParagraphFormat();
    format.setLineSpacingRule(0);
    format.setLineUnitBefore(0.5f);
    // Half a line of the document grid (579 twips) is 290 twips.
    EXPECT_NE(documentXml().find(
                  "<w:spacing w:line=\"240\" w:lineRule=\"auto\" w:beforeLines=\"50\" w:before=\"290\"/>"
                  "<w:jc w:val=\"center\"/>"),
              std::string::npos);
    EXPECT_EQ(format.lineSpacingRule(), 0);
    EXPECT_FLOAT_EQ(format.lineUnitBefore(), 0.5f);
    format.setLineUnitBefore(1);
    EXPECT_NE(documentXml().find("w:beforeLines=\"100\" w:before=\"579\""), std::string::npos);
    EXPECT_THROW(format.setLineSpacingRule(6), automation::Error);
}

TEST_F(SlotsTest, TheBodyStyleIsReachedAsZhengWen) {
    automation::Font body = doc.Styles().Item("正文").Font();
    body.setNameFarEast("标准公文_仿宋");
    body.setSize(15);
    std::string styles = part("word/styles.xml");
    EXPECT_NE(styles.find("w:styleId=\"Normal\"><w:name w:val=\"Normal\"/>"), std::string::npos);
    EXPECT_NE(styles.find("<w:sz w:val=\"30\"/><w:szCs w:val=\"30\"/>"), std::string::npos);
    EXPECT_EQ(doc.Styles().Item("Normal").Font().nameFarEast(), "标准公文_仿宋");
    EXPECT_FLOAT_EQ(doc.Styles().Item("正文").Font().size(), 15.0f);
    // Text without its own size follows the style.
    EXPECT_FLOAT_EQ(paragraphRange(2).Font().size(), 15.0f);
    EXPECT_THROW(doc.Styles().Item("不存在的样式"), automation::Error);
}

TEST_F(SlotsTest, MarginsAndCharactersALine) {
    automation::PageSetup page = doc.PageSetup();
    page.setTopMargin(automation::MillimetersToPoints(20));
    EXPECT_NE(documentXml().find("<w:pgMar w:top=\"1134\""), std::string::npos);
    page.setTopMargin(automation::MillimetersToPoints(37));
    page.setBottomMargin(automation::MillimetersToPoints(35));
    page.setLeftMargin(automation::MillimetersToPoints(28));
    page.setRightMargin(automation::MillimetersToPoints(26));
    page.setCharsLine(28);
    std::string xml = documentXml();
    EXPECT_NE(xml.find("<w:pgMar w:top=\"2098\" w:right=\"1474\" w:bottom=\"1984\" w:left=\"1587\""),
              std::string::npos);
    EXPECT_NE(xml.find("<w:docGrid w:type=\"lines\" w:linePitch=\"579\"/>"), std::string::npos);
    // 28 characters of 16 pt in 156 mm: 0.25 pt less room each.
    EXPECT_NE(part("word/styles.xml").find("<w:spacing w:val=\"-5\"/>"), std::string::npos);
    EXPECT_EQ(page.charsLine(), 28);
    EXPECT_FLOAT_EQ(page.topMargin(), 104.9f);
    // A smaller body size afterwards keeps 28 characters a line.
    doc.Styles().Item("正文").Font().setSize(14);
    EXPECT_NE(part("word/styles.xml").find("<w:spacing w:val=\"35\"/>"), std::string::npos);
    EXPECT_EQ(page.charsLine(), 28);
    EXPECT_THROW(page.setCharsLine(0), automation::Error);
}

TEST(Conversions, MillimetresAndCentimetresToPointsInSinglePrecision) {
    EXPECT_EQ(automation::MillimetersToPoints(37), 104.88189f);
    EXPECT_EQ(automation::MillimetersToPoints(25.4f), 72.0f);
    EXPECT_EQ(automation::CentimetersToPoints(2.54f), 72.0f);
    EXPECT_EQ(automation::CentimetersToPoints(1), 28.346457f);
}

} // namespace
