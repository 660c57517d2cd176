// The buttons that start programs: the composer by its path, the help pages in the browser; a program
// that cannot be started shows nothing.
#include "tests/addin/AddInFixture.h"

namespace {

using addintest::AddInTest;
using addintest::Argv;

class LaunchTest : public AddInTest {};

TEST_P(LaunchTest, TheComposerStartsByItsPathAsTheOnlyArgument) {
    connect();
    click("运行Brevaro");
    EXPECT_EQ(started, std::vector<Argv>{{DQX_PROGRAM_PATH}});
}

TEST_P(LaunchTest, TheHelpPagesOfTheInstallationOpenOnTheDesktop) {
    connect();
    click("帮助手册");
    click("相关知识");
    EXPECT_EQ(started, (std::vector<Argv>{{"xdg-open", DQX_INSTALL_FOLDER "/help.html"},
                                          {"xdg-open", DQX_INSTALL_FOLDER "/dqx.html"}}));
}

TEST_P(LaunchTest, AProgramThatCannotBeStartedEndsTheCommandSilently) {
    programsStart = false;
    connect();
    click("运行Brevaro");
    click("帮助手册");
    EXPECT_EQ(started, (std::vector<Argv>{{DQX_PROGRAM_PATH},
                                          {"xdg-open", DQX_INSTALL_FOLDER "/help.html"},
                                          {"libreoffice", "--writer", DQX_INSTALL_FOLDER "/help.html"}}));
    EXPECT_TRUE(messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Builds, LaunchTest, ::testing::Values(addintest::wordBuild(), addintest::wpsBuild()),
                         addintest::buildName);

} // namespace
