#pragma once
// Writing an issuing-authority profile as the settings window saves it.

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

} // namespace composer
