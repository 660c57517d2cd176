#pragma once
// The process-wide paths that every form reads, and their derivation at start-up.

#include <string>

namespace composer {

struct ProcessPaths {
    // The folder "dqx" in the user's application-data folder: settings, pick lists, administrative templates.
    std::string DataFolder;
    // DataFolder + "/dqx.ini"; the pick-list files are this path plus a suffix.
    std::string IniPath;
    // DataFolder, or DataFolder + "/dang" for a party-committee profile; no trailing separator.
    std::string TemplateFolder;
    // 0, or 1, 2, 3 for the branch, party-committee and union variants of the older up-going form.
    int TemplateVariant = 0;
    // The fixed installation folder: help pages, the older form's settings file and templates.
    std::string InstallFolder;
};

// The one instance of the process.
ProcessPaths& paths();

// GetSpecialFolderPath(26) + "/dqx", created with its missing parents (the outcome is not checked).
std::string deriveDataFolder();

// TemplateFolder for a data folder and the profile's style (xz true: administrative).
std::string templateFolderFor(const std::string& dataFolder, bool administrativeStyle);

// The chooser's creation step: DataFolder, IniPath and TemplateFolder from the settings file.
void initialiseProcessPaths();

// The path of a template file in TemplateFolder.
std::string templatePath(const std::string& fileName);

} // namespace composer
