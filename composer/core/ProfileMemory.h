#pragma once
// Values that a document form remembers in the current issuing-authority profile (the approval slip's
// drafting unit, key "ygdw").

#include <string>

namespace composer {

// Writes the value under the key of the current profile's section. Nothing is written when no current
// profile is set or its section does not exist (a write would create a section that the settings window
// then lists as a profile); the result says whether the value was written. Throws ini::Error when the
// settings file cannot be written.
bool rememberInCurrentProfile(const std::string& iniPath, const char* key, const std::string& value);

} // namespace composer
