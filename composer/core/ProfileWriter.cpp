#include "composer/core/ProfileWriter.h"

#include "composer/core/AuthorityProfile.h"
#include "composer/core/ProfileNames.h"
#include "platform/ini/IniFile.h"

namespace composer {

void writeAuthorityProfile(ini::IniFile& settings, const AuthorityProfile& profile) {
    const std::string& section = profile.section;
    ini::IniFile::WriteGroup group(settings);
    settings.writeString(section, "name", profile.name);
    settings.writeString(MainSection, CurrentProfileKey, section);
    settings.writeString(section, "fontsize", profile.fontsize);
    settings.writeString(section, "fontbl", profile.fontbl);
    settings.writeBool(section, "xz", profile.xz);
    settings.writeString(section, "fwzt", profile.fwzt);
    settings.writeBool(section, "fwbold", profile.fwbold);
    settings.writeString(section, "btzt", profile.btzt);
    settings.writeString(section, "btsize", profile.btsize);
    settings.writeString(section, "zwzt", profile.zwzt);
    settings.writeString(section, "zwsize", profile.zwsize);
    settings.writeString(section, "top", profile.top);
    settings.writeString(section, "foot", profile.foot);
    settings.writeString(section, "left", profile.left);
    settings.writeString(section, "right", profile.right);
    settings.writeInteger(section, "xxfx", profile.xxfx);
    settings.writeInteger(section, "sxfx", profile.sxfx);
    settings.writeInteger(section, "jyfx", profile.jyfx);
    settings.writeInteger(section, "jbfx", profile.jbfx);
    settings.writeString(section, "wwww", profile.wwww);
    group.commit();
}

std::vector<std::string> eraseAuthorityProfile(ini::IniFile& settings, const std::string& section) {
    ini::IniFile::WriteGroup group(settings);
    settings.eraseSection(section);
    std::vector<std::string> names = profileNames(settings);
    if (names.empty())
        settings.deleteKey(MainSection, CurrentProfileKey);
    else if (sameSectionName(section, currentProfileName(settings, "")))
        settings.writeString(MainSection, CurrentProfileKey, names.back());
    group.commit();
    return names;
}

} // namespace composer
