// The texts that the slips write: their marks, numbers, attachment lines and the title's width.

#include "composer/output/DocumentTexts.h"
#include "composer/output/SlipRows.h"

#include <gtest/gtest.h>

using namespace composer;

TEST(SlipTexts, AMarkWithoutALevelIsNotWritten) {
    EXPECT_EQ(secrecyText("机密", "★十年"), "机密★十年");
    EXPECT_EQ(secrecyText("机  密", ""), "机  密");
    EXPECT_EQ(secrecyText("", "★十年"), "");
    EXPECT_EQ(marksParagraphs("", "★十年", "特  急").first, "特  急");
}

TEST(SlipTexts, NumbersDatesAndCopyTo) {
    EXPECT_EQ(documentNumberText("某府", "2026", "12"), "某府〔2026〕12号");
    EXPECT_EQ(documentNumberText("", "2026", ""), "〔2026〕号");
    OutputValues v;
    v.date = {"2026年", "3月", "15日"};
    EXPECT_EQ(value::date(v), "2026年3月15日");
    EXPECT_EQ(value::copyToSentence(v), "") << "no lone 。";
    v.copyTo = "市委办公室";
    EXPECT_EQ(value::copyToSentence(v), "市委办公室。");
}

TEST(SlipTexts, AttachmentLinesKeepTheirOrderUnderTheFirst) {
    OutputValues v;
    EXPECT_EQ(value::attachmentLines(v), "");
    v.attachments = {"通知.doc"};
    EXPECT_EQ(value::attachmentLines(v), "通知.doc");
    v.attachments = {"A", "B", "C"};
    EXPECT_EQ(value::attachmentLines(v), "A\r      B\r      C");
}

TEST(SlipTexts, TitleWidthByTheNamesCodePageBytes) {
    EXPECT_EQ(slipTitleScaling(""), 90);
    EXPECT_EQ(slipTitleScaling("某某某某某某某某"), 90);               // 8 characters, 16 bytes
    EXPECT_EQ(slipTitleScaling("某某某某某某某某A"), 66);              // 17
    EXPECT_EQ(slipTitleScaling("某某某某某某某某某"), 66);             // 9 characters, 18 bytes
    EXPECT_EQ(slipTitleScaling("ABCDEFGHIJKLMNOPQRSTUVWXYZ1234"), 66); // 30 Latin letters and digits
    EXPECT_EQ(slipTitleScaling("ABCDEFGHIJKLMNOPQRSTUVWXYZ12345"), 50);
    EXPECT_EQ(slipTitleScaling("某某某某某某某某某某某某某某某某"), 50); // 16 characters, 32 bytes
}
