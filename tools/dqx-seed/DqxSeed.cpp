// dqx-seed: fills the user's data folder ($XDG_DATA_HOME/dqx, else ~/.local/share/dqx) with the
// installed template set and pick lists where files are missing; the user's own files stay as they are.
//   dqx-seed [INSTALLED_SET [DATA_FOLDER]]
#include "composer/core/ProcessPaths.h"
#include "tools/dqx-seed/DataFolderSeed.h"

#include <iostream>

int main(int argc, char** argv) {
    std::string installed = argc > 1 ? argv[1] : std::string(DQX_INSTALL_FOLDER) + "/templates";
    std::string dataFolder = argc > 2 ? argv[2] : composer::deriveDataFolder();
    seed::SeedReport report = seed::seedDataFolder(installed, dataFolder);
    for (const std::string& path : report.copied)
        std::cout << "copied: " << path << '\n';
    for (const std::string& problem : report.failed)
        std::cerr << "dqx-seed: " << problem << '\n';
    if (report.copied.empty() && report.kept.empty() && report.failed.empty())
        std::cerr << "dqx-seed: no template set in " << installed << '\n';
    return report.failed.empty() ? 0 : 1;
}
