#include "composer/core/FileSize.h"

#include "tests/support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

using composer::FileSizeByName;
using testsupport::TempFolder;

TEST(FileSize, FilesFoldersAndMissingNames) {
    TempFolder dir;
    EXPECT_EQ(FileSizeByName(dir.write("t.dqx", std::string(35328, 'x'))), 35328);
    EXPECT_EQ(FileSizeByName(dir.write("empty", "")), 0);
    EXPECT_EQ(FileSizeByName(dir.path().string()), 0);
    EXPECT_EQ(FileSizeByName(dir.file("missing")), -1);
    EXPECT_EQ(FileSizeByName(""), -1);
}

TEST(FileSize, RelativeNamesAndWildcards) {
    TempFolder dir;
    dir.write("a.dqx", "12345");
    auto old = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    EXPECT_EQ(FileSizeByName("a.dqx"), 5);
    EXPECT_EQ(FileSizeByName("*.dqx"), 5);
    EXPECT_EQ(FileSizeByName("*.none"), -1);
    std::filesystem::current_path(old);
}
