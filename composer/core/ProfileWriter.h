#pragma once
// Writing and erasing issuing-authority profiles as the settings window saves and deletes them.

#include <string>
#include <vector>

namespace ini {
class IniFile;
}

namespace composer {

struct AuthorityProfile;

// Writes the profile's nineteen keys into its section and makes it the current profile, in the order
// name, dqx/fwjg, fontsize, fontbl, xz, fwzt, fwbold, btzt, btsize, zwzt, zwsize, top, foot, left,
// right, xxfx, sxfx, jyfx, jbfx, wwww. Texts are written as they stand. The keys go to disk together in one
// rewrite of the file: throws ini::Error when a name cannot be held or the file cannot be written, and
// the file then stays as it was.
void writeAuthorityProfile(ini::IniFile& settings, const AuthorityProfile& profile);

// Erases the profile's section and keeps the current profile's name on a profile: when the erased one
// was current (its name matched as the file matches sections), the last profile that stays becomes
// current; when none stays, dqx/fwjg is removed. One rewrite of the file: throws ini::Error when it
// cannot be written, and the file then stays as it was. Returns the profiles that stay, in file order.
std::vector<std::string> eraseAuthorityProfile(ini::IniFile& settings, const std::string& section);

} // namespace composer
