#include "composer/core/ProcessPaths.h"

#include "platform/ini/IniFile.h"
#include "tests/support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace composer;
using testsupport::ScopedEnvironment;
using testsupport::TempFolder;

class ProcessPathsTest : public testing::Test {
protected:
    TempFolder m_home;
    ScopedEnvironment m_data{"XDG_DATA_HOME", m_home.path().string()};
    std::string dataFolder() const { return m_home.file("dqx"); }
    void writeSetting(const char* section, const char* key, const char* value) {
        std::filesystem::create_directories(dataFolder());
        ini::IniFile(dataFolder() + "/dqx.ini").writeString(section, key, value);
    }
};

TEST_F(ProcessPathsTest, FirstStartCreatesTheDataFolderAndUsesIt) {
    initialiseProcessPaths();
    EXPECT_TRUE(std::filesystem::is_directory(dataFolder()));
    EXPECT_EQ(paths().DataFolder, dataFolder());
    EXPECT_EQ(paths().IniPath, dataFolder() + "/dqx.ini");
    EXPECT_EQ(paths().TemplateFolder, dataFolder());
    EXPECT_EQ(templatePath("dqx1.dqx"), dataFolder() + "/dqx1.dqx");
    EXPECT_FALSE(paths().InstallFolder.empty());
}

TEST_F(ProcessPathsTest, PartyStyleProfileUsesTheDangFolder) {
    writeSetting("dqx", "fwjg", "某党委");
    writeSetting("某党委", "xz", "0");
    initialiseProcessPaths();
    EXPECT_EQ(paths().TemplateFolder, dataFolder() + "/dang");
}

TEST_F(ProcessPathsTest, MissingProfileOrKeyMeansAdministrativeStyle) {
    writeSetting("dqx", "fwjg", "不存在");
    writeSetting("其他", "xz", "0");
    initialiseProcessPaths();
    EXPECT_EQ(paths().TemplateFolder, dataFolder());
    writeSetting("dqx", "fwjg", "其他");
    writeSetting("其他", "xz", "yes");
    initialiseProcessPaths();
    EXPECT_EQ(paths().TemplateFolder, dataFolder());
}

TEST(ProcessPaths, TemplateFolderForEachStyle) {
    EXPECT_EQ(templateFolderFor("/d/dqx", true), "/d/dqx");
    EXPECT_EQ(templateFolderFor("/d/dqx", false), "/d/dqx/dang");
}
