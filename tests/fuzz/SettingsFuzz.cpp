// The settings file on arbitrary bytes: every section and the profile keys read as the forms read
// them, then a value written, a key deleted and a section erased through the file as the settings window
// does, each change read back.
#include "platform/ini/IniDocument.h"
#include "platform/ini/IniFile.h"
#include "platform/text/Encoding.h"
#include "platform/text/Lines.h"
#include "platform/text/TextFile.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The file lives in memory where the system offers a memory file system: every write replaces it.
const std::string& settingsPath() {
    static const std::string path = [] {
        std::string base = std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp";
        std::string folder = base + "/dqx-fuzz-settings-XXXXXX";
        FUZZ_CHECK(::mkdtemp(folder.data()) != nullptr);
        static const std::string remove = folder;
        std::atexit([] { std::filesystem::remove_all(remove); });
        return folder + "/dqx.ini";
    }();
    return path;
}

void checkReads(const ini::IniFile& settings) {
    int sections = 0;
    for (const std::string& section : settings.sectionNames()) {
        FUZZ_CHECK(settings.sectionExists(section));
        if (++sections > 16)
            break;
        for (const char* key : {"fwjg", "name", "fontsize", "xz", "wwww", "top"}) {
            std::string value = settings.readString(section, key, "默认");
            FUZZ_CHECK(text::isValidUtf8(value));
            // At most 2047 bytes of the file are read; a byte that is no character reads as U+FFFD,
            // three bytes of UTF-8.
            FUZZ_CHECK(value.size() <= 3 * 2047);
            settings.readInteger(section, key, 7);
            settings.readBool(section, key, true);
        }
    }
}

// A value the way a user types one: the first line of the input's text, between two characters so that
// it has no blanks or quotes at its ends.
std::string typedValue(std::string_view bytes) {
    std::string text = text::gb18030ToUtf8(bytes.substr(0, 64));
    std::vector<std::string> lines = text::splitLines(text);
    return "值" + (lines.empty() ? std::string() : lines.front()) + "值";
}

void checkWrites(std::string_view bytes) {
    const std::string& path = settingsPath();
    std::string value = typedValue(bytes);
    ini::IniFile settings(path);
    settings.writeString("dqx", "fwjg", value);
    FUZZ_CHECK(ini::IniFile(path).readString("DQX", "FWJG", "") == text::cutToBytes(value, 2047));
    // A section may hold a key twice, as a hand-edited file may; deleting removes the first, which is
    // the one that reads, and erasing the section removes every one.
    settings.deleteKey("dqx", "fwjg");
    settings.eraseSection("dqx");
    FUZZ_CHECK(ini::IniFile(path).readString("dqx", "fwjg", "无") == "无");
    std::vector<std::string> sections = settings.sectionNames();
    if (!sections.empty()) {
        settings.eraseSection(sections.front());
        FUZZ_CHECK(!ini::IniFile(path).sectionExists(sections.front()));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // Lines that no edit touched keep their bytes.
    FUZZ_CHECK(ini::IniDocument(bytes).bytes() == bytes);
    text::writeBinaryFileAtomically(settingsPath(), bytes);
    checkReads(ini::IniFile(settingsPath()));
    checkWrites(bytes);
    return 0;
}
