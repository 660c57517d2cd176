#include "platform/ini/IniFile.h"

#include "platform/text/Encoding.h"
#include "tests/support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using ini::IniFile;
using testsupport::TempFolder;

TEST(IniWrite, FirstWriteCreatesTheFileInTheCodePage) {
    TempFolder dir;
    IniFile settings(dir.file("dqx.ini"));
    settings.writeString("dqx", "fwjg", "某府");
    EXPECT_EQ(dir.read("dqx.ini"), text::utf8ToGb18030("[dqx]\r\nfwjg=某府\r\n"));
    EXPECT_EQ(IniFile(dir.file("dqx.ini")).readString("dqx", "fwjg", ""), "某府");
}

TEST(IniWrite, EditsKeepTheRestOfTheFileByteForByte) {
    TempFolder dir;
    std::string original =
        "; kept comment\r\n[dqx]\r\nfwjg=old\r\n\r\n[p]\r\nname=x\r\n  odd line\r\n[jg]\r\nA=1";
    std::string path = dir.write("dqx.ini", original);
    IniFile settings(path);
    settings.writeString("DQX", "FWJG", "new");
    settings.writeString("p", "top", "30");
    settings.writeString("jg", "B", "2");
    EXPECT_EQ(dir.read("dqx.ini"),
              "; kept comment\r\n[dqx]\r\nfwjg=new\r\n\r\n[p]\r\nname=x\r\n  odd line\r\n"
              "top=30\r\n[jg]\r\nA=1\r\nB=2\r\n");
}

TEST(IniWrite, EveryWriteIsOnDiskAtOnceAndSeesOtherWriters) {
    TempFolder dir;
    IniFile first(dir.file("dqx.ini"));
    IniFile second(dir.file("dqx.ini"));
    first.writeString("jg", "a", "1");
    second.writeString("jg", "b", "2");
    IniFile reader(dir.file("dqx.ini"));
    EXPECT_EQ(reader.readString("jg", "a", ""), "1");
    EXPECT_EQ(reader.readString("jg", "b", ""), "2");
}

TEST(IniWrite, LineBreaksInAValueAreWrittenAsBlanks) {
    TempFolder dir;
    IniFile settings(dir.file("dqx.ini"));
    settings.writeString("p", "name", "第一行\r\n第二行\n[evil]\rx=1");
    IniFile reader(dir.file("dqx.ini"));
    EXPECT_EQ(reader.readString("p", "name", ""), "第一行 第二行 [evil] x=1");
    EXPECT_EQ(reader.sectionNames(), (std::vector<std::string>{"p"}));
}

TEST(IniWrite, NamesTheSyntaxCannotHoldAreRefusedAndNothingIsWritten) {
    TempFolder dir;
    IniFile settings(dir.file("dqx.ini"));
    settings.writeString("jg", "ok", "1");
    std::string before = dir.read("dqx.ini");
    EXPECT_THROW(settings.writeString("a]b", "k", "v"), ini::Error);
    EXPECT_THROW(settings.writeString("", "k", "v"), ini::Error);
    EXPECT_THROW(settings.writeString(" padded", "k", "v"), ini::Error);
    EXPECT_THROW(settings.writeString("s", "k=v", "v"), ini::Error);
    EXPECT_THROW(settings.writeString("s", ";k", "v"), ini::Error);
    EXPECT_THROW(settings.writeString("s", "[k", "v"), ini::Error);
    EXPECT_THROW(settings.writeString("s", "k\nx", "v"), ini::Error);
    EXPECT_THROW(settings.writeString("s", "", "v"), ini::Error);
    EXPECT_EQ(dir.read("dqx.ini"), before);
    // A bracket inside a key and a "[" inside a section are fine.
    settings.writeString("a[b", "x]y", "v");
    EXPECT_EQ(IniFile(dir.file("dqx.ini")).readString("a[b", "x]y", ""), "v");
}

TEST(IniWrite, UnwritableFileGivesTheMessageAndKeepsTheFile) {
    TempFolder dir;
    std::string path = dir.write("dqx.ini", "[dqx]\r\nfwjg=a\r\n");
    ::chmod(path.c_str(), 0444);
    IniFile settings(path);
    try {
        settings.writeString("dqx", "fwjg", "b");
        FAIL();
    } catch (const ini::Error& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + path);
    }
    EXPECT_EQ(settings.readString("dqx", "fwjg", ""), "a");
    EXPECT_EQ(dir.read("dqx.ini"), "[dqx]\r\nfwjg=a\r\n");
    EXPECT_THROW(IniFile(dir.file("missing/dqx.ini")).writeString("a", "b", "c"), ini::Error);
}

