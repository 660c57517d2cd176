#include "composer/output/DocumentTexts.h"

#include "platform/text/Encoding.h"

#include <gtest/gtest.h>

using namespace composer;

TEST(SecrecyMark, PeriodBecomesTheMarkAndBareLevelsAreWidened) {
    EXPECT_EQ(FormatSecrecyMark("机密", "一年").level, "机密");
    EXPECT_EQ(FormatSecrecyMark("机密", "一年").mark, "★一年");
    EXPECT_EQ(FormatSecrecyMark("机密", "").level, "机  密");
    EXPECT_EQ(FormatSecrecyMark("秘密", "").level, "秘  密");
    EXPECT_EQ(FormatSecrecyMark("绝密", "").level, "绝  密");
    EXPECT_EQ(FormatSecrecyMark("绝密", "").mark, "");
    // Once widened it no longer equals the bare level and stays as it is.
    EXPECT_EQ(FormatSecrecyMark("秘  密", "").level, "秘  密");
    EXPECT_EQ(FormatSecrecyMark("内部", "").level, "内部");
    EXPECT_EQ(FormatSecrecyMark("", "十年").mark, "★十年");
}

TEST(SecrecyMark, MarksParagraphsWithAndWithoutLevel) {
    MarksParagraphs withLevel = marksParagraphs("机密", "★一年", "特  急");
    EXPECT_EQ(withLevel.first, "机密★一年");
    EXPECT_EQ(withLevel.second, "特  急");
    MarksParagraphs noLevel = marksParagraphs("", "★十年", "特  急");
    EXPECT_EQ(noLevel.first, "特  急");
    EXPECT_EQ(noLevel.second, "");
}

TEST(IssueLine, NamesUpTo32BytesPutTheDateAtAFixedColumn) {
    std::string date = IssueDateText(2026, 12, 9);
    IssueLine admin = FormatIssueLine("某某市人民政府办公室", DocumentStyle::Administrative, date);
    EXPECT_EQ(admin.nameBytes, 20u);
    EXPECT_FALSE(admin.condensed);
    EXPECT_EQ(admin.text, "某某市人民政府办公室" + std::string(12, ' ') + date);
    IssueLine party = FormatIssueLine("某某市人民政府办公室", DocumentStyle::Party, date);
    EXPECT_EQ(party.text, "某某市人民政府办公室" + std::string(16, ' ') + date);
}

TEST(IssueLine, ThirtyTwoAndThirtyThreeBytes) {
    std::string name32 = "某某某某某某某某某某某某某某某某"; // 16 characters
    IssueLine at32 = FormatIssueLine(name32, DocumentStyle::Administrative, "D");
    EXPECT_FALSE(at32.condensed);
    EXPECT_EQ(at32.text, name32 + "D");
    IssueLine at33 = FormatIssueLine(name32 + "A", DocumentStyle::Administrative, "D");
    EXPECT_TRUE(at33.condensed);
    EXPECT_EQ(at33.nameBytes, 33u);
    EXPECT_EQ(at33.text, name32 + "A" + std::string(8, ' ') + "D");
    EXPECT_EQ(FormatIssueLine(name32 + "A", DocumentStyle::Party, "D").text,
              name32 + "A" + std::string(12, ' ') + "D");
}

TEST(IssueLine, LongNamesAreCutWithoutSplittingACharacter) {
    std::string name50(50, 'x');
    EXPECT_EQ(FormatIssueLine(name50, DocumentStyle::Administrative, "D").text, std::string(41, 'x') + "D");
    // "AB" + 25 Chinese characters: 52 bytes; byte 41 would split a character, so 40 are kept.
    std::string odd = "AB";
    for (int i = 0; i < 25; ++i)
        odd += "字";
    IssueLine cut = FormatIssueLine(odd, DocumentStyle::Administrative, "D");
    EXPECT_EQ(text::gbkLength(cut.text), 41u);
    EXPECT_EQ(cut.text, odd.substr(0, 2 + 3 * 19) + "D");
    // A name over 255 bytes keeps its real length: still the long width and condensed.
    std::string longName(300, 'y');
    IssueLine huge = FormatIssueLine(longName, DocumentStyle::Party, "D");
    EXPECT_EQ(huge.nameBytes, 300u);
    EXPECT_TRUE(huge.condensed);
    EXPECT_EQ(huge.text.size(), 46u);
}

