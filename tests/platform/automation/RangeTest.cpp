#include "tests/platform/automation/SlotsFixture.h"

namespace {

// Positions in the template: paragraph marks count one each, cells' marks included, and a table nothing
// more, so that paragraph n starts at n - 1 plus the text in front of it.
TEST_F(SlotsTest, DocumentRangeCountsCharactersAndParagraphMarks) {
    EXPECT_EQ(doc.Range(0, 1).text(), "\r");
    EXPECT_EQ(doc.Range(1, 4).text(), "段2\r");
    EXPECT_EQ(doc.Range(16, 17).text(), "\r");
    EXPECT_EQ(doc.Range(23, 27).text(), "段10\r");
    EXPECT_EQ(doc.Range(27, 29).text(), "甲\r\a");
    EXPECT_EQ(doc.Range(29, 31).text(), "乙\r\a");
    EXPECT_EQ(doc.Range(31, 34).text(), "丙一\r");
    EXPECT_EQ(doc.Range(37, 38).text(), "\r\a");
    EXPECT_EQ(doc.Range(38, 42).text(), "段16\r");
    EXPECT_EQ(paragraphRange(16).start(), 15 + 23);
    automation::Range all = doc.Content();
    EXPECT_EQ(doc.Range(all.end() - 3, all.end()).text(), "末段\r");
    // An end behind the text is the text's end; a start behind the end is refused.
    EXPECT_EQ(doc.Range(all.end() - 1, all.end() + 50).text(), "\r");
    EXPECT_THROW(doc.Range(5, 4), automation::Error);
    EXPECT_THROW(doc.Range(-1, 4), automation::Error);
}

// The same template in WPS: an offset behind the table is one higher than in Word, one in front of it
// the same.
TEST_F(WpsSlotsTest, WpsCountsOneMoreCharacterAtTheEndOfEachTable) {
    EXPECT_EQ(doc.Range(23, 27).text(), "段10\r");
    EXPECT_EQ(doc.Range(37, 38).text(), "\r\a");
    EXPECT_EQ(paragraphRange(16).start(), 39);
    EXPECT_EQ(doc.Range(39, 43).text(), "段16\r");
    EXPECT_EQ(doc.Paragraphs().Count(), 30);
}

TEST_F(SlotsTest, DocumentRangeFormatsExactlyItsCharacters) {
    // "段16": format only "16".
    doc.Range(39, 41).Font().setName("黑体");
    EXPECT_EQ(doc.Range(38, 39).Font().name(), "Times New Roman");
    EXPECT_EQ(doc.Range(39, 40).Font().name(), "黑体");
    EXPECT_EQ(doc.Range(40, 41).Font().nameFarEast(), "黑体");
    EXPECT_EQ(doc.Range(41, 42).Font().name(), "Times New Roman");
    EXPECT_EQ(paragraph(16), "段16\r");
    // Formatting splits runs but changes no position.
    EXPECT_EQ(doc.Range(38, 42).text(), "段16\r");
}

TEST_F(SlotsTest, FillingFromTheLastSlotUpKeepsTheOffsetsAboveIt) {
    // The label formatted by its offsets after the slot below it got several paragraphs.
    paragraphRange(20).InsertAfter("主题词：公文\r处理");
    paragraphRange(16).InsertBefore("正文一\r正文二\r");
    EXPECT_EQ(doc.Range(1, 4).text(), "段2\r");
    EXPECT_EQ(doc.Range(38, 41).text(), "正文一");
    EXPECT_EQ(doc.Paragraphs().Count(), 33);
}

} // namespace
