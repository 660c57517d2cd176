#pragma once
// Values that a document form remembers in the current issuing-authority profile (the approval slip's
// drafting unit "ygdw", the telegram's sending department "jybm" and its check box "ycqt"). They are
// written and read back under one rule, so that what a form writes is what it finds again.

#include <optional>
#include <string>

namespace ini {
class IniFile;
}

namespace composer {

// The section that remembered values belong to: the current profile's, when one is set and its section
// exists; nothing otherwise (a write would create a section that the settings window then lists as a
// profile, and a read would find what no form wrote).
std::optional<std::string> rememberingProfile(const ini::IniFile& settings);

// Writes the value under the key of rememberingProfile; the result says whether it was written. Throws
// ini::Error when the settings file cannot be written.
bool rememberInCurrentProfile(const std::string& iniPath, const char* key, const std::string& value);
// The same through a settings file object that the caller has open already.
bool rememberInCurrentProfile(ini::IniFile& settings, const char* key, const std::string& value);

} // namespace composer
