#include "cleaner/RuntimeFolder.h"

#include "cleaner/Error.h"

#include <algorithm>
#include <string>

namespace cleaner {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view addinsName = "addins";
constexpr std::string_view runtimeName = "Microsoft.VC90.CRT";

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// App Paths values are often quoted because of the blanks in program folder names.
std::string unquoted(std::string_view value) {
    value = trimBlanks(value);
    if (!value.starts_with('"'))
        return std::string(value);
    const auto closing = value.find('"', 1);
    if (closing == std::string_view::npos)
        throw Error("The WPS path \"" + std::string(value) + "\" in the registry has an unmatched quote");
    return std::string(value.substr(1, closing - 1));
}

std::string quotedPath(const fs::path& path) {
    return "\"" + path.string() + "\"";
}

} // namespace

std::optional<fs::path> runtimeFolderFor(std::string_view appPath) {
    std::string path = unquoted(appPath);
    if (path.empty())
        return std::nullopt;
    std::replace(path.begin(), path.end(), '\\', '/');
    // "//server/share" is a network path there, which would mean a local folder here.
    if (!path.starts_with('/') || path.starts_with("//"))
        throw Error("The WPS path \"" + std::string(appPath) +
                    "\" in the registry is not an absolute path; nothing is deleted");
    return fs::path(path.substr(0, path.rfind('/') + 1)) / addinsName / runtimeName;
}

std::optional<fs::path> existingRuntimeFolder(const fs::path& folder) {
    std::error_code error;
    const fs::path addins = fs::canonical(folder.parent_path(), error);
    if (error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory)
        return std::nullopt;
    if (error)
        throw Error("Cannot inspect " + quotedPath(folder.parent_path()) + ". " + error.message());
    if (addins.filename() != addinsName)
        throw Error(quotedPath(folder) + " is really in " + quotedPath(addins) +
                    ", not in a folder named \"addins\"; nothing is deleted");
    const fs::path real = addins / runtimeName;
    const fs::file_type type = fs::symlink_status(real, error).type();
    if (type == fs::file_type::not_found)
        return std::nullopt;
    if (error)
        throw Error("Cannot inspect " + quotedPath(real) + ". " + error.message());
    if (type == fs::file_type::symlink)
        throw Error(quotedPath(real) + " is a symbolic link; it is not followed and nothing is deleted");
    if (type != fs::file_type::directory)
        throw Error(quotedPath(real) + " is not a folder; nothing is deleted");
    return real;
}

} // namespace cleaner
