#include "tools/dqx-seed/DataFolderSeed.h"

#include "platform/text/TextFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace seed {

namespace {

namespace fs = std::filesystem;

// Places the bytes under the name unless a file of that name exists: written to a temporary file first,
// then linked into place, which fails rather than replaces.
bool createWhole(const fs::path& target, const std::string& bytes) {
    fs::path temporary = target;
    temporary += ".seed-" + std::to_string(::getpid());
    text::writeBinaryFileAtomically(temporary.string(), bytes);
    int linked = ::link(temporary.c_str(), target.c_str());
    int error = errno;
    fs::remove(temporary);
    if (linked == 0)
        return true;
    if (error == EEXIST)
        return false;
    throw text::FileError(std::strerror(error));
}

void seedFolder(const fs::path& from, const fs::path& to, SeedReport& report) {
    std::error_code error;
    if (!fs::is_directory(from, error))
        return;
    fs::create_directories(to, error);
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(from, error)) {
        if (entry.is_regular_file())
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        fs::path target = to / file.filename();
        try {
            if (fs::exists(target) || !createWhole(target, text::readBinaryFile(file.string())))
                report.kept.push_back(target.string());
            else
                report.copied.push_back(target.string());
        } catch (const std::exception& failure) {
            report.failed.push_back(target.string() + ": " + failure.what());
        }
    }
}

} // namespace

SeedReport seedDataFolder(const std::string& installed, const std::string& dataFolder) {
    SeedReport report;
    seedFolder(installed, dataFolder, report);
    seedFolder(fs::path(installed) / "dang", fs::path(dataFolder) / "dang", report);
    return report;
}

} // namespace seed
