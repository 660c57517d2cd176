#include "composer/core/FileSize.h"

#include <filesystem>
#include <glob.h>

namespace composer {

namespace {

// Closes the glob result when it goes out of scope.
class GlobResult {
public:
    explicit GlobResult(const std::string& pattern)
        : m_ok(::glob(pattern.c_str(), 0, nullptr, &m_glob) == 0) {}
    ~GlobResult() { ::globfree(&m_glob); }
    GlobResult(const GlobResult&) = delete;
    GlobResult& operator=(const GlobResult&) = delete;
    std::string first() const { return m_ok && m_glob.gl_pathc > 0 ? m_glob.gl_pathv[0] : std::string(); }

private:
    glob_t m_glob{};
    bool m_ok;
};

} // namespace

std::int32_t FileSizeByName(const std::string& fileName) {
    if (fileName.empty())
        return -1;
    std::error_code error;
    std::filesystem::path path = std::filesystem::absolute(fileName, error);
    if (error)
        return -1;
    std::string found = path.string();
    if (found.find_first_of("*?") != std::string::npos)
        found = GlobResult(found).first();
    auto status = std::filesystem::status(found, error);
    if (error || !std::filesystem::exists(status))
        return -1;
    if (std::filesystem::is_directory(status))
        return 0;
    auto size = std::filesystem::file_size(found, error);
    if (error)
        return 0;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(size));
}

} // namespace composer