TEST(IniWrite, EraseSectionAndDeleteKey) {
    TempFolder dir;
    std::string path = dir.write(
        "dqx.ini",
        text::utf8ToGb18030("[dqx]\r\nfwjg=甲\r\n[甲]\r\nname=1\r\n[乙]\r\nname=2\r\n[甲]\r\nname=3\r\n"));
    IniFile settings(path);
    settings.eraseSection("甲");
    EXPECT_EQ(settings.sectionNames(), (std::vector<std::string>{"dqx", "乙"}));
    EXPECT_EQ(settings.readString("甲", "name", "gone"), "gone");
    settings.deleteKey("DQX", "FWJG");
    EXPECT_EQ(settings.readString("dqx", "fwjg", "none"), "none");
    EXPECT_TRUE(settings.sectionExists("dqx"));
    settings.deleteKey("nosuch", "k");
    EXPECT_EQ(dir.read("dqx.ini"), text::utf8ToGb18030("[dqx]\r\n[乙]\r\nname=2\r\n"));
}

TEST(IniWrite, DamagedBytesElsewhereSurviveAWrite) {
    TempFolder dir;
    std::string damaged = "[x]\r\nk=\x81\xFF\r\n";
    dir.write("dqx.ini", damaged);
    IniFile settings(dir.file("dqx.ini"));
    settings.writeString("jg", "a", "1");
    EXPECT_EQ(dir.read("dqx.ini"), damaged + "[jg]\r\na=1\r\n");
}

TEST(IniWrite, LargeFileKeepsEverything) {
    TempFolder dir;
    std::string big;
    for (int i = 0; big.size() < 10'000'000; ++i)
        big += "[s" + std::to_string(i) + "]\r\nkey=" + std::string(100, 'v') + "\r\n";
    dir.write("dqx.ini", big);
    IniFile settings(dir.file("dqx.ini"));
    settings.writeString("s5", "key", "changed");
    std::string after = dir.read("dqx.ini");
    EXPECT_EQ(after.size(), big.size() - 100 + 7);
    EXPECT_EQ(IniFile(dir.file("dqx.ini")).readString("s5", "key", ""), "changed");
}

namespace {

ino_t inodeOf(const std::string& path) {
    struct stat status {};
    ::stat(path.c_str(), &status);
    return status.st_ino;
}

} // namespace

TEST(IniWrite, AWriteThatChangesNothingLeavesTheFileAlone) {
    TempFolder dir;
    std::string path = dir.write("dqx.ini", text::utf8ToGb18030("[jg]\r\n某府 = 12\r\n"));
    const ino_t before = inodeOf(path);
    IniFile settings(path);
    settings.writeString("jg", "某府", "12");
    settings.deleteKey("jg", "missing");
    settings.eraseSection("missing");
    EXPECT_EQ(inodeOf(path), before) << "the file was replaced";
    IniFile(dir.file("absent.ini")).deleteKey("jg", "x");
    EXPECT_FALSE(std::filesystem::exists(dir.file("absent.ini"))) << "nothing to write creates nothing";
    settings.writeString("jg", "某府", "13");
    EXPECT_NE(inodeOf(path), before);
}

TEST(IniWrite, AGroupOfWritesReachesTheDiskAtOnceOnCommit) {
    TempFolder dir;
    std::string path = dir.write("dqx.ini", "[p]\r\nname=old\r\n");
    IniFile settings(path);
    {
        IniFile::WriteGroup group(settings);
        settings.writeString("p", "name", "new");
        settings.writeString("dqx", "fwjg", "p");
        settings.eraseSection("gone");
        EXPECT_EQ(settings.readString("p", "name", ""), "new") << "the group's own reads see its writes";
        EXPECT_EQ(IniFile(path).readString("p", "name", ""), "old") << "nothing on disk before the commit";
        group.commit();
    }
    EXPECT_EQ(dir.read("dqx.ini"), "[p]\r\nname=new\r\n[dqx]\r\nfwjg=p\r\n");
    settings.writeString("p", "top", "30");
    EXPECT_EQ(IniFile(path).readString("p", "top", ""), "30") << "after the group, writes go to disk again";
}

TEST(IniWrite, AGroupThatFailsPartWayLeavesTheFileAsItWas) {
    TempFolder dir;
    const std::string original = "[p]\r\nname=old\r\n";
    std::string path = dir.write("dqx.ini", original);
    IniFile settings(path);
    try {
        IniFile::WriteGroup group(settings);
        settings.writeString("p", "name", "new");
        settings.writeString("p", "top", "30");
        settings.writeString("p", "=bad", "x");
        group.commit();
        FAIL() << "the key name is refused";
    } catch (const ini::Error&) {
    }
    EXPECT_EQ(dir.read("dqx.ini"), original);
    EXPECT_EQ(settings.readString("p", "name", ""), "old") << "the object reads the file again";

    ::chmod(path.c_str(), 0444);
    IniFile::WriteGroup group(settings);
    settings.writeString("p", "name", "new");
    EXPECT_THROW(group.commit(), ini::Error);
    EXPECT_EQ(dir.read("dqx.ini"), original);
    EXPECT_EQ(settings.readString("p", "name", ""), "old");
}
