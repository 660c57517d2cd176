#include "platform/shell/Shell.h"
#include "platform/shell/DesktopOpener.h"

#include "tests/support/TempFolder.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

using namespace shell;
using testsupport::ScopedEnvironment;
using testsupport::TempFolder;

TEST(Shell, ApplicationDataFolderFollowsTheDesktopRules) {
    {
        ScopedEnvironment data("XDG_DATA_HOME", "/tmp/xdg-data");
        EXPECT_EQ(GetSpecialFolderPath(ApplicationDataFolder), "/tmp/xdg-data");
    }
    ScopedEnvironment home("HOME", "/home/clerk");
    {
        ScopedEnvironment relative("XDG_DATA_HOME", "relative/data");
        EXPECT_EQ(GetSpecialFolderPath(26), "/home/clerk/.local/share");
    }
    ScopedEnvironment empty("XDG_DATA_HOME", "");
    EXPECT_EQ(GetSpecialFolderPath(26), "/home/clerk/.local/share");
    EXPECT_EQ(GetSpecialFolderPath(5), "");
}

TEST(Shell, CreatesFoldersWithTheirParents) {
    TempFolder dir;
    EXPECT_TRUE(createFolderWithParents(dir.file("a/b/c")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("a/b/c")));
    EXPECT_TRUE(createFolderWithParents(dir.file("a/b/c")));
    dir.write("file", "x");
    EXPECT_FALSE(createFolderWithParents(dir.file("file/sub")));
}

TEST(Shell, ProgramsGetTheirArgumentsWithoutAShell) {
    TempFolder dir;
    std::string target = dir.file("made by touch; rm -rf x");
    EXPECT_EQ(runProgram({"touch", target}), 0);
    EXPECT_TRUE(std::filesystem::exists(target));
    EXPECT_EQ(runProgram({"false"}), 1);
    EXPECT_EQ(runProgram({"no-such-program-anywhere"}), -1);
    EXPECT_EQ(runProgram({}), -1);
}

TEST(Shell, StartedProgramsRunOnWithoutBlocking) {
    TempFolder dir;
    std::string target = dir.file("started");
    ASSERT_TRUE(startProgram({"touch", target}));
    for (int i = 0; i < 100 && !std::filesystem::exists(target); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_TRUE(std::filesystem::exists(target));
    EXPECT_FALSE(startProgram({"no-such-program-anywhere"}));
}

TEST(Shell, AProgramThatFailsAtOnceDidNotStartAndOneThatRunsOnDid) {
    EXPECT_FALSE(startProgram({"sh", "-c", "exit 3"}));
    EXPECT_TRUE(startProgram({"true"}));
    const auto before = std::chrono::steady_clock::now();
    EXPECT_TRUE(startProgram({"sleep", "2"}, std::chrono::milliseconds(100)));
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(1)) << "no waiting for its end";
}

TEST(Shell, TheOpenerTriesThePreferredProgramsTheDesktopAndLibreOfficeInTurn) {
    std::vector<std::vector<std::string>> asked;
    std::string starts;
    setProgramStarter([&](const std::vector<std::string>& argv) {
        asked.push_back(argv);
        return argv.front() == starts;
    });
    starts = "xdg-open";
    EXPECT_TRUE(openOnDesktop("/d/文档1.docx", {"wps"}));
    EXPECT_EQ(asked, (std::vector<std::vector<std::string>>{{"wps", "/d/文档1.docx"},
                                                            {"xdg-open", "/d/文档1.docx"}}));

    asked.clear();
    starts = "nothing";
    EXPECT_FALSE(openOnDesktop("https://example.org/page"));
    EXPECT_EQ(asked, (std::vector<std::vector<std::string>>{
                         {"xdg-open", "https://example.org/page"},
                         {"libreoffice", "--writer", "https://example.org/page"}}));
    setProgramStarter({});
}

TEST(Shell, ProgramsLaunchedForTheUserGoThroughTheStarterInUse) {
    std::vector<std::vector<std::string>> asked;
    setProgramStarter([&](const std::vector<std::string>& argv) {
        asked.push_back(argv);
        return false;
    });
    EXPECT_FALSE(launchProgram({"/opt/带 空格/dqx"}));
    EXPECT_EQ(asked, (std::vector<std::vector<std::string>>{{"/opt/带 空格/dqx"}}));
    setProgramStarter({});
    EXPECT_TRUE(launchProgram({"true"}));
    EXPECT_FALSE(launchProgram({"no-such-program-anywhere"}));
}

TEST(Shell, FindsProgramsOnThePath) {
    EXPECT_FALSE(findProgram("sh").empty());
    EXPECT_EQ(findProgram("no-such-program-anywhere"), "");
    EXPECT_EQ(findProgram("/bin/sh"), "/bin/sh");
}
