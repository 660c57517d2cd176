#include "composer/core/ProcessPaths.h"

#include "composer/core/AuthorityProfile.h"
#include "platform/ini/IniFile.h"
#include "platform/shell/Shell.h"

namespace composer {

ProcessPaths& paths() {
    static ProcessPaths instance = [] {
        ProcessPaths initial;
        initial.InstallFolder = DQX_INSTALL_FOLDER;
        return initial;
    }();
    return instance;
}

std::string deriveDataFolder() {
    // Without an application-data folder the path falls back to "/dqx", as the desktop's root.
    std::string folder = shell::GetSpecialFolderPath(shell::ApplicationDataFolder) + "/dqx";
    shell::createFolderWithParents(folder);
    return folder;
}

std::string templateFolderFor(const std::string& dataFolder, bool administrativeStyle) {
    return administrativeStyle ? dataFolder : dataFolder + "/dang";
}

void initialiseProcessPaths() {
    ProcessPaths& p = paths();
    p.DataFolder = deriveDataFolder();
    p.IniPath = p.DataFolder + "/dqx.ini";
    ini::IniFile settings(p.IniPath);
    std::string profile = currentProfileName(settings, "");
    p.TemplateFolder = templateFolderFor(p.DataFolder, settings.readBool(profile, "xz", true));
}

std::string templatePath(const std::string& fileName) {
    return paths().TemplateFolder + "/" + fileName;
}

} // namespace composer
