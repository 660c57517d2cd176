#include "composer/core/ProfileMemory.h"

#include "composer/core/AuthorityProfile.h"
#include "composer/core/ProfileNames.h"
#include "platform/ini/IniFile.h"

namespace composer {

std::optional<std::string> rememberingProfile(const ini::IniFile& settings) {
    std::string profile = currentProfileName(settings, "");
    if (profile.empty() || isReservedSection(profile) || !settings.sectionExists(profile))
        return std::nullopt;
    return profile;
}

bool rememberInCurrentProfile(const std::string& iniPath, const char* key, const std::string& value) {
    ini::IniFile settings(iniPath);
    return rememberInCurrentProfile(settings, key, value);
}

bool rememberInCurrentProfile(ini::IniFile& settings, const char* key, const std::string& value) {
    std::optional<std::string> profile = rememberingProfile(settings);
    if (!profile)
        return false;
    settings.writeString(*profile, key, value);
    return true;
}

} // namespace composer
