#include "cleaner/DeleteFolder.h"

#include "cleaner/Error.h"

namespace cleaner {

namespace fs = std::filesystem;

bool DeleteFolder(const fs::path& folder) {
    std::error_code error;
    const fs::file_type type = fs::symlink_status(folder, error).type();
    if (type == fs::file_type::not_found)
        return false;
    if (error)
        throw Error("Cannot delete folder \"" + folder.string() + "\". " + error.message());
    if (type != fs::file_type::directory)
        throw Error("Cannot delete folder \"" + folder.string() + "\". It is not a folder");
    // remove_all removes symbolic links as links and does not descend through them.
    fs::remove_all(folder, error);
    if (error)
        throw Error("Cannot delete folder \"" + folder.string() + "\". " + error.message());
    return true;
}

} // namespace cleaner
