#include "platform/registry/RegFileReader.h"
#include "platform/registry/RegFileWriter.h"
#include "platform/registry/Registry.h"
#include "platform/registry/Utf16.h"

#include "platform/text/TextFile.h"
#include "tests/platform/registry/CaughtError.h"
#include "tests/support/TempFolder.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

using namespace registry;
using testsupport::caughtError;

namespace {

constexpr std::string_view appPaths = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\wps.exe";
const std::string handwritten = std::string(DQX_TEST_DATA) + "/registry/handwritten.reg";

Hive parse(std::string_view bytes) {
    Hive hive;
    readRegFile(bytes, "test.reg", hive);
    return hive;
}

const Value* valueAt(const Hive& hive, Root root, std::string_view path, std::string_view name) {
    const KeyNode* key = hive.find(root, splitKeyPath(path));
    return key ? key->value(name) : nullptr;
}

std::string repeated(std::string_view piece, std::size_t times) {
    std::string out;
    for (std::size_t i = 0; i < times; ++i)
        out += piece;
    return out;
}

std::string utf16(std::string_view utf8) {
    return utf8ToUtf16le(utf8) + std::string(2, '\0');
}

TEST(RegFile, AHandWrittenFileReadsWithItsCommentsEscapesContinuationsAndDeletions) {
    Registry store(handwritten);
    const auto wps = store.openKey(Root::LocalMachine, appPaths);
    ASSERT_TRUE(wps);
    EXPECT_EQ(wps->readString(""), "\"/opt/kingsoft/wps-office/office6/wps\"");
    EXPECT_EQ(wps->readString("Path"), "C:\\Program Files\\Kingsoft\\");
    EXPECT_EQ(wps->readDword("spaced"), 0x1Fu);

    const auto brevaro = store.openKey(Root::CurrentUser, "Software\\Brevaro");
    ASSERT_TRUE(brevaro);
    EXPECT_EQ(brevaro->value("Expand"), Value::text(ValueType::ExpandString, "%USERPROFILE%\\dqx"));
    EXPECT_EQ(brevaro->value("Multi"), (Value{ValueType::MultiString, utf16("a") + utf16("b") + utf16("")}));
    EXPECT_EQ(brevaro->readBinary("Blob"), "\xde\xad\xbe\xef");
    EXPECT_EQ(brevaro->readString("名称"), "公文");
    EXPECT_FALSE(brevaro->hasValue("Gone"));
    EXPECT_EQ(brevaro->subKeyNames(), std::vector<std::string>{"Profiles"});
    EXPECT_EQ(store.openKey(Root::CurrentUser, "Software\\Brevaro\\Profiles")->readDword("Count"), 2u);
    EXPECT_FALSE(store.keyExists(Root::CurrentUser, "Software\\Obsolete"));
    EXPECT_EQ(store.openKey(Root::CurrentUser, "Software")->subKeyNames(),
              std::vector<std::string>{"Brevaro"});
}

// Rewriting a file that another program wrote keeps every value that was read from it.
TEST(RegFile, ARewrittenHandWrittenFileKeepsEveryValue) {
    testsupport::TempFolder folder;
    const std::string copy = folder.file("registry.reg");
    std::filesystem::copy_file(handwritten, copy);
    const Hive original = parse(text::readBinaryFile(copy));

    Registry(copy).createKey(Root::LocalMachine, "SOFTWARE\\New").writeString("", "added");

    const Hive rewritten = parse(text::readBinaryFile(copy));
    EXPECT_EQ(formatRegFile(rewritten), formatRegFile(original) + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\New]\r\n"
                                                                  "@=\"added\"\r\n\r\n");
}

TEST(RegFile, WritesTheExportFormat) {
    Hive hive;
    KeyNode& wps = hive.create(Root::LocalMachine, splitKeyPath(appPaths));
    wps.setValue("", Value::text(ValueType::String, "C:\\WPS\\\"wps\".exe"));
    wps.setValue("Count", Value::dword(42));
    wps.setValue("Path", Value::text(ValueType::ExpandString, "%A%"));
    wps.setValue("Bytes", Value::binary(std::string(30, '\x01')));
    wps.setValue("Multi", Value{ValueType::MultiString, std::string("x\0\0\0\0", 5)});
    hive.create(Root::ClassesRoot, {"KSAddins.Dqxhand"});

    EXPECT_EQ(formatRegFile(hive),
              "Windows Registry Editor Version 5.00\r\n"
              "\r\n"
              "[HKEY_CLASSES_ROOT\\KSAddins.Dqxhand]\r\n"
              "\r\n"
              "[HKEY_LOCAL_MACHINE\\SOFTWARE]\r\n\r\n"
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft]\r\n\r\n"
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows]\r\n\r\n"
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion]\r\n\r\n"
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths]\r\n\r\n"
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\wps.exe]\r\n"
              "@=\"C:\\\\WPS\\\\\\\"wps\\\".exe\"\r\n"
              "\"Count\"=dword:0000002a\r\n"
              "\"Path\"=hex(2):25,00,41,00,25,00,00,00\r\n"
              "\"Bytes\"=hex:01,01,01,01,01,01,01,01,01,01,01,01,01,01,01,01,01,01,01,01,01,01,\\\r\n"
              "  01,01,01,01,01,01,01,01\r\n"
              "\"Multi\"=hex(7):78,00,00,00,00\r\n"
              "\r\n");
}

