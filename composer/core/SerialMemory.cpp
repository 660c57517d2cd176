#include "composer/core/SerialMemory.h"

#include "platform/ini/IniFile.h"
#include "platform/text/Convert.h"

namespace composer {

void RememberSerial(const std::string& iniPath, const char* section, const std::string& prefix,
                    const std::string& serial) {
    ini::IniFile settings(iniPath);
    RememberSerial(settings, section, prefix, serial);
}

void RememberSerial(ini::IniFile& settings, const char* section, const std::string& prefix,
                    const std::string& serial) {
    const std::string key = ini::IniFile::lookupName(prefix);
    if (key.empty() || !text::parseInteger(serial))
        return;
    try {
        ini::IniFile::checkKeyName(key);
    } catch (const ini::Error&) {
        return;
    }
    settings.writeString(section, key, serial);
}

std::string nextSerial(const std::string& iniPath, const char* section, const std::string& prefix) {
    std::string stored = ini::IniFile(iniPath).readString(section, prefix, "0");
    return std::to_string(text::toInteger(stored) + 1);
}

} // namespace composer
