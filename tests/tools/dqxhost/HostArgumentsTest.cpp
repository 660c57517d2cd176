// The command line of dqxhost: options around the document in any order, answers and clicks in theirs,
// and a clear reason for every line that is not one.
#include "tools/dqxhost/HostArguments.h"

#include <gtest/gtest.h>

namespace {

using dqxhost::parseHostArguments;

TEST(HostArguments, TakesEveryOptionAroundTheDocument) {
    auto parsed =
        parseHostArguments({"--answer", "3", "--click", "添加份数序号", "公文.docx", "--ks", "--at-page", "2",
                            "--answer", "--menu", "--menu", "--click", "帮助手册", "--save", "out.docx"});
    ASSERT_TRUE(parsed.arguments) << parsed.problem;
    const dqxhost::HostArguments& arguments = *parsed.arguments;
    EXPECT_EQ(arguments.host, dqxhost::Host::Wps);
    EXPECT_EQ(arguments.document, "公文.docx");
    EXPECT_EQ(arguments.place, dqxhost::Place::Page);
    EXPECT_EQ(arguments.placeNumber, 2);
    EXPECT_EQ(arguments.answers, (std::vector<std::string>{"3", "--menu"}));
    EXPECT_TRUE(arguments.menu);
    EXPECT_EQ(arguments.clicks, (std::vector<std::string>{"添加份数序号", "帮助手册"}));
    EXPECT_EQ(arguments.savePath, "out.docx");

    auto plain = parseHostArguments({"公文.docx", "--at-paragraph", "12"});
    ASSERT_TRUE(plain.arguments);
    EXPECT_EQ(plain.arguments->host, dqxhost::Host::Word);
    EXPECT_EQ(plain.arguments->place, dqxhost::Place::Paragraph);
    EXPECT_EQ(plain.arguments->placeNumber, 12);
    EXPECT_FALSE(plain.arguments->menu);
    EXPECT_FALSE(plain.arguments->savePath);
}

TEST(HostArguments, SaysWhyALineIsNoCommandLineOfDqxhost) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{}, "no document given"},
        {{"--menu"}, "no document given"},
        {{"a.docx", "b.docx"}, "one document only: b.docx"},
        {{"a.docx", "--at-page", "1", "--at-paragraph", "2"},
         "the selection can be placed once only (--at-paragraph or --at-page)"},
        {{"a.docx", "--at-page", "0"}, "--at-page takes a number from 1: 0"},
        {{"a.docx", "--at-paragraph", "2x"}, "--at-paragraph takes a number from 1: 2x"},
        {{"a.docx", "--at-paragraph", "+2"}, "--at-paragraph takes a number from 1: +2"},
        {{"a.docx", "--at-page", "99999999999"}, "--at-page takes a number from 1: 99999999999"},
        {{"a.docx", "--click"}, "--click needs a value"},
        {{"a.docx", "--save", "x", "--save", "y"}, "--save can be given once only"},
        {{"a.docx", "--wps"}, "unknown option --wps"},
    };
    for (const auto& [words, problem] : cases) {
        auto parsed = parseHostArguments(words);
        EXPECT_FALSE(parsed.arguments) << problem;
        EXPECT_EQ(parsed.problem, problem);
    }
}

} // namespace
