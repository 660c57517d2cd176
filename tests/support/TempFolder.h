#pragma once
// A fresh folder for one test, removed with everything in it when the test ends.

#include <filesystem>
#include <string>
#include <string_view>

namespace testsupport {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::string file(std::string_view name) const { return (m_path / name).string(); }

    // Writes the bytes as given and returns the file's path.
    std::string write(std::string_view name, std::string_view bytes) const;
    std::string read(std::string_view name) const;

private:
    std::filesystem::path m_path;
};

// Sets an environment variable for the lifetime of the object and restores the old value after. A null
// value unsets it.
class ScopedEnvironment {
public:
    ScopedEnvironment(std::string name, const char* value);
    ScopedEnvironment(std::string name, const std::string& value)
        : ScopedEnvironment(std::move(name), value.c_str()) {}
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::string m_name;
    bool m_had;
    std::string m_old;
};

} // namespace testsupport
