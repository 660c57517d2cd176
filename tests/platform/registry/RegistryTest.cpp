#include "platform/registry/Registry.h"

#include "platform/text/TextFile.h"
#include "tests/platform/registry/CaughtError.h"
#include "tests/support/TempFolder.h"

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

using namespace registry;
using testsupport::caughtError;
using testsupport::ScopedEnvironment;

namespace {

constexpr std::string_view appPaths = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\wps.exe";

class RegistryTest : public ::testing::Test {
protected:
    testsupport::TempFolder m_folder;
    std::string m_path = m_folder.file("dqx/registry.reg");
};

// Every kind of value, including those the store only carries along, comes back with the same bytes
// from a freshly read file.
TEST_F(RegistryTest, EveryValueTypeSurvivesAWriteAndARead) {
    const std::string longBinary(200, '\x5a');
    const std::vector<std::pair<std::string, Value>> values = {
        {"", Value::text(ValueType::String, "/opt/kingsoft/wps-office/office6/wps")},
        {"quotes", Value::text(ValueType::String, "say \"hi\" to C:\\Program Files\\")},
        {"chinese", Value::text(ValueType::String, "标准公文_小标宋 𠀀")},
        {"lines", Value::text(ValueType::String, "first\r\nsecond")},
        {"expand", Value::text(ValueType::ExpandString, "%ProgramFiles%\\Kingsoft")},
        {"dword", Value::dword(0xDEADBEEF)},
        {"binary", Value::binary(longBinary)},
        {"emptyBinary", Value::binary("")},
        {"multi", Value{ValueType::MultiString, std::string("a\0\0b\0\0\0\0", 8)}},
        {"qword", Value{ValueType::Qword, std::string("\1\2\3\4\5\6\7\x8", 8)}},
        {"none", Value{ValueType::None, "\x01"}},
        {"unknownType", Value{static_cast<ValueType>(0x20000), "xyz"}},
        {"oddString", Value{ValueType::String, std::string("a\0b", 3)}},
        {"unterminated", Value{ValueType::String, std::string("a\0", 2)}},
        {"shortDword", Value{ValueType::Dword, "\1\2\3"}},
        {"@", Value::dword(7)},
    };
    {
        Registry store(m_path);
        Key key = store.createKey(Root::CurrentUser, "Software\\Brevaro");
        for (const auto& [name, value] : values)
            key.writeValue(name, value);
    }
    Registry reread(m_path);
    const auto key = reread.openKey(Root::CurrentUser, "Software\\Brevaro");
    ASSERT_TRUE(key);
    for (const auto& [name, value] : values) {
        SCOPED_TRACE(name);
        EXPECT_EQ(key->value(name), value);
    }
    EXPECT_EQ(key->readString(""), "/opt/kingsoft/wps-office/office6/wps");
    EXPECT_EQ(key->readString("expand"), "%ProgramFiles%\\Kingsoft");
    EXPECT_EQ(key->readString("lines"), "first\r\nsecond");
    EXPECT_EQ(key->readDword("dword"), 0xDEADBEEFu);
    EXPECT_EQ(key->readBinary("binary"), longBinary);
    EXPECT_EQ(key->valueNames().size(), values.size());
}

TEST_F(RegistryTest, ReadsOfTheWrongTypeOrAMissingValueThrow) {
    Registry store(m_path);
    Key key = store.createKey(Root::LocalMachine, appPaths);
    key.writeDword("", 1);
    key.writeString("text", "1");
    const auto wrongText = caughtError([&] { key.readString(""); });
    ASSERT_TRUE(wrongText);
    EXPECT_EQ(wrongText->kind(), ErrorKind::WrongType);
    EXPECT_STREQ(wrongText->what(), "Invalid data type for ''");
    const auto wrongNumber = caughtError([&] { key.readDword("text"); });
    ASSERT_TRUE(wrongNumber);
    EXPECT_EQ(wrongNumber->kind(), ErrorKind::WrongType);
    EXPECT_STREQ(wrongNumber->what(), "Invalid data type for 'text'");
    const auto missing = caughtError([&] { key.readString("missing"); });
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->kind(), ErrorKind::NotFound);
    key.writeBinary("", "\x01");
    EXPECT_THROW(key.readDword(""), Error);
    key.writeExpandString("", "%HOME%/wps");
    EXPECT_EQ(key.readString(""), "%HOME%/wps");
}

