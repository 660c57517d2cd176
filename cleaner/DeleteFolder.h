#pragma once
// Permanently deleting a folder with everything in it.

#include <filesystem>

namespace cleaner {

// Deletes the folder and all its contents. A symbolic link inside it is removed itself, never followed,
// so nothing outside the folder is touched. Returns true when the folder was deleted, false when there was
// nothing at the path. Throws Error naming the path and the reason when the path is not a folder (a
// symbolic link to one included) or the folder cannot be deleted completely.
bool DeleteFolder(const std::filesystem::path& folder);

} // namespace cleaner
