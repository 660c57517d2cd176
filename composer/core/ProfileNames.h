#pragma once
// Names of issuing-authority profiles: which sections of the settings file are profiles, and whether a
// name that the user proposes can become one.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ini {
class IniFile;
}

namespace composer {

// The longest profile name, in code-page bytes: the masthead holds twenty Chinese characters.
inline constexpr std::size_t MaxProfileNameBytes = 40;

// Section names match without regard to ASCII case, as the settings file matches them.
bool sameSectionName(std::string_view a, std::string_view b);

// True for the sections that are not profiles ("dqx", "jg", "left"), matched without regard to case as
// the settings file matches section names.
bool isReservedSection(std::string_view section);

// Every section of the file but the reserved ones, in file order.
std::vector<std::string> profileNames(const ini::IniFile& settings);

enum class NameVerdict {
    Accepted,
    Empty,
    TooLong,
    // The settings file cannot keep it apart: a reserved section, a name that it cannot hold as a section
    // name, or one that it would read back differently as the current profile's value (enclosing quotes).
    Unusable,
};

NameVerdict judgeNewProfileName(const std::string& name);

} // namespace composer
