#include "composer/core/ProfileMemory.h"

#include "platform/ini/IniFile.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

using namespace composer;
using testsupport::TempFolder;

TEST(ProfileMemory, WritesIntoTheCurrentProfileOnly) {
    TempFolder dir;
    const std::string path = dir.file("dqx.ini");
    ini::IniFile(path).writeString("dqx", "fwjg", "某县政府");
    ini::IniFile(path).writeString("某县政府", "name", "某县政府办公室");
    EXPECT_TRUE(rememberInCurrentProfile(path, "ygdw", "秘书科"));
    EXPECT_EQ(ini::IniFile(path).readString("某县政府", "ygdw", ""), "秘书科");
}

TEST(ProfileMemory, NoProfileNoSectionNoReservedSectionMeansNoWrite) {
    TempFolder dir;
    const std::string path = dir.file("dqx.ini");
    EXPECT_FALSE(rememberInCurrentProfile(path, "ygdw", "秘书科")) << "no settings file yet";
    EXPECT_FALSE(std::filesystem::exists(path)) << "and none is made";

    ini::IniFile(path).writeString("dqx", "fwjg", "已删除");
    EXPECT_FALSE(rememberInCurrentProfile(path, "ygdw", "秘书科"));
    ini::IniFile(path).writeString("jg", "某府", "3");
    ini::IniFile(path).writeString("dqx", "fwjg", "JG");
    EXPECT_FALSE(rememberInCurrentProfile(path, "ygdw", "秘书科"));

    ini::IniFile settings(path);
    EXPECT_FALSE(settings.sectionExists("已删除"));
    EXPECT_FALSE(settings.sectionExists("发文机关标识"));
    EXPECT_EQ(settings.readString("jg", "ygdw", "(none)"), "(none)");
}

TEST(ProfileMemory, ValuesAreReadFromTheSectionTheyAreWrittenToOrNotAtAll) {
    TempFolder dir;
    const std::string path = dir.file("dqx.ini");
    ini::IniFile settings(path);
    settings.writeString("发文机关标识", "jybm", "机要局");
    EXPECT_EQ(rememberingProfile(settings), std::nullopt) << "no current profile: no default stands in";
    settings.writeString("dqx", "fwjg", "某县政府");
    EXPECT_EQ(rememberingProfile(settings), std::nullopt) << "the profile's section is gone";
    settings.writeString("某县政府", "name", "某县政府办公室");
    EXPECT_EQ(rememberingProfile(settings), "某县政府");
    EXPECT_TRUE(rememberInCurrentProfile(path, "jybm", "县委机要局"));
    EXPECT_EQ(ini::IniFile(path).readString(*rememberingProfile(ini::IniFile(path)), "jybm", ""),
              "县委机要局");
    settings.writeString("dqx", "fwjg", "LEFT");
    EXPECT_EQ(rememberingProfile(settings), std::nullopt) << "a reserved section is no profile";
}
