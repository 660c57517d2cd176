// The plain rules behind the settings window and the chooser: scale suggestion, profile names, font
// choices, profile writing and the blank-document job.
#include "composer/core/AuthorityProfile.h"
#include "composer/core/ProfileNames.h"
#include "composer/core/ProfileWriter.h"
#include "composer/windows/FontChoices.h"
#include "composer/windows/MastheadScale.h"
#include "platform/ini/IniFile.h"
#include "platform/text/Encoding.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <sys/stat.h>

using namespace composer;
using Names = std::vector<std::string>;

TEST(MastheadScale, FollowsTheLengthTable) {
    EXPECT_EQ(suggestedScalePercent(0), "63");
    EXPECT_EQ(suggestedScalePercent(14), "63");
    EXPECT_EQ(suggestedScalePercent(19), "63");
    const std::pair<std::size_t, const char*> even[] = {{20, "60"}, {22, "55"}, {24, "51"}, {26, "48"},
                                                        {28, "44"}, {30, "41"}, {32, "39"}, {34, "37"},
                                                        {36, "35"}, {38, "33"}, {40, "31"}, {42, "30"}};
    for (const auto& [bytes, percent] : even)
        EXPECT_EQ(suggestedScalePercent(bytes), percent) << bytes;
    for (std::size_t odd = 21; odd <= 41; odd += 2)
        EXPECT_EQ(suggestedScalePercent(odd), std::nullopt) << odd;
    EXPECT_EQ(suggestedScalePercent(43), "30");
    EXPECT_EQ(suggestedScalePercent(80), "30");
}

TEST(ProfileNames, LengthIsCountedInCodePageBytes) {
    const std::string twenty = "一二三四五六七八九十一二三四五六七八九十";
    EXPECT_EQ(judgeNewProfileName(twenty), NameVerdict::Accepted);
    EXPECT_EQ(judgeNewProfileName(twenty + "一"), NameVerdict::TooLong);
    EXPECT_EQ(judgeNewProfileName("ABCD" + twenty.substr(0, 18 * 3)), NameVerdict::Accepted) << "40 bytes";
    EXPECT_EQ(judgeNewProfileName("ABCDE" + twenty.substr(0, 18 * 3)), NameVerdict::TooLong) << "41 bytes";
    EXPECT_EQ(judgeNewProfileName(std::string(40, 'a')), NameVerdict::Accepted);
    EXPECT_EQ(judgeNewProfileName(std::string(41, 'a')), NameVerdict::TooLong);
    EXPECT_EQ(judgeNewProfileName(""), NameVerdict::Empty);
}

TEST(ProfileNames, NamesTheSettingsFileCannotKeepApartAreUnusable) {
    for (const char* name : {"dqx", "DQX", "jg", "Jg", "left", "LEFT", " 某局", "某局 ", "某[局]", "某局]",
                             "\"某局\"", "'某局'"})
        EXPECT_EQ(judgeNewProfileName(name), NameVerdict::Unusable) << name;
    for (const char* name : {"某局", "dqx局", "[某局", "\"某局", "某=局", ";某局", "A B"})
        EXPECT_EQ(judgeNewProfileName(name), NameVerdict::Accepted) << name;
}

TEST(ProfileNames, ListsEverySectionButTheReservedOnesInFileOrder) {
    testsupport::TempFolder dir;
    const std::string path =
        dir.write("dqx.ini", text::utf8ToGb18030("[乙局]\r\nname=b\r\n[DQX]\r\nfwjg=乙局\r\n"
                                                 "[甲局]\r\n[JG]\r\nA=1\r\n[Left]\r\nB=2\r\n"
                                                 "[丙局]\r\n"));
    EXPECT_EQ(profileNames(ini::IniFile(path)), (Names{"乙局", "甲局", "丙局"}));
    EXPECT_EQ(profileNames(ini::IniFile(dir.file("none.ini"))), Names{});
}

TEST(FontChoices, TemplateFontsAreAlwaysOffered) {
    EXPECT_EQ(fontChoices({"宋体", "黑体", "Arial"}),
              (Names{"Arial", "宋体", "标准公文_仿宋", "标准公文_小标宋", "黑体"}));
    EXPECT_EQ(fontChoices({"标准公文_仿宋", "标准公文_小标宋"}), (Names{"标准公文_仿宋", "标准公文_小标宋"}));
    EXPECT_EQ(fontChoices({}), (Names{"标准公文_仿宋", "标准公文_小标宋"}));
}

