#include "composer/core/AuthorityProfile.h"

#include "platform/ini/IniFile.h"

namespace composer {

ProfileDefaults ProfileDefaults::outputProcedure() {
    return {};
}

ProfileDefaults ProfileDefaults::settingsWindow() {
    ProfileDefaults defaults;
    defaults.name.clear();
    return defaults;
}

ProfileDefaults ProfileDefaults::settingsWindowPicked() {
    ProfileDefaults defaults = settingsWindow();
    defaults.fontbl = "0";
    return defaults;
}

ProfileDefaults ProfileDefaults::smallMasthead() {
    ProfileDefaults defaults;
    defaults.fontsize = "44";
    return defaults;
}

ProfileDefaults ProfileDefaults::telegram() {
    ProfileDefaults defaults;
    defaults.fwzt.clear();
    return defaults;
}

std::string currentProfileName(const ini::IniFile& settings, const std::string& fallback) {
    return settings.readString(MainSection, CurrentProfileKey, fallback);
}

AuthorityProfile readAuthorityProfile(const ini::IniFile& settings, const std::string& section,
                                      const ProfileDefaults& defaults) {
    const AuthorityProfile standard;
    auto text = [&](const char* key, const std::string& fallback) {
        return settings.readString(section, key, fallback);
    };
    auto number = [&](const char* key, int fallback) { return settings.readInteger(section, key, fallback); };
    auto flag = [&](const char* key, bool fallback) { return settings.readBool(section, key, fallback); };

    AuthorityProfile p;
    p.section = section;
    p.name = text("name", defaults.name);
    p.fontsize = text("fontsize", defaults.fontsize);
    p.fontbl = text("fontbl", defaults.fontbl);
    p.xz = flag("xz", standard.xz);
    p.fwzt = text("fwzt", defaults.fwzt);
    p.fwbold = flag("fwbold", standard.fwbold);
    p.btzt = text("btzt", standard.btzt);
    p.btsize = text("btsize", standard.btsize);
    p.zwzt = text("zwzt", standard.zwzt);
    p.zwsize = text("zwsize", standard.zwsize);
    p.top = text("top", standard.top);
    p.foot = text("foot", standard.foot);
    p.left = text("left", standard.left);
    p.right = text("right", standard.right);
    p.xxfx = number("xxfx", standard.xxfx);
    p.sxfx = number("sxfx", standard.sxfx);
    p.jyfx = number("jyfx", standard.jyfx);
    p.jbfx = number("jbfx", standard.jbfx);
    p.wwww = text("wwww", defaults.wwww);
    p.ygdw = text("ygdw", standard.ygdw);
    p.jybm = text("jybm", standard.jybm);
    p.ycqt = flag("ycqt", standard.ycqt);
    return p;
}

HostKind hostKindOf(const std::string& wwww) {
    return wwww == "wps" ? HostKind::Wps : HostKind::Word;
}

} // namespace composer
