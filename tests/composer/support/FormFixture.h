#pragma once
// A headless application whose data folder is a fresh temporary folder, with the process paths set as
// the chooser sets them at start-up.

#include "composer/core/ProcessPaths.h"
#include "platform/ini/IniFile.h"
#include "platform/text/Encoding.h"
#include "tests/platform/ui/HeadlessFixture.h"
#include "tests/support/TempFolder.h"

#include <filesystem>
#include <string>

// A document form that opens editors and pickers.
class TDocument : public ui::Form {
public:
    explicit TDocument(ui::Form* owner) : ui::Form("TDocument", owner) {}
};

class FormTest : public HeadlessTest {
protected:
    FormTest() { composer::initialiseProcessPaths(); }

    const std::string& iniPath() const { return composer::paths().IniPath; }
    ini::IniFile settings() const { return ini::IniFile(iniPath()); }
    std::string settingsText() const { return text::gb18030ToUtf8(readBytes(iniPath())); }
    // Replaces the settings file with the text, stored in the code page.
    void writeSettings(const std::string& utf8) const { writeBytes(iniPath(), text::utf8ToGb18030(utf8)); }

    // A list file beside the settings file, given in UTF-8 and stored in the code page.
    void writeList(const std::string& suffix, const std::string& utf8) const {
        writeBytes(iniPath() + suffix, text::utf8ToGb18030(utf8));
    }
    std::string readList(const std::string& suffix) const {
        return text::gb18030ToUtf8(readBytes(iniPath() + suffix));
    }
    bool exists(const std::string& path) const { return std::filesystem::exists(path); }

    // A folder where a file is expected: it cannot be read as a file nor replaced by one.
    void blockWithFolder(const std::string& path) const {
        std::filesystem::create_directories(path + "/blocked");
    }

    testsupport::TempFolder home;
    testsupport::ScopedEnvironment data{"XDG_DATA_HOME", home.path().string()};

private:
    static std::string readBytes(const std::string& path);
    static void writeBytes(const std::string& path, const std::string& bytes);
};