TEST(RegFile, NoWrittenLineIsLongerThanEightyCharacters) {
    Hive hive;
    hive.create(Root::CurrentUser, {"K"})
        .setValue("a rather long value name", Value::binary(std::string(500, 'z')));
    const std::string file = formatRegFile(hive);
    std::size_t start = 0;
    for (std::size_t end; (end = file.find("\r\n", start)) != std::string::npos; start = end + 2)
        EXPECT_LE(end - start, 80u) << file.substr(start, end - start);
    EXPECT_EQ(*valueAt(parse(file), Root::CurrentUser, "K", "a rather long value name"),
              Value::binary(std::string(500, 'z')));
}

// The registry editor exports UTF-16LE with a byte-order mark and CR LF.
TEST(RegFile, ReadsAUtf16ExportWithCrLf) {
    const std::string text = "Windows Registry Editor Version 5.00\r\n\r\n"
                             "[HKEY_LOCAL_MACHINE\\Software\\Kingsoft]\r\n"
                             "@=\"/opt/金山/wps\"\r\n"
                             "\"Ver\"=dword:00000001\r\n";
    const Hive hive = parse("\xFF\xFE" + utf8ToUtf16le(text));
    EXPECT_EQ(valueAt(hive, Root::LocalMachine, "software\\kingsoft", "")->toText(), "/opt/金山/wps");
    EXPECT_TRUE(valueAt(hive, Root::LocalMachine, "Software\\Kingsoft", "Ver")->isDword());
}

TEST(RegFile, ReadsUtf8WithAByteOrderMarkAndBareCarriageReturns) {
    const Hive hive =
        parse("\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\r[HKCU\\A]\r\"v\"=\"公文\"\r");
    EXPECT_EQ(valueAt(hive, Root::CurrentUser, "A", "v")->toText(), "公文");
}

// REGEDIT4 files are in the 8-bit code page, their string types' hex bytes too.
TEST(RegFile, ReadsARegedit4FileInTheCodePage) {
    const Hive hive = parse("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\A]\r\n"
                            "\"quoted\"=\"\xB9\xAB\xCE\xC4\"\r\n"
                            "\"expand\"=hex(2):25,41,25,00\r\n"
                            "\"multi\"=hex(7):b9,ab,00,61,00,00\r\n");
    EXPECT_EQ(valueAt(hive, Root::CurrentUser, "A", "quoted")->toText(), "公文");
    EXPECT_EQ(*valueAt(hive, Root::CurrentUser, "A", "expand"), Value::text(ValueType::ExpandString, "%A%"));
    EXPECT_EQ(valueAt(hive, Root::CurrentUser, "A", "multi")->data, utf16("公") + utf16("a") + utf16(""));
}

TEST(RegFile, AnEmptyFileIsAnEmptyStore) {
    const Hive hive = parse("");
    EXPECT_TRUE(hive.root(Root::LocalMachine).children().empty());
}

struct BrokenFile {
    const char* what;
    std::string text;
    int line;
};

void PrintTo(const BrokenFile& broken, std::ostream* out) {
    *out << broken.what;
}

class RegFileError : public ::testing::TestWithParam<BrokenFile> {};

