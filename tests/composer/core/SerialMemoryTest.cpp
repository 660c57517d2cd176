#include "composer/core/SerialMemory.h"

#include "composer/core/AuthorityProfile.h"
#include "platform/ini/IniFile.h"
#include "platform/text/Convert.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace composer;
using testsupport::TempFolder;

TEST(SerialMemory, RememberedSerialSuggestsTheNext) {
    TempFolder dir;
    std::string ini = dir.file("dqx.ini");
    EXPECT_EQ(nextSerial(ini, SerialSection, "某府"), "1");
    RememberSerial(ini, SerialSection, "某府", "12");
    EXPECT_EQ(nextSerial(ini, SerialSection, "某府"), "13");
    // Abbreviations match without regard to case.
    RememberSerial(ini, SerialSection, "ABC", "4");
    EXPECT_EQ(nextSerial(ini, SerialSection, "abc"), "5");
    // The left number parts have their own section.
    EXPECT_EQ(nextSerial(ini, LeftSerialSection, "某府"), "1");
}

TEST(SerialMemory, OnlyWholeNumbersUnderStorableNamesAreRemembered) {
    TempFolder dir;
    std::string ini = dir.file("dqx.ini");
    RememberSerial(ini, SerialSection, "某府", "7");
    for (const char* bad : {"", "七", "7a", "7.5"})
        RememberSerial(ini, SerialSection, "某府", bad);
    EXPECT_EQ(nextSerial(ini, SerialSection, "某府"), "8");
    RememberSerial(ini, SerialSection, "", "3");
    RememberSerial(ini, SerialSection, "a=b", "3");
    RememberSerial(ini, SerialSection, ";x", "3");
    EXPECT_EQ(ini::IniFile(ini).readString("jg", "a", "none"), "none");
    EXPECT_EQ(ini::IniFile(ini).readString("jg", "", "none"), "none");
}

TEST(SerialMemory, StoredTextThatIsNotANumberRaisesTheConversionError) {
    TempFolder dir;
    std::string ini = dir.file("dqx.ini");
    ini::IniFile(ini).writeString("jg", "某府", "十二");
    EXPECT_THROW(nextSerial(ini, SerialSection, "某府"), text::ConvertError);
}

TEST(SerialMemory, UnwritableSettingsFileStopsTheOutput) {
    TempFolder dir;
    std::string ini = dir.write("dqx.ini", "");
    ::chmod(ini.c_str(), 0444);
    EXPECT_THROW(RememberSerial(ini, SerialSection, "某府", "1"), ini::Error);
}

TEST(SerialMemory, ASerialTheFileHoldsIsNotWrittenAgain) {
    TempFolder dir;
    std::string ini = dir.file("dqx.ini");
    ini::IniFile settings(ini);
    RememberSerial(settings, SerialSection, "某府", "12");
    struct stat before {};
    ::stat(ini.c_str(), &before);
    ::chmod(ini.c_str(), 0444); // any write would fail now
    EXPECT_NO_THROW(RememberSerial(settings, SerialSection, " 某府 ", "12"));
    EXPECT_NO_THROW(RememberSerial(ini, SerialSection, "某府", "12"));
    struct stat after {};
    ::stat(ini.c_str(), &after);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(nextSerial(ini, SerialSection, "某府"), "13");
}
