#include "platform/ini/IniFile.h"

#include "platform/text/Encoding.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

using ini::IniFile;
using testsupport::TempFolder;

namespace {

// Writes the UTF-8 text to the file in the code page, as the system keeps it.
std::string writeSettings(const TempFolder& dir, const std::string& utf8) {
    return dir.write("dqx.ini", text::utf8ToGb18030(utf8));
}

} // namespace

TEST(IniRead, SectionsAndKeysMatchWithoutRegardToCase) {
    TempFolder dir;
    IniFile settings(writeSettings(dir, "[Dqx]\r\nFWJG=某某市人民政府\r\n[jg]\r\nABC=12\r\n"));
    EXPECT_EQ(settings.readString("dqx", "fwjg", "x"), "某某市人民政府");
    EXPECT_EQ(settings.readString("JG", "abc", "0"), "12");
    EXPECT_EQ(settings.readString("jg", "abd", "0"), "0");
    EXPECT_EQ(settings.readString("nosuch", "abc", "d"), "d");
}

TEST(IniRead, ValuesAreTrimmedAndLoseOnePairOfQuotes) {
    TempFolder dir;
    IniFile settings(writeSettings(dir, "[s]\nplain =  value with blanks  \nq=\"quoted\"\nqq=\"\"x\"\"\n"
                                        "s='single'\nhalf=\"open\nempty=\n"));
    EXPECT_EQ(settings.readString("s", "plain", ""), "value with blanks");
    EXPECT_EQ(settings.readString("s", "q", ""), "quoted");
    EXPECT_EQ(settings.readString("s", "qq", ""), "\"x\"");
    EXPECT_EQ(settings.readString("s", "s", ""), "single");
    EXPECT_EQ(settings.readString("s", "half", ""), "\"open");
    EXPECT_EQ(settings.readString("s", "empty", "default"), "");
}

TEST(IniRead, OnlyTheFirst2047BytesOfAValueAreSeen) {
    TempFolder dir;
    std::string chinese;
    for (int i = 0; i < 1100; ++i)
        chinese += "字";
    IniFile settings(writeSettings(dir, "[s]\nlong=" + chinese + "\nascii=" + std::string(3000, 'a') + "\n"));
    // 2047 bytes hold 1023 whole characters; the half character is not kept.
    EXPECT_EQ(text::gbkLength(settings.readString("s", "long", "")), 2046u);
    EXPECT_EQ(settings.readString("s", "ascii", "").size(), 2047u);
}

TEST(IniRead, WholeNumbersFollowTheHexRuleAndFallBackOnAnythingElse) {
    TempFolder dir;
    IniFile settings(writeSettings(dir, "[p]\nxz=0\nyes=yes\nhex=0x10\nidx=3\nneg=-1\nblank=\n"));
    EXPECT_EQ(settings.readInteger("p", "hex", 1), 16);
    EXPECT_EQ(settings.readInteger("p", "idx", 1), 3);
    EXPECT_EQ(settings.readInteger("p", "yes", 1), 1);
    EXPECT_EQ(settings.readInteger("p", "blank", 7), 7);
    EXPECT_EQ(settings.readInteger("p", "missing", 9), 9);
    EXPECT_FALSE(settings.readBool("p", "xz", true));
    EXPECT_TRUE(settings.readBool("p", "yes", true));
    EXPECT_TRUE(settings.readBool("p", "neg", false));
}

TEST(IniRead, RepeatedSectionsAndKeysReadTheFirst) {
    TempFolder dir;
    IniFile settings(writeSettings(dir, "[a]\nk=1\nk=2\n[b]\nk=b\n[A]\nk=3\nother=4\n"));
    EXPECT_EQ(settings.readString("a", "k", ""), "1");
    EXPECT_EQ(settings.readString("a", "other", "none"), "none");
    EXPECT_EQ(settings.sectionNames(), (std::vector<std::string>{"a", "b"}));
}

TEST(IniRead, SectionNamesInFileOrderWithCommentsAndJunkIgnored) {
    TempFolder dir;
    IniFile settings(writeSettings(dir, "; comment\nstray=1\n[dqx]\nfwjg=乙\n\n[乙]\nname=乙办\n"
                                        "garbage line\n[甲]\n[jg]\n[left]\n"));
    EXPECT_EQ(settings.sectionNames(), (std::vector<std::string>{"dqx", "乙", "甲", "jg", "left"}));
    EXPECT_EQ(settings.readString("乙", "name", ""), "乙办");
    EXPECT_TRUE(settings.sectionExists("甲"));
    EXPECT_FALSE(settings.sectionExists("丙"));
}

TEST(IniRead, AProfileNamedLikeAKeyOfAnotherSectionDoesNotCollide) {
    TempFolder dir;
    IniFile settings(writeSettings(dir, "[jg]\nname=5\n[name]\nname=x\n"));
    EXPECT_EQ(settings.readString("jg", "name", ""), "5");
    EXPECT_EQ(settings.readString("name", "name", ""), "x");
}

TEST(IniRead, BadFilesReadAsEmpty) {
    TempFolder dir;
    EXPECT_EQ(IniFile(dir.file("missing.ini")).readString("dqx", "fwjg", "d"), "d");
    EXPECT_EQ(IniFile(dir.path().string()).readString("dqx", "fwjg", "d"), "d");
    EXPECT_EQ(IniFile(dir.write("empty.ini", "")).sectionNames().size(), 0u);
    IniFile damaged(dir.write("bad.ini", "[s]\nk=\x81\xFF"
                                         "ok\n"));
    EXPECT_EQ(damaged.readString("s", "k", ""), "\xEF\xBF\xBD\xEF\xBF\xBD"
                                                "ok");
}