// The older up-going form's line: 32 bytes for every name and style, never condensed, a long name cut
// without splitting a character.
TEST(IssueLine, FixedWidthOf32Bytes) {
    std::string name36 = "某某集团有限责任公司某某分公司办公室";
    for (DocumentStyle style : {DocumentStyle::Administrative, DocumentStyle::Party}) {
        IssueLine line = FormatIssueLine(name36, style, "D", IssueLineWidth::Fixed32);
        EXPECT_EQ(line.text, "某某集团有限责任公司某某分公司办D");
        EXPECT_EQ(line.nameBytes, 36u);
        EXPECT_FALSE(line.condensed);
        EXPECT_EQ(FormatIssueLine("印发机关", style, "D", IssueLineWidth::Fixed32).text,
                  "印发机关" + std::string(24, ' ') + "D");
    }
    IssueLine odd = FormatIssueLine("A市某某集团有限责任公司党委办公室", DocumentStyle::Party, "D",
                                    IssueLineWidth::Fixed32);
    EXPECT_EQ(text::gbkLength(odd.text), 32u) << "31 bytes of the name and the date";
    EXPECT_EQ(odd.text, "A市某某集团有限责任公司党委办公D");
}

TEST(IssueDateText, KeepsTheSameWidth) {
    EXPECT_EQ(IssueDateText(2026, 1, 5), "  2026年1月5日印发");
    EXPECT_EQ(IssueDateText(2026, 1, 15), " 2026年1月15日印发");
    EXPECT_EQ(IssueDateText(2026, 11, 5), " 2026年11月5日印发");
    EXPECT_EQ(IssueDateText(2026, 12, 31), "2026年12月31日印发");
    EXPECT_EQ(text::gbkLength(IssueDateText(2026, 1, 5)), text::gbkLength(IssueDateText(2026, 12, 31)));
}

TEST(DateLine, BothStyles) {
    DateFields date{"二○一三年", "五月", "八日"};
    EXPECT_EQ(FormatDateLine(DocumentStyle::Administrative, date, {"某党委"}), "二○一三年五月八日");
    EXPECT_EQ(FormatDateLine(DocumentStyle::Party, date, {"某党委"}), "某党委\r2013年5月8日");
    EXPECT_EQ(FormatDateLine(DocumentStyle::Party, date, {"甲", "发文机关二"}),
              "甲\r发文机关二\r2013年5月8日");
    EXPECT_EQ(FormatDateLine(DocumentStyle::Party, date, {}), "2013年5月8日");
    DateFields typed{"2013年", "十三月", "二十日"};
    EXPECT_EQ(FormatDateLine(DocumentStyle::Party, typed, {"P"}), "P\r2013年十三月20日");
    // The date alone has no authority line in either style.
    EXPECT_EQ(FormatDateAlone(DocumentStyle::Administrative, date), "二○一三年五月八日");
    EXPECT_EQ(FormatDateAlone(DocumentStyle::Party, date), "2013年5月8日");
    EXPECT_EQ(FormatDateAlone(DocumentStyle::Party, typed), "2013年十三月20日");
}

