#pragma once
// Where the runtime folder lies: beside the WPS executable that the registry names, and only there.

#include <filesystem>
#include <optional>
#include <string_view>

namespace cleaner {

// The registry key whose default value is the full path of the WPS executable.
constexpr std::string_view wpsAppPathsKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\wps.exe";

// The folder "addins/Microsoft.VC90.CRT" in the folder of the executable that the value names. The value
// may be in double quotes and may use "\" as separator; it must then be an absolute path of this system
// ("/..."). Returns nothing for an empty value; throws Error for any other value, which names no folder
// that could safely be deleted (a relative path, a drive letter, a network path, an unmatched quote).
std::optional<std::filesystem::path> runtimeFolderFor(std::string_view appPath);

// The real path of the runtime folder to delete, or nothing when there is none. Throws Error, deleting
// nothing, when the real path is not a folder "Microsoft.VC90.CRT" directly inside a folder "addins",
// or when the folder itself is a symbolic link (which is not followed).
std::optional<std::filesystem::path> existingRuntimeFolder(const std::filesystem::path& folder);

} // namespace cleaner
