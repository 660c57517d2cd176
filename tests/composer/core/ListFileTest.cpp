#include "composer/core/ListFile.h"

#include "platform/text/Encoding.h"
#include "platform/text/TextFile.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

using namespace composer;
using testsupport::TempFolder;
using Entries = std::vector<std::string>;

TEST(ListFile, ReadsEveryLineAsAnEntry) {
    TempFolder dir;
    EXPECT_EQ(readListFile(dir.write("a.jg", text::utf8ToGb18030("某府\r\n某办\r\n\r\n某委\n某局\r末"))),
              (Entries{"某府", "某办", "", "某委", "某局", "末"}));
    EXPECT_EQ(readListFile(dir.write("b.jg", "a\r\n")), (Entries{"a"}));
    EXPECT_EQ(readListFile(dir.write("c.jg", "")), Entries{});
    EXPECT_EQ(readListFile(dir.write("d.jg", "  spaced  \r\n")), (Entries{"  spaced  "}));
}

TEST(ListFile, MissingFileRaisesTheOpenError) {
    TempFolder dir;
    EXPECT_THROW(readListFile(dir.file("none.jg")), text::FileError);
}

TEST(ListFile, EditorTextIsWrittenWithCrLfBetweenLines) {
    TempFolder dir;
    writeListText(dir.file("e.jg"), "甲\n乙");
    EXPECT_EQ(dir.read("e.jg"), text::utf8ToGb18030("甲\r\n乙"));
    EXPECT_EQ(readListFile(dir.file("e.jg")), (Entries{"甲", "乙"}));
    writeListText(dir.file("e.jg"), "");
    EXPECT_EQ(dir.read("e.jg"), "");
    EXPECT_EQ(readListFile(dir.file("e.jg")), Entries{});
    writeListText(dir.file("e.jg"), "a\n\nb");
    EXPECT_EQ(readListFile(dir.file("e.jg")), (Entries{"a", "", "b"}));
}

TEST(ListFile, PickerWritesABreakAfterEachEntry) {
    TempFolder dir;
    Entries units{"市政府办公室", "", "市委办公室"};
    writeListFile(dir.file("u.fs"), units);
    EXPECT_EQ(dir.read("u.fs"), text::utf8ToGb18030("市政府办公室\r\n\r\n市委办公室\r\n"));
    EXPECT_EQ(readListFile(dir.file("u.fs")), units);
    writeListFile(dir.file("u.fs"), {});
    EXPECT_EQ(readListFile(dir.file("u.fs")), Entries{});
}