TEST_F(RegistryTest, KeyAndValueNamesMatchWithoutRegardToCaseAndKeepTheirCase) {
    Registry store(m_path);
    store.createKey(Root::CurrentUser, "Software\\Brevaro").writeString("FontName", "仿宋");
    store.createKey(Root::CurrentUser, "SOFTWARE\\Other");

    ASSERT_TRUE(store.keyExists(Root::CurrentUser, "software\\BREVARO"));
    EXPECT_FALSE(store.keyExists(Root::LocalMachine, "software\\BREVARO"));
    auto key = store.openKey(Root::CurrentUser, "sOfTwArE\\brevaro");
    ASSERT_TRUE(key);
    EXPECT_EQ(key->readString("fontname"), "仿宋");
    key->writeString("FONTNAME", "黑体");
    EXPECT_EQ(key->valueNames(), std::vector<std::string>{"FontName"});

    Registry reread(m_path);
    const auto software = reread.openKey(Root::CurrentUser, "software");
    ASSERT_TRUE(software);
    EXPECT_EQ(software->subKeyNames(), (std::vector<std::string>{"Brevaro", "Other"}));
    EXPECT_EQ(reread.openKey(Root::CurrentUser, "Software\\Brevaro")->readString("FontName"), "黑体");
    const auto root = reread.openKey(Root::CurrentUser, "");
    ASSERT_TRUE(root);
    EXPECT_EQ(root->subKeyNames(), std::vector<std::string>{"Software"});
}

TEST_F(RegistryTest, DeletingATreeRemovesEverythingBelowIt) {
    Registry store(m_path);
    store.createKey(Root::ClassesRoot, "CLSID\\{97BF2852}\\InprocServer32").writeString("", "/lib/x.so");
    store.createKey(Root::ClassesRoot, "CLSID\\{97BF2852}\\ProgID").writeString("", "MSAddins.Dqxhand");
    store.createKey(Root::ClassesRoot, "CLSID\\{OTHER}");
    auto deep = store.openKey(Root::ClassesRoot, "CLSID\\{97BF2852}\\InprocServer32");
    ASSERT_TRUE(deep);

    EXPECT_TRUE(store.deleteKeyTree(Root::ClassesRoot, "clsid\\{97bf2852}"));
    EXPECT_FALSE(store.deleteKeyTree(Root::ClassesRoot, "CLSID\\{97BF2852}"));
    EXPECT_FALSE(store.keyExists(Root::ClassesRoot, "CLSID\\{97BF2852}\\ProgID"));
    EXPECT_TRUE(store.keyExists(Root::ClassesRoot, "CLSID\\{OTHER}"));
    EXPECT_THROW(deep->readString(""), Error);
    EXPECT_THROW(deep->writeString("", "again"), Error);
    EXPECT_THROW(store.deleteKeyTree(Root::ClassesRoot, ""), Error);

    Registry reread(m_path);
    EXPECT_FALSE(reread.keyExists(Root::ClassesRoot, "CLSID\\{97BF2852}"));
    EXPECT_TRUE(reread.keyExists(Root::ClassesRoot, "CLSID\\{OTHER}"));
}

TEST_F(RegistryTest, DeletingAValue) {
    Registry store(m_path);
    Key key = store.createKey(Root::LocalMachine, appPaths);
    key.writeString("", "/opt/wps");
    key.writeString("Path", "/opt");
    EXPECT_TRUE(key.deleteValue(""));
    EXPECT_FALSE(key.deleteValue(""));
    EXPECT_EQ(Registry(m_path).openKey(Root::LocalMachine, appPaths)->valueNames(),
              std::vector<std::string>{"Path"});
}

TEST_F(RegistryTest, InvalidKeyPathsAreRefused) {
    Registry store(m_path);
    for (std::string_view path : {"\\Software", "Software\\", "a\\\\b", "line\nbreak"}) {
        SCOPED_TRACE(std::string(path));
        const auto error = caughtError([&] { store.createKey(Root::CurrentUser, path); });
        ASSERT_TRUE(error);
        EXPECT_EQ(error->kind(), ErrorKind::InvalidName);
    }
}

