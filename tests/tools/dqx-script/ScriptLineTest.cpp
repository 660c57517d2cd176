#include "tools/dqx-script/ScriptLine.h"

#include <gtest/gtest.h>

using dqxscript::escape;
using dqxscript::parseLine;
using dqxscript::splitWord;
using dqxscript::unescape;

TEST(ScriptLine, CommentsAndBlankLinesAreNoCommands) {
    EXPECT_FALSE(parseLine(1, ""));
    EXPECT_FALSE(parseLine(1, "   \t"));
    EXPECT_FALSE(parseLine(1, "  # set Edit1 x"));
    const auto line = parseLine(7, "set Edit1  两个 空格 # 不是注释\r");
    ASSERT_TRUE(line);
    EXPECT_EQ(line->number, 7);
    EXPECT_EQ(line->verb, "set");
    EXPECT_EQ(line->rest, "Edit1  两个 空格 # 不是注释");
    EXPECT_EQ(splitWord(line->rest), (std::pair<std::string, std::string>{"Edit1", " 两个 空格 # 不是注释"}))
        << "only the one blank after the name goes";
    EXPECT_EQ(splitWord("close"), (std::pair<std::string, std::string>{"close", ""}));
}

TEST(ScriptLine, EscapesStandForLineBreaksAndBackslashes) {
    EXPECT_EQ(unescape(R"(甲\n乙\\n丙\x)"), "甲\n乙\\n丙\\x");
    EXPECT_EQ(escape("a\r\nb\rc\nd\\"), R"(a\nb\nc\nd\\)");
    EXPECT_EQ(escape(unescape(R"(a\\b\nc)")), R"(a\\b\nc)");
}