// Nothing that cannot be read is passed over: each case names its line.
TEST_P(RegFileError, IsReportedWithItsLineNumber) {
    const BrokenFile& broken = GetParam();
    const auto error = caughtError([&] { parse(broken.text); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind(), ErrorKind::Syntax);
    EXPECT_EQ(error->line(), broken.line) << error->what();
    EXPECT_NE(std::string(error->what()).find("test.reg, line " + std::to_string(broken.line) + ": "),
              std::string::npos)
        << error->what();
}

const std::string header = "Windows Registry Editor Version 5.00\n\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, RegFileError,
    ::testing::Values(BrokenFile{"no header", "[HKEY_CURRENT_USER\\A]\n", 1},
                      BrokenFile{"other header", "; c\nWindows Registry Editor Version 6.00\n", 2},
                      BrokenFile{"unknown escape", header + "[HKCU\\A]\n\"v\"=\"C:\\Program\"\n", 4},
                      BrokenFile{"open quote", header + "[HKCU\\A]\n\"v\"=\"abc\n", 4},
                      BrokenFile{"open name", header + "[HKCU\\A]\n\"v=\"abc\"\n", 4},
                      BrokenFile{"unknown root", header + "[HKEY_USERS\\A]\n", 3},
                      BrokenFile{"no closing bracket", header + "[HKCU\\A\n", 3},
                      BrokenFile{"empty key name", header + "[HKCU\\A\\\\B]\n", 3},
                      BrokenFile{"trailing backslash", header + "[HKCU\\A\\]\n", 3},
                      BrokenFile{"root deletion", header + "[-HKCU]\n", 3},
                      BrokenFile{"value before a key", header + "@=\"x\"\n", 3},
                      BrokenFile{"value in a deleted key", header + "[-HKCU\\A]\n\"v\"=\"x\"\n", 4},
                      BrokenFile{"no equals sign", header + "[HKCU\\A]\n\"v\" \"x\"\n", 4},
                      BrokenFile{"text after a string", header + "[HKCU\\A]\n\"v\"=\"x\" y\n", 4},
                      BrokenFile{"dword without digits", header + "[HKCU\\A]\n\"v\"=dword:\n", 4},
                      BrokenFile{"dword too long", header + "[HKCU\\A]\n\"v\"=dword:123456789\n", 4},
                      BrokenFile{"bad hex byte", header + "[HKCU\\A]\n\"v\"=hex:00,\\\n  0g\n", 5},
                      BrokenFile{"bytes without comma", header + "[HKCU\\A]\n\"v\"=hex:00 01\n", 4},
                      BrokenFile{"bad hex type", header + "[HKCU\\A]\n\"v\"=hex(z):00\n", 4},
                      BrokenFile{"continued past the end", header + "[HKCU\\A]\n\"v\"=hex:00,\\\n", 4},
                      BrokenFile{"unknown kind", header + "[HKCU\\A]\n\"v\"=str(2):\"x\"\n", 4},
                      BrokenFile{"stray line", header + "[HKCU\\A]\nv=1\n", 4},
                      BrokenFile{"lost continuation", header + "[HKCU\\A]\n\"v\"=hex:00,01\n  02,03\n", 5},
                      BrokenFile{"key path too deep",
                                 header + "[HKCU" + repeated("\\k", MaxKeyDepth + 1) + "]\n", 3},
                      BrokenFile{"key name too long",
                                 header + "[HKCU\\" + std::string(MaxKeyNameLength + 1, 'k') + "]\n", 3}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& c : name)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST(RegFile, AnInvalidUtf16FileNamesTheLineOfTheBrokenUnit) {
    const std::string text = utf8ToUtf16le("Windows Registry Editor Version 5.00\r\n\r\n[HKCU\\A]\r\n@=\"") +
                             std::string("\x00\xD8", 2) + utf8ToUtf16le("\"\r\n");
    const auto error = caughtError([&] { parse("\xFF\xFE" + text); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line(), 4);
}

TEST(RegFile, AStoreOnABrokenFileCannotBeOpenedAndTheFileIsLeftAlone) {
    testsupport::TempFolder folder;
    const std::string path = folder.file("registry.reg");
    const std::string broken = header + "[HKCU\\A]\n\"v\"=\"C:\\x\"\n";
    text::writeBinaryFileAtomically(path, broken);
    EXPECT_THROW(Registry{path}, Error);
    EXPECT_EQ(text::readBinaryFile(path), broken);
}

} // namespace

namespace {

// The registry's own limits: a path of 512 names of 255 characters is a key like any other.
TEST(RegFile, KeysAtTheLimitsAreReadAndWrittenBack) {
    const std::string longName(MaxKeyNameLength, 'n');
    const std::string deep =
        "HKEY_CURRENT_USER" + repeated("\\" + longName.substr(0, 3), MaxKeyDepth - 1) + "\\" + longName;
    const std::string file = header + "[" + deep + "]\r\n@=\"deep\"\r\n\r\n";
    const Hive hive = parse(file);
    const std::string written = formatRegFile(hive);
    EXPECT_NE(written.find("[" + deep + "]\r\n@=\"deep\"\r\n"), std::string::npos);
    EXPECT_EQ(formatRegFile(parse(written)), written);
}

// The message quotes a few dozen characters of a hostile path, not megabytes of it.
TEST(RegFile, AnAbsurdKeyPathIsReportedBriefly) {
    const auto error = caughtError([&] { parse(header + "[HKCU" + repeated("\\k", 1000000) + "]\n"); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->line(), 3);
    EXPECT_NE(std::string(error->what()).find("test.reg, line 3: Key path deeper than 512 levels"),
              std::string::npos);
    EXPECT_LT(std::string(error->what()).size(), 200u);
}

// A tree far deeper than the files allow (made through the hive directly) is written and freed without
// recursion: a recursive walk would overflow the stack long before 200,000 levels.
TEST(RegFile, ADeepTreeIsWrittenAndFreedWithoutRecursion) {
    {
        auto hive = std::make_unique<Hive>();
        hive->create(Root::CurrentUser, std::vector<std::string>(200000, "k"));
        hive.reset();
    }
    Hive hive;
    hive.create(Root::CurrentUser, std::vector<std::string>(3000, "k"));
    const std::string written = formatRegFile(hive);
    EXPECT_NE(written.find("[HKEY_CURRENT_USER" + repeated("\\k", 3000) + "]\r\n"), std::string::npos);
    EXPECT_EQ(std::count(written.begin(), written.end(), '['), 3000);
}

} // namespace
