#pragma once
// The last serial number used with each number prefix: section "jg" keyed by the authority abbreviation,
// section "left" keyed by the left number part.

#include <string>

namespace ini {
class IniFile;
}

namespace composer {

// RememberSerial: stores the serial under the prefix, as the key that nextSerial looks up: the settings
// file finds keys without their surrounding blanks, so they are stored without them. Nothing is stored
// for a prefix that is empty (or only blanks), for a serial that is not a whole number (it would break
// every later suggestion), or for a prefix that the settings file cannot hold as a key. Throws
// ini::Error when the settings file cannot be written.
void RememberSerial(const std::string& iniPath, const char* section, const std::string& prefix,
                    const std::string& serial);
// The same through a settings file object that the caller has open already. A serial that the file
// holds already is not written again.
void RememberSerial(ini::IniFile& settings, const char* section, const std::string& prefix,
                    const std::string& serial);

// ShowNextSerial: the stored serial plus one, in decimal ("1" when nothing is stored). Throws
// text::ConvertError when the stored value is not a whole number.
std::string nextSerial(const std::string& iniPath, const char* section, const std::string& prefix);

} // namespace composer
