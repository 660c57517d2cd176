#pragma once
// A shared library loaded into the process, unloaded when the object goes (unless it is kept).

#include <string>

namespace addinhost {

class Library {
public:
    // Loads the library with all its symbols bound at once. Throws Error naming the file and the
    // loader's reason (missing, not a library, a symbol that the process does not offer).
    explicit Library(std::string path);
    ~Library();
    Library(Library&& other) noexcept;
    Library& operator=(Library&& other) noexcept;
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    const std::string& path() const { return m_path; }

    // The exported function of that name. Throws Error when the library has none.
    template <class Function> Function* function(const char* name) const {
        return reinterpret_cast<Function*>(symbol(name));
    }

    // Leaves the library loaded for the rest of the process: code of it may still be in use.
    void keepLoaded() { m_handle = nullptr; }

private:
    void* symbol(const char* name) const;
    void unload() noexcept;

    std::string m_path;
    void* m_handle = nullptr;
};

} // namespace addinhost
