#include "cleaner/RuntimeFolder.h"
#include "cleaner/DeleteFolder.h"
#include "cleaner/Error.h"
#include "cleaner/Report.h"

#include "tests/support/TempFolder.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace cleaner;
namespace fs = std::filesystem;

namespace {

TEST(RuntimeFolderFor, IsTheAddinsFolderBesideTheExecutable) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"/opt/kingsoft/wps-office/office6/wps",
         "/opt/kingsoft/wps-office/office6/addins/Microsoft.VC90.CRT"},
        {"\"/opt/my wps/wps\"", "/opt/my wps/addins/Microsoft.VC90.CRT"},
        {"  \"/opt/wps/wps.exe\" -x ", "/opt/wps/addins/Microsoft.VC90.CRT"},
        {"\\opt\\Kingsoft\\WPS Office\\wps.exe", "/opt/Kingsoft/WPS Office/addins/Microsoft.VC90.CRT"},
        {"/opt/wps/", "/opt/wps/addins/Microsoft.VC90.CRT"},
        {"/wps", "/addins/Microsoft.VC90.CRT"},
    };
    for (const auto& [value, folder] : cases) {
        SCOPED_TRACE(std::string(value));
        const auto found = runtimeFolderFor(value);
        ASSERT_TRUE(found);
        EXPECT_EQ(found->string(), folder);
    }
}

TEST(RuntimeFolderFor, AnEmptyValueNamesNothing) {
    EXPECT_FALSE(runtimeFolderFor(""));
    EXPECT_FALSE(runtimeFolderFor("  "));
    EXPECT_FALSE(runtimeFolderFor("\"\""));
}

// Each of these would have made the deletion land relative to the current folder, or somewhere that the
// value does not really name.
TEST(RuntimeFolderFor, RefusesEveryValueThatIsNotAnAbsolutePath) {
    for (std::string_view value :
         {"wps.exe", "office6\\wps.exe", "./wps", "C:\\Program Files\\WPS\\wps.exe", "C:/WPS/wps.exe",
          "%ProgramFiles%\\WPS\\wps.exe", "\\\\server\\share\\wps.exe", "//server/share/wps",
          "\"/opt/wps/wps", "~/wps"}) {
        SCOPED_TRACE(std::string(value));
        EXPECT_THROW(runtimeFolderFor(value), Error);
    }
}

class RuntimeFolderOnDisk : public ::testing::Test {
protected:
    fs::path makeFolder(const fs::path& relative) {
        fs::create_directories(m_root.path() / relative);
        return m_root.path() / relative;
    }
    fs::path makeFile(const fs::path& relative) {
        fs::create_directories((m_root.path() / relative).parent_path());
        std::ofstream(m_root.path() / relative) << "data";
        return m_root.path() / relative;
    }

    testsupport::TempFolder m_root;
};

TEST_F(RuntimeFolderOnDisk, AnExistingFolderIsFoundByItsRealPath) {
    const fs::path crt = makeFolder("wps/addins/Microsoft.VC90.CRT");
    makeFolder("wps/office6");
    EXPECT_EQ(existingRuntimeFolder(m_root.path() / "wps/office6/../addins/Microsoft.VC90.CRT"), crt);

    // A linked program folder is fine as long as the real path ends in addins/Microsoft.VC90.CRT.
    fs::create_directory_symlink(m_root.path() / "wps", m_root.path() / "linked");
    EXPECT_EQ(existingRuntimeFolder(m_root.path() / "linked/addins/Microsoft.VC90.CRT"), crt);
}

TEST_F(RuntimeFolderOnDisk, AMissingFolderIsNothingToDelete) {
    EXPECT_FALSE(existingRuntimeFolder(m_root.path() / "nowhere/addins/Microsoft.VC90.CRT"));
    makeFolder("wps/addins");
    EXPECT_FALSE(existingRuntimeFolder(m_root.path() / "wps/addins/Microsoft.VC90.CRT"));
    makeFile("file/addins");
    EXPECT_FALSE(existingRuntimeFolder(m_root.path() / "file/addins/Microsoft.VC90.CRT"));
}

TEST_F(RuntimeFolderOnDisk, RefusesWhatIsNotReallyTheRuntimeFolder) {
    // addins is a link to a folder of another name.
    makeFolder("data/Microsoft.VC90.CRT");
    makeFolder("wps");
    fs::create_directory_symlink(m_root.path() / "data", m_root.path() / "wps/addins");
    EXPECT_THROW(existingRuntimeFolder(m_root.path() / "wps/addins/Microsoft.VC90.CRT"), Error);

    // The runtime folder itself is a link: not followed.
    const fs::path elsewhere = makeFolder("elsewhere");
    makeFolder("wps2/addins");
    fs::create_directory_symlink(elsewhere, m_root.path() / "wps2/addins/Microsoft.VC90.CRT");
    EXPECT_THROW(existingRuntimeFolder(m_root.path() / "wps2/addins/Microsoft.VC90.CRT"), Error);

    makeFile("wps3/addins/Microsoft.VC90.CRT");
    EXPECT_THROW(existingRuntimeFolder(m_root.path() / "wps3/addins/Microsoft.VC90.CRT"), Error);
}

TEST_F(RuntimeFolderOnDisk, DeleteFolderRemovesLinksInsideButNeverWhatTheyPointTo) {
    const fs::path crt = makeFolder("addins/Microsoft.VC90.CRT");
    makeFile("addins/Microsoft.VC90.CRT/msvcr90.dll");
    makeFile("addins/Microsoft.VC90.CRT/sub/deeper/manifest");
    const fs::path outsideFile = makeFile("outside/keep.txt");
    const fs::path outsideFolder = makeFolder("outside/folder");
    makeFile("outside/folder/inner.txt");
    fs::create_symlink(outsideFile, crt / "file-link");
    fs::create_directory_symlink(outsideFolder, crt / "sub/folder-link");
    fs::create_symlink(m_root.path() / "missing", crt / "dangling");

    EXPECT_TRUE(DeleteFolder(crt));

    EXPECT_FALSE(fs::exists(fs::symlink_status(crt)));
    EXPECT_TRUE(fs::exists(outsideFile));
    EXPECT_TRUE(fs::exists(outsideFolder / "inner.txt"));
    EXPECT_TRUE(fs::exists(m_root.path() / "addins"));
}

TEST_F(RuntimeFolderOnDisk, DeleteFolderLeavesWhatIsNotAFolder) {
    EXPECT_FALSE(DeleteFolder(m_root.path() / "missing"));
    const fs::path target = makeFolder("target");
    makeFile("target/inner.txt");
    fs::create_directory_symlink(target, m_root.path() / "link");
    EXPECT_THROW(DeleteFolder(m_root.path() / "link"), Error);
    EXPECT_THROW(DeleteFolder(makeFile("plain.txt")), Error);
    EXPECT_TRUE(fs::exists(target / "inner.txt"));
    EXPECT_TRUE(fs::is_symlink(m_root.path() / "link"));
}

TEST(Report, WithoutADisplayTheMessageGoesToStandardError) {
    testsupport::ScopedEnvironment display("DISPLAY", nullptr);
    testsupport::ScopedEnvironment wayland("WAYLAND_DISPLAY", "");
    EXPECT_FALSE(hasDisplay());
    ::testing::internal::CaptureStderr();
    showMessage("Invalid data type for ''");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "crtsweep: Invalid data type for ''\n");
}

} // namespace
