// The program crtsweep run as its own process against a registry file and folders in a temporary folder.

#include "cleaner/RuntimeFolder.h"
#include "platform/registry/Registry.h"

#include "platform/text/TextFile.h"
#include "tests/cleaner/ProgramRun.h"
#include "tests/support/TempFolder.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;
using registry::Value;
using registry::ValueType;

namespace {

class Crtsweep : public ::testing::Test {
protected:
    void SetUp() override {
        // Open to every user, for the run under a user without rights.
        fs::permissions(m_root.path(), fs::perms::all & ~fs::perms::others_write & ~fs::perms::group_write);
        makeFile(m_wps / "office6/wps");
        makeFile(m_wps / "addins/other.dll");
        makeFile(m_crt / "msvcr90.dll");
        makeFile(m_crt / "sub/Microsoft.VC90.CRT.manifest");
        makeFile(m_cwdCrt / "msvcr90.dll");
    }

    static void makeFile(const fs::path& path) {
        fs::create_directories(path.parent_path());
        std::ofstream(path) << "data";
    }

    void setAppPath(const Value& value) {
        registry::Registry(m_registry)
            .createKey(registry::Root::LocalMachine, cleaner::wpsAppPathsKey)
            .writeValue("", value);
    }
    void setAppPath(std::string_view text) { setAppPath(Value::text(ValueType::String, text)); }

    testsupport::ProgramRun run(std::vector<std::string> argv = {CRTSWEEP_PATH}) const {
        return testsupport::runProgram(argv, {"DQX_REGISTRY=" + m_registry, "HOME=" + m_root.file("home")},
                                       m_cwd.string());
    }

    // Nothing was touched: the runtime folder beside WPS and the one below the current folder are there.
    void expectNothingDeleted() const {
        EXPECT_TRUE(fs::exists(m_crt / "sub/Microsoft.VC90.CRT.manifest"));
        EXPECT_TRUE(fs::exists(m_cwdCrt / "msvcr90.dll"));
    }

    // The run fails with the message on standard error and deletes nothing.
    void expectRefusal(const Value& appPath, std::string_view message) {
        setAppPath(appPath);
        const auto result = run();
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_TRUE(result.standardError.ends_with(message)) << result.standardError;
        expectNothingDeleted();
    }

    testsupport::TempFolder m_root;
    const std::string m_registry = m_root.file("config/registry.reg");
    const fs::path m_wps = m_root.path() / "Kingsoft/WPS Office";
    const fs::path m_crt = m_wps / "addins/Microsoft.VC90.CRT";
    const fs::path m_cwd = m_root.path() / "cwd";
    const fs::path m_cwdCrt = m_cwd / "addins/Microsoft.VC90.CRT";
};

TEST_F(Crtsweep, DeletesTheFolderWithItsContentsAndASecondRunHasNothingToDo) {
    setAppPath((m_wps / "office6/../wps.exe").string());
    const auto first = run();
    EXPECT_EQ(first.exitCode, 0);
    EXPECT_EQ(first.standardError, "");
    EXPECT_FALSE(fs::exists(m_crt));
    EXPECT_TRUE(fs::exists(m_wps / "addins/other.dll"));
    EXPECT_TRUE(fs::exists(m_wps / "office6/wps"));
    EXPECT_TRUE(fs::exists(m_cwdCrt));

    const auto second = run();
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_EQ(second.standardError, "");
}

TEST_F(Crtsweep, AQuotedOrBackslashedValueNamesTheSameFolder) {
    setAppPath("\"" + (m_wps / "wps.exe").string() + "\"");
    EXPECT_EQ(run().exitCode, 0);
    EXPECT_FALSE(fs::exists(m_crt));

    makeFile(m_crt / "msvcr90.dll");
    std::string windowsStyle = (m_wps / "wps.exe").string();
    std::replace(windowsStyle.begin(), windowsStyle.end(), '/', '\\');
    setAppPath(Value::text(ValueType::ExpandString, windowsStyle));
    EXPECT_EQ(run().exitCode, 0);
    EXPECT_FALSE(fs::exists(m_crt));
}

TEST_F(Crtsweep, WithoutAUsableEntryNothingIsDeletedAndTheRunSucceeds) {
    const auto noFile = run();
    EXPECT_EQ(noFile.exitCode, 0);
    EXPECT_EQ(noFile.standardError, "");
    EXPECT_FALSE(fs::exists(m_registry)) << "the registry was changed";

    registry::Registry(m_registry).createKey(registry::Root::LocalMachine, cleaner::wpsAppPathsKey);
    const std::string keyOnly = text::readBinaryFile(m_registry);
    EXPECT_EQ(run().exitCode, 0);
    EXPECT_EQ(text::readBinaryFile(m_registry), keyOnly);

    for (std::string_view empty : {"", "\"\""}) {
        setAppPath(empty);
        const auto result = run();
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.standardError, "");
    }
    expectNothingDeleted();
}

