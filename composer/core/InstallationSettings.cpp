#include "composer/core/InstallationSettings.h"

#include "composer/core/ProcessPaths.h"
#include "platform/ini/IniFile.h"

namespace composer {

std::string installationSettingsPath() {
    return paths().InstallFolder + "/dqx.ini";
}

AuthorityProfile readInstallationProfile() {
    const ini::IniFile settings(installationSettingsPath());
    AuthorityProfile profile;
    profile.section = MainSection;
    profile.name = settings.readString(MainSection, "name", ProfileDefaults().name);
    profile.wwww = settings.readString(MainSection, "wwww", "");
    return profile;
}

} // namespace composer
