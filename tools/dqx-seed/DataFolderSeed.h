#pragma once
// Seeding a user's data folder from the installed template set: every file of the set that the folder
// lacks is copied in; nothing that is there is ever replaced.

#include <string>
#include <vector>

namespace seed {

struct SeedReport {
    std::vector<std::string> copied; // paths of the files made
    std::vector<std::string> kept;   // paths that were there already
    std::vector<std::string> failed; // "path: reason" for files that could not be made
};

// Copies the files of `installed` into `dataFolder`, and those of `installed`/dang into
// `dataFolder`/dang, where missing. A file appears whole or not at all.
SeedReport seedDataFolder(const std::string& installed, const std::string& dataFolder);

} // namespace seed
