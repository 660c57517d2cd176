#include "composer/core/ProfileNames.h"

#include "composer/core/AuthorityProfile.h"
#include "platform/ini/IniFile.h"
#include "platform/text/Encoding.h"

#include <algorithm>
#include <array>

namespace composer {

namespace {

// The current profile's name is stored as a value, and values lose one pair of enclosing quotes when
// they are read.
bool hasEnclosingQuotes(std::string_view name) {
    return name.size() >= 2 && (name.front() == '"' || name.front() == '\'') && name.back() == name.front();
}

bool holdsAsSection(std::string_view name) {
    try {
        ini::IniFile::checkSectionName(name);
        return true;
    } catch (const ini::Error&) {
        return false;
    }
}

} // namespace

bool sameSectionName(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

bool isReservedSection(std::string_view section) {
    static constexpr std::array reserved = {MainSection, SerialSection, LeftSerialSection};
    return std::ranges::any_of(reserved, [&](const char* name) { return sameSectionName(section, name); });
}

std::vector<std::string> profileNames(const ini::IniFile& settings) {
    std::vector<std::string> names = settings.sectionNames();
    std::erase_if(names, [](const std::string& name) { return isReservedSection(name); });
    return names;
}

NameVerdict judgeNewProfileName(const std::string& name) {
    if (text::gbkLength(name) > MaxProfileNameBytes)
        return NameVerdict::TooLong;
    if (name.empty())
        return NameVerdict::Empty;
    if (isReservedSection(name) || hasEnclosingQuotes(name) || !holdsAsSection(name))
        return NameVerdict::Unusable;
    return NameVerdict::Accepted;
}

} // namespace composer