TEST_F(Crtsweep, ARelativeValueDeletesNothingBelowTheCurrentFolder) {
    for (std::string_view relative : {"wps.exe", "office6\\wps.exe", "C:\\Program Files\\WPS\\wps.exe"}) {
        SCOPED_TRACE(std::string(relative));
        expectRefusal(Value::text(ValueType::String, relative), "not an absolute path; nothing is deleted\n");
    }
}

TEST_F(Crtsweep, AValueOfTheWrongTypeIsReportedWithTheRegistryText) {
    for (const Value& wrong : {Value::dword(1), Value::binary("/opt/wps")})
        expectRefusal(wrong, "crtsweep: Invalid data type for ''\n");
}

TEST_F(Crtsweep, AnUnreadableRegistryFileIsReportedWithItsLine) {
    fs::create_directories(fs::path(m_registry).parent_path());
    text::writeBinaryFileAtomically(m_registry, "Windows Registry Editor Version 5.00\n\n"
                                                "[HKEY_LOCAL_MACHINE\\" +
                                                    std::string(cleaner::wpsAppPathsKey) +
                                                    "]\n@=\"C:\\x\"\n");
    const auto result = run();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.standardError.find("line 4"), std::string::npos) << result.standardError;
    expectNothingDeleted();
}

TEST_F(Crtsweep, LinksInsideAreRemovedWithoutTouchingTheirTargets) {
    makeFile(m_root.path() / "outside/keep.txt");
    fs::create_symlink(m_root.path() / "outside/keep.txt", m_crt / "keep-link");
    fs::create_directory_symlink(m_root.path() / "outside", m_crt / "sub/outside-link");
    setAppPath((m_wps / "wps").string());

    EXPECT_EQ(run().exitCode, 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(m_crt)));
    EXPECT_TRUE(fs::exists(m_root.path() / "outside/keep.txt"));
}

TEST_F(Crtsweep, ALinkedRuntimeFolderIsNotFollowed) {
    const fs::path elsewhere = m_root.path() / "elsewhere";
    makeFile(elsewhere / "keep.txt");
    fs::remove_all(m_crt);
    fs::create_directory_symlink(elsewhere, m_crt);
    setAppPath((m_wps / "wps").string());

    const auto result = run();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.standardError.find("symbolic link"), std::string::npos) << result.standardError;
    EXPECT_TRUE(fs::is_symlink(m_crt));
    EXPECT_TRUE(fs::exists(elsewhere / "keep.txt"));
}

TEST_F(Crtsweep, AFolderThatCannotBeDeletedIsReportedAndFailsTheRun) {
    std::vector<std::string> argv = {CRTSWEEP_PATH};
    if (geteuid() == 0) {
        // The super-user may delete anything, so the run drops to an ordinary user who may not.
        if (!fs::exists("/usr/bin/setpriv"))
            GTEST_SKIP() << "setpriv is needed to run without the super-user's rights";
        argv = {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", CRTSWEEP_PATH};
    } else {
        fs::permissions(m_crt / "sub", fs::perms::owner_read | fs::perms::owner_exec);
    }
    setAppPath((m_wps / "wps").string());
    fs::permissions(m_registry, fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);

    const auto result = run(argv);
    fs::permissions(m_crt / "sub", fs::perms::owner_all);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.standardError.find("Cannot delete folder"), std::string::npos) << result.standardError;
    EXPECT_TRUE(fs::exists(m_crt / "sub/Microsoft.VC90.CRT.manifest"));
}

} // namespace
