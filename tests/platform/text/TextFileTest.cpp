#include "platform/text/TextFile.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace text;
using testsupport::TempFolder;

TEST(TextFile, CodePageRoundTrip) {
    TempFolder dir;
    writeCodePageFile(dir.file("a.txt"), "某府\r\n");
    EXPECT_EQ(dir.read("a.txt"), "\xC4\xB3\xB8\xAE\r\n");
    EXPECT_EQ(readCodePageFile(dir.file("a.txt")), "某府\r\n");
}

TEST(TextFile, OpenErrorsNameThePathAndTheReason) {
    TempFolder dir;
    try {
        readBinaryFile(dir.file("missing"));
        FAIL();
    } catch (const FileError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot open file \"" + dir.file("missing") + "\". No such file or directory");
    }
    EXPECT_THROW(readBinaryFile(dir.path().string()), FileError);
}

TEST(TextFile, ABoundedReadStopsAtItsLimit) {
    TempFolder dir;
    std::string path = dir.write("ten", "0123456789");
    EXPECT_EQ(readBinaryFile(path, 10), "0123456789");
    try {
        readBinaryFile(path, 9);
        FAIL();
    } catch (const FileTooLarge& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open file \"" + path + "\". File too large");
    }
    // A device that never ends is refused as soon as it has given more than the limit.
    EXPECT_THROW(readBinaryFile("/dev/zero", 1 << 20), FileTooLarge);
}

TEST(TextFile, FailedWriteLeavesTheOldFileAndNoTemporary) {
    TempFolder dir;
    std::string path = dir.write("keep.txt", "old");
    ::chmod(path.c_str(), 0444);
    EXPECT_THROW(writeBinaryFileAtomically(path, "new"), FileError);
    EXPECT_EQ(dir.read("keep.txt"), "old");
    EXPECT_THROW(writeBinaryFileAtomically(dir.file("no/such/folder/x"), "x"), FileError);
    EXPECT_THROW(writeBinaryFileAtomically(dir.path().string(), "x"), FileError);
    int entries = 0;
    for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST(TextFile, ReplacingKeepsThePermissions) {
    TempFolder dir;
    std::string path = dir.write("p.txt", "old");
    ::chmod(path.c_str(), 0600);
    writeBinaryFileAtomically(path, "new");
    struct stat info {};
    ::stat(path.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(dir.read("p.txt"), "new");
}
