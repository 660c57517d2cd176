#include "tools/dqx-seed/DataFolderSeed.h"

#include "platform/text/TextFile.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder))
        names.push_back(fs::relative(entry.path(), folder).string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(DataFolderSeed, CopiesWhatIsMissingAndKeepsTheUsersFiles) {
    testsupport::TempFolder installed;
    installed.write("dqx0.dqx", "installed template");
    installed.write("dqx.ini.jg", "×政发");
    installed.write("dang/dqx0.dqx", "party template");
    testsupport::TempFolder data;
    data.write("dqx0.dqx", "the user's own template");
    data.write("dqx.ini", "[dqx]");

    seed::SeedReport first = seed::seedDataFolder(installed.path(), data.path());
    EXPECT_EQ(first.copied, (std::vector<std::string>{data.file("dqx.ini.jg"), data.file("dang/dqx0.dqx")}));
    EXPECT_EQ(first.kept, (std::vector<std::string>{data.file("dqx0.dqx")}));
    EXPECT_TRUE(first.failed.empty());
    EXPECT_EQ(data.read("dqx0.dqx"), "the user's own template");
    EXPECT_EQ(data.read("dqx.ini.jg"), "×政发");
    EXPECT_EQ(data.read("dang/dqx0.dqx"), "party template");
    EXPECT_EQ(namesIn(data.path()),
              (std::vector<std::string>{"dang", "dang/dqx0.dqx", "dqx.ini", "dqx.ini.jg", "dqx0.dqx"}));

    // A second run finds everything there and changes nothing.
    data.write("dqx.ini.jg", "edited by the user");
    seed::SeedReport second = seed::seedDataFolder(installed.path(), data.path());
    EXPECT_TRUE(second.copied.empty());
    EXPECT_EQ(data.read("dqx.ini.jg"), "edited by the user");
}

TEST(DataFolderSeed, SeedsTheBuiltTemplateSet) {
    testsupport::TempFolder data;
    seed::SeedReport report = seed::seedDataFolder(DQX_BUILT_TEMPLATES, data.path());
    EXPECT_TRUE(report.failed.empty());
    for (const char* name : {"dqx0.dqx", "dqxhp.dqx", "dang/dqx0.dqx", "dang/dqxhp.dqx", "dqx.ini.jg",
                             "dqx.ini.fs", "dqx.ini.l", "dqx.ini.r", "dqx.ini.qf"})
        EXPECT_TRUE(fs::exists(data.file(name))) << name;
    // The pick lists are in the settings file's code page.
    EXPECT_TRUE(text::readCodePageFile(data.file("dqx.ini.jg")).starts_with("×政发\r\n"));
    EXPECT_FALSE(fs::exists(data.file("install")));
}

TEST(DataFolderSeed, AMissingSetCopiesNothing) {
    testsupport::TempFolder data;
    seed::SeedReport report = seed::seedDataFolder(data.file("nowhere"), data.path());
    EXPECT_TRUE(report.copied.empty());
    EXPECT_TRUE(report.failed.empty());
}

} // namespace
