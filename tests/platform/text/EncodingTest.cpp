#include "platform/text/Encoding.h"
#include "platform/text/CodePoints.h"

#include <gtest/gtest.h>

using namespace text;

TEST(Encoding, ChineseKeepsItsGbkBytesAndRoundTrips) {
    std::string gbk = utf8ToGb18030("机关A");
    EXPECT_EQ(gbk, "\xBB\xFA\xB9\xD8"
                   "A");
    EXPECT_EQ(gb18030ToUtf8(gbk), "机关A");
    // The date combos' zero "○" is A1 F0 in the code page.
    EXPECT_EQ(utf8ToGb18030("○"), "\xA1\xF0");
}

TEST(Encoding, CharactersOutsideGbkSurviveTheRoundTrip) {
    std::string text = "€😀𠀀";
    EXPECT_EQ(gb18030ToUtf8(utf8ToGb18030(text)), text);
}

TEST(Encoding, InvalidBytesAreReplacedAndTheRestIsKept) {
    EXPECT_EQ(gb18030ToUtf8("a\x81 b"), "a\xEF\xBF\xBD b");
    EXPECT_EQ(gb18030ToUtf8("a\x81"), "a\xEF\xBF\xBD");
    EXPECT_EQ(utf8ToGb18030("a\xFF"
                            "b"),
              "a?b");
}

TEST(Encoding, GbkLengthCountsChineseAsTwo) {
    EXPECT_EQ(gbkLength(""), 0u);
    EXPECT_EQ(gbkLength("A"), 1u);
    EXPECT_EQ(gbkLength("A机关"), 5u);
    EXPECT_EQ(gbkLength("某某市人民政府办公室"), 20u);
    EXPECT_EQ(gbkLength("（共印）"), 8u);
}

TEST(Encoding, CutNeverSplitsACharacter) {
    EXPECT_EQ(cutToBytes("A机关", 5), "A机关");
    EXPECT_EQ(cutToBytes("A机关", 4), "A机");
    EXPECT_EQ(cutToBytes("A机关", 3), "A机");
    EXPECT_EQ(cutToBytes("A机关", 2), "A");
    EXPECT_EQ(cutToBytes("机关", 1), "");
    EXPECT_EQ(cutToBytes("机关", 0), "");
    EXPECT_EQ(cutToBytes("ab", 10), "ab");
}

TEST(Encoding, DetectsUtf8AndFallsBackToGb18030) {
    EXPECT_EQ(decodeUtf8OrGb18030("\xEF\xBB\xBF正文"), "正文");
    EXPECT_EQ(decodeUtf8OrGb18030("正文"), "正文");
    EXPECT_EQ(decodeUtf8OrGb18030(utf8ToGb18030("正文内容")), "正文内容");
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));     // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80")); // surrogate
    EXPECT_TRUE(isValidUtf8("plain ascii"));
}

TEST(CodePoints, DecodeEncodeAndReplaceBadBytes) {
    EXPECT_EQ(text::decodeUtf8("A机😀"), (std::u32string{U'A', U'机', U'😀'}));
    EXPECT_EQ(text::encodeUtf8(std::u32string{U'A', U'机', U'😀'}), "A机😀");
    // A stray continuation byte, a cut sequence and an overlong form each become one U+FFFD a byte.
    EXPECT_EQ(text::decodeUtf8("a\x80"
                               "b\xE6\x9C"),
              (std::u32string{U'a', 0xFFFD, U'b', 0xFFFD, 0xFFFD}));
    EXPECT_EQ(text::decodeUtf8("\xC0\xAF"), (std::u32string{0xFFFD, 0xFFFD}));
}

TEST(Encoding, MeasuresNeverReachPastTheBytesGiven) {
    // A four-byte lead (81 30) with its last two bytes missing.
    EXPECT_EQ(gb18030CharacterLength("\x81\x30", 0), 2u);
    EXPECT_EQ(gb18030PrefixLength("\x81\x30", 4095), 2u);
    EXPECT_EQ(gb18030PrefixLength("A\x81\x30\x81", 4095), 4u);
    // Whole characters are still measured whole, and a cut never splits one.
    EXPECT_EQ(gb18030CharacterLength("\x81\x30\x81\x30", 0), 4u);
    EXPECT_EQ(gb18030PrefixLength("\x81\x30\x81\x30"
                                  "A",
                                  3),
              0u);
    EXPECT_EQ(gb18030PrefixLength("\xBB\xFA\x81", 4095), 3u);
}