// Each write reads the file again, so two writers in turn keep each other's values.
TEST_F(RegistryTest, AWriteKeepsWhatAnotherWriterPutThere) {
    Registry first(m_path);
    Registry second(m_path);
    first.createKey(Root::CurrentUser, "A").writeString("one", "1");
    second.createKey(Root::CurrentUser, "B").writeString("two", "2");
    first.openKey(Root::CurrentUser, "A")->writeString("three", "3");

    Registry reread(m_path);
    EXPECT_EQ(reread.openKey(Root::CurrentUser, "B")->readString("two"), "2");
    EXPECT_EQ(reread.openKey(Root::CurrentUser, "A")->valueNames(),
              (std::vector<std::string>{"one", "three"}));
}

TEST_F(RegistryTest, AMissingFileIsAnEmptyStoreAndIsNotCreatedByReading) {
    Registry store(m_path);
    EXPECT_FALSE(store.keyExists(Root::LocalMachine, appPaths));
    EXPECT_FALSE(store.openKey(Root::LocalMachine, appPaths));
    EXPECT_TRUE(store.keyExists(Root::LocalMachine, ""));
    EXPECT_FALSE(std::filesystem::exists(m_path));
}

// The process may not write past a small size, so the temporary file cannot be completed; this fails
// for every user, the super-user included.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_saved;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int);
};

TEST_F(RegistryTest, AFailedWriteLeavesTheOldFileAndTheStoreAsTheyWere) {
    Registry store(m_path);
    Key key = store.createKey(Root::LocalMachine, appPaths);
    key.writeString("", "/opt/wps/wps");
    const std::string before = text::readBinaryFile(m_path);
    {
        FileSizeLimit limit(before.size() + 16);
        const auto error = caughtError([&] { key.writeBinary("big", std::string(4096, 'x')); });
        ASSERT_TRUE(error);
        EXPECT_EQ(error->kind(), ErrorKind::File);
    }
    EXPECT_EQ(text::readBinaryFile(m_path), before);
    EXPECT_FALSE(key.hasValue("big"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder.path() / "dqx"), {}), 1)
        << "a temporary file was left behind";
}

TEST_F(RegistryTest, AWriteIntoAnUnwritableFolderFailsAndKeepsTheOldFile) {
    if (geteuid() == 0)
        GTEST_SKIP() << "the super-user may write into any folder";
    Registry store(m_path);
    store.createKey(Root::CurrentUser, "A").writeString("one", "1");
    const std::string before = text::readBinaryFile(m_path);
    std::filesystem::permissions(m_folder.path() / "dqx",
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_THROW(store.openKey(Root::CurrentUser, "A")->writeString("two", "2"), Error);
    EXPECT_EQ(text::readBinaryFile(m_path), before);
}

TEST_F(RegistryTest, AStoreWhoseFolderCannotBeMadeReportsAFileError) {
    std::ofstream(m_folder.file("plain")) << "not a folder";
    Registry store(m_folder.file("plain/registry.reg"));
    const auto error = caughtError([&] { store.createKey(Root::CurrentUser, "A"); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind(), ErrorKind::File);
    EXPECT_NE(std::string(error->what()).find("plain/registry.reg"), std::string::npos);
}

TEST(RegistryPath, ComesFromDqxRegistryElseTheConfigFolder) {
    ScopedEnvironment home("HOME", "/home/clerk");
    {
        ScopedEnvironment explicitPath("DQX_REGISTRY", "/tmp/r.reg");
        ScopedEnvironment config("XDG_CONFIG_HOME", "/cfg");
        EXPECT_EQ(Registry::defaultPath(), "/tmp/r.reg");
    }
    ScopedEnvironment explicitPath("DQX_REGISTRY", "");
    {
        ScopedEnvironment config("XDG_CONFIG_HOME", "/cfg");
        EXPECT_EQ(Registry::defaultPath(), "/cfg/dqx/registry.reg");
    }
    {
        ScopedEnvironment config("XDG_CONFIG_HOME", "relative/cfg");
        EXPECT_EQ(Registry::defaultPath(), "/home/clerk/.config/dqx/registry.reg");
    }
    ScopedEnvironment config("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(Registry::defaultPath(), "/home/clerk/.config/dqx/registry.reg");
}

} // namespace