TEST(ProfileWriter, WritesEveryKeyAsItStandsAndMakesTheProfileCurrent) {
    testsupport::TempFolder dir;
    ini::IniFile settings(dir.file("dqx.ini"));
    AuthorityProfile p;
    p.section = "某局";
    p.name = "某局办公室";
    p.fontsize = "5.5";
    p.fontbl = "0";
    p.xz = false;
    p.fwzt = "黑体";
    p.fwbold = true;
    p.top = "";
    p.xxfx = -1;
    p.jbfx = 3;
    p.wwww = "wps";
    writeAuthorityProfile(settings, p);
    std::ifstream in(dir.file("dqx.ini"), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    EXPECT_EQ(text::gb18030ToUtf8(bytes.str()),
              "[某局]\r\nname=某局办公室\r\nfontsize=5.5\r\nfontbl=0\r\nxz=0\r\n"
              "fwzt=黑体\r\nfwbold=1\r\nbtzt=标准公文_小标宋\r\nbtsize=22\r\n"
              "zwzt=标准公文_仿宋\r\nzwsize=16\r\ntop=\r\nfoot=35\r\nleft=28\r\n"
              "right=26\r\nxxfx=-1\r\nsxfx=1\r\njyfx=1\r\njbfx=3\r\nwwww=wps\r\n"
              "[dqx]\r\nfwjg=某局\r\n");
}

TEST(ProfileWriter, ASaveThatCannotBeWrittenLeavesTheFileAsItWasBefore) {
    testsupport::TempFolder dir;
    const std::string before =
        text::utf8ToGb18030("[dqx]\r\nfwjg=某局\r\n[某局]\r\nname=旧名称\r\ntop=37\r\n");
    const std::string path = dir.write("dqx.ini", before);
    ::chmod(path.c_str(), 0444);
    ini::IniFile settings(path);
    AuthorityProfile p;
    p.section = "某局";
    p.name = "新名称";
    p.top = "30";
    EXPECT_THROW(writeAuthorityProfile(settings, p), ini::Error);
    EXPECT_EQ(dir.read("dqx.ini"), before) << "not one key of the profile is written";
    EXPECT_EQ(settings.readString("某局", "name", ""), "旧名称");
}

TEST(ProfileWriter, ErasingAProfileKeepsTheCurrentNameOnOneThatStays) {
    testsupport::TempFolder dir;
    const std::string path =
        dir.write("dqx.ini", text::utf8ToGb18030(
                                 "[dqx]\r\nfwjg=乙局\r\n[甲局]\r\nname=甲\r\n[乙局]\r\nname=乙\r\n[jg]\r\n"
                                 "ABC=3\r\n[丙局]\r\nname=丙\r\n"));
    ini::IniFile settings(path);
    EXPECT_EQ(eraseAuthorityProfile(settings, "甲局"), (Names{"乙局", "丙局"}));
    EXPECT_EQ(ini::IniFile(path).readString("dqx", "fwjg", ""), "乙局") << "another profile was erased";
    EXPECT_EQ(eraseAuthorityProfile(settings, "乙局"), Names{"丙局"});
    EXPECT_EQ(ini::IniFile(path).readString("dqx", "fwjg", ""), "丙局") << "the last one that stays";
    EXPECT_EQ(eraseAuthorityProfile(settings, "丙局"), Names{});
    EXPECT_EQ(ini::IniFile(path).readString("dqx", "fwjg", "(none)"), "(none)");
    EXPECT_EQ(ini::IniFile(path).readString("jg", "ABC", ""), "3");
}

TEST(ProfileWriter, ADeleteThatCannotBeWrittenLeavesTheFileAsItWasBefore) {
    testsupport::TempFolder dir;
    const std::string before =
        text::utf8ToGb18030("[dqx]\r\nfwjg=甲局\r\n[甲局]\r\nname=甲\r\n[乙局]\r\nname=乙\r\n");
    const std::string path = dir.write("dqx.ini", before);
    ::chmod(path.c_str(), 0444);
    ini::IniFile settings(path);
    EXPECT_THROW(eraseAuthorityProfile(settings, "甲局"), ini::Error);
    EXPECT_EQ(dir.read("dqx.ini"), before) << "neither the section nor the current name changed";
    EXPECT_TRUE(settings.sectionExists("甲局"));
}
