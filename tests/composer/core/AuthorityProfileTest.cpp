#include "composer/core/AuthorityProfile.h"

#include "platform/ini/IniFile.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

using namespace composer;
using testsupport::TempFolder;

TEST(AuthorityProfile, MissingProfileGivesEachReadersDefaults) {
    TempFolder dir;
    ini::IniFile settings(dir.file("dqx.ini"));
    EXPECT_EQ(currentProfileName(settings, "发文机关标识"), "发文机关标识");

    AuthorityProfile output =
        readAuthorityProfile(settings, "发文机关标识", ProfileDefaults::outputProcedure());
    EXPECT_EQ(output.name, "印发机关");
    EXPECT_EQ(output.fontsize, "55");
    EXPECT_EQ(output.fontbl, "75");
    EXPECT_TRUE(output.xz);
    EXPECT_EQ(output.fwzt, "标准公文_小标宋");
    EXPECT_FALSE(output.fwbold);
    EXPECT_EQ(output.btzt, "标准公文_小标宋");
    EXPECT_EQ(output.btsize, "22");
    EXPECT_EQ(output.zwzt, "标准公文_仿宋");
    EXPECT_EQ(output.zwsize, "16");
    EXPECT_EQ(output.top + output.foot + output.left + output.right, "37352826");
    EXPECT_EQ(output.xxfx + output.sxfx + output.jyfx + output.jbfx, 4);
    EXPECT_EQ(output.wwww, "");
    EXPECT_EQ(output.ygdw + output.jybm, "");
    EXPECT_FALSE(output.ycqt);

    EXPECT_EQ(readAuthorityProfile(settings, "x", ProfileDefaults::settingsWindow()).name, "");
    EXPECT_EQ(readAuthorityProfile(settings, "x", ProfileDefaults::settingsWindowPicked()).fontbl, "0");
    EXPECT_EQ(readAuthorityProfile(settings, "x", ProfileDefaults::smallMasthead()).fontsize, "44");
    EXPECT_EQ(readAuthorityProfile(settings, "x", ProfileDefaults::telegram()).fwzt, "");
}

TEST(AuthorityProfile, StoredValuesAreReadAsTheyStand) {
    TempFolder dir;
    ini::IniFile settings(dir.file("dqx.ini"));
    settings.writeString("dqx", "fwjg", "某某市人民政府");
    for (auto [key, value] : {std::pair{"name", "某某市人民政府办公室"},
                              {"fontsize", "48"},
                              {"fontbl", "60"},
                              {"xz", "0"},
                              {"fwbold", "1"},
                              {"zwsize", "16.5"},
                              {"xxfx", "3"},
                              {"sxfx", "junk"},
                              {"wwww", "wps"},
                              {"ycqt", "1"}})
        settings.writeString("某某市人民政府", key, value);
    AuthorityProfile p =
        readAuthorityProfile(settings, currentProfileName(settings, ""), ProfileDefaults::outputProcedure());
    EXPECT_EQ(p.section, "某某市人民政府");
    EXPECT_EQ(p.name, "某某市人民政府办公室");
    EXPECT_EQ(p.fontsize, "48");
    EXPECT_FALSE(p.xz);
    EXPECT_TRUE(p.fwbold);
    EXPECT_EQ(p.zwsize, "16.5"); // converted, and refused, where it is used
    EXPECT_EQ(p.xxfx, 3);
    EXPECT_EQ(p.sxfx, 1);
    EXPECT_TRUE(p.ycqt);
    EXPECT_EQ(hostKindOf(p.wwww), HostKind::Wps);
}

TEST(AuthorityProfile, OnlyExactlyWpsSelectsWps) {
    EXPECT_EQ(hostKindOf("wps"), HostKind::Wps);
    EXPECT_EQ(hostKindOf("WPS"), HostKind::Word);
    EXPECT_EQ(hostKindOf("wps "), HostKind::Word);
    EXPECT_EQ(hostKindOf(""), HostKind::Word);
    EXPECT_EQ(hostKindOf("word"), HostKind::Word);
}