TEST(AttachmentBlock, NoneOneAndSeveral) {
    EXPECT_FALSE(attachmentBlock({}).has_value());

    auto one = attachmentBlock({"通知.doc"});
    ASSERT_TRUE(one);
    EXPECT_EQ(one->firstLineIndent, -5);
    EXPECT_EQ(one->insertions, (std::vector<std::string>{"    附件：通知.doc\r\r"}));

    auto three = attachmentBlock({"1．甲", "2．乙", "3．丙"});
    ASSERT_TRUE(three);
    EXPECT_EQ(three->firstLineIndent, -6);
    // Inserted in this order in front of one slot, they read: CR, label + first, second, third.
    EXPECT_EQ(three->insertions,
              (std::vector<std::string>{"          3．丙\r", "          2．乙\r", "\r    附件：1．甲\r"}));

    // Without the lead the label stands on the slot's first line; a single attachment is the same.
    auto two = attachmentBlock({"1．甲", "2．乙"}, AttachmentListLead::None);
    ASSERT_TRUE(two);
    EXPECT_EQ(two->firstLineIndent, -6);
    EXPECT_EQ(two->insertions, (std::vector<std::string>{"          2．乙\r", "    附件：1．甲\r"}));
    EXPECT_EQ(attachmentBlock({"通知.doc"}, AttachmentListLead::None)->insertions, one->insertions);

    // The up-going forms lead a single attachment with a blank line too, and close it with one break;
    // several read as the model's.
    auto single = attachmentBlock({"通知.doc"}, AttachmentListLead::BlankLineAlways);
    ASSERT_TRUE(single);
    EXPECT_EQ(single->firstLineIndent, -5);
    EXPECT_EQ(single->insertions, (std::vector<std::string>{"\r    附件：通知.doc\r"}));
    EXPECT_EQ(attachmentBlock({"1．甲", "2．乙", "3．丙"}, AttachmentListLead::BlankLineAlways)->insertions,
              three->insertions);
}

TEST(AttachmentBlock, TwoFieldsNumberBothOrTakeTheFirstAlone) {
    EXPECT_EQ(attachmentPair("", ""), std::vector<std::string>{});
    EXPECT_EQ(attachmentPair("", "名单"), std::vector<std::string>{})
        << "a second one alone counts for nothing";
    EXPECT_EQ(attachmentPair("方案", ""), std::vector<std::string>{"方案"});
    EXPECT_EQ(attachmentPair("方案", "名单"), (std::vector<std::string>{"1．方案", "2．名单"}));
    // Whether a blank line stands above the first attachment line, where the rows set its indent.
    EXPECT_TRUE(attachmentBlock({"方案"}, AttachmentListLead::BlankLineAlways)->blankLineFirst);
    EXPECT_FALSE(attachmentBlock({"方案"})->blankLineFirst);
    EXPECT_TRUE(attachmentBlock({"1．方案", "2．名单"})->blankLineFirst);
    EXPECT_FALSE(attachmentBlock({"1．方案", "2．名单"}, AttachmentListLead::None)->blankLineFirst);
}

TEST(AttachmentList, NumberingStartsWithTheSecond) {
    std::string memo = withAttachmentAdded("", "甲");
    EXPECT_EQ(memo, "甲");
    memo = withAttachmentAdded(memo, "乙");
    EXPECT_EQ(memo, "1．甲\r\n2．乙");
    memo = withAttachmentAdded(memo, "丙");
    EXPECT_EQ(memo, "1．甲\r\n2．乙\r\n3．丙");
}

TEST(RedLineAdjust, IndexToSpaceBefore) {
    EXPECT_FALSE(redLineSpaceBefore(0));
    EXPECT_EQ(redLineSpaceBefore(1), 0.0);
    EXPECT_EQ(redLineSpaceBefore(2), 0.5);
    EXPECT_EQ(redLineSpaceBefore(3), 1.0);
    EXPECT_FALSE(redLineSpaceBefore(4));
    EXPECT_FALSE(redLineSpaceBefore(-1));
}

TEST(Placeholders, EmptyFieldsOnly) {
    EXPECT_EQ(orPlaceholder("", placeholder::Title), "[此处输入文件标题]");
    EXPECT_EQ(orPlaceholder(" ", placeholder::Title), " ");
    EXPECT_EQ(placeholder::jointSigner(2), "[签发人2]");
}
