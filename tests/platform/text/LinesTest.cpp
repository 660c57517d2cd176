#include "platform/text/Lines.h"

#include <gtest/gtest.h>

using namespace text;
using Lines = std::vector<std::string>;

TEST(Lines, SplitAtEveryKindOfBreak) {
    EXPECT_EQ(splitLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\n\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(splitLines("a\r\n"), (Lines{"a"}));
    EXPECT_EQ(splitLines("a\r\n\r\n"), (Lines{"a", ""}));
    EXPECT_EQ(splitLines(""), Lines{});
    EXPECT_EQ(splitLines("\n"), (Lines{""}));
    EXPECT_EQ(splitLines("\n\r"), (Lines{"", ""}));
}

TEST(Lines, JoinPutsCrLfBetweenOnly) {
    EXPECT_EQ(joinLinesCrLf({"a", "b"}), "a\r\nb");
    EXPECT_EQ(joinLinesCrLf({}), "");
    EXPECT_EQ(splitLines(joinLinesCrLf({"x", "", "y"})), (Lines{"x", "", "y"}));
}

TEST(Lines, WithCrLfRewritesBreaksOnly) {
    EXPECT_EQ(withCrLf("a\nb\rc\r\nd\n"), "a\r\nb\r\nc\r\nd\r\n");
    EXPECT_EQ(withCrLf("no break"), "no break");
}

TEST(Lines, TrimRemovesBlanksAndControlsButNotFullWidthBlanks) {
    EXPECT_EQ(trimmed(" \t正文\r\n"), "正文");
    EXPECT_EQ(trimmed("\x01x\x1f"), "x");
    EXPECT_EQ(trimmed("　正文"), "　正文");
    EXPECT_EQ(trimmed("   "), "");
}
