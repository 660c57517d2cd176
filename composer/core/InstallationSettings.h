#pragma once
// The installation's own settings file, InstallFolder + "/dqx.ini", which only the older up-going form
// reads and nothing writes: its section "dqx" chooses the word processor (key `wwww`) and names the
// printing office of the issue line (key `name`).

#include "composer/core/AuthorityProfile.h"

#include <string>

namespace composer {

// InstallFolder + "/dqx.ini".
std::string installationSettingsPath();

// The installation's settings as a profile: `name` (default "印发机关") and `wwww` (default empty, which
// is Word) from the file, every other key at its default. A missing file gives the defaults.
AuthorityProfile readInstallationProfile();

} // namespace composer
