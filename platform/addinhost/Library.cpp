#include "platform/addinhost/Library.h"

#include "platform/addinhost/Error.h"

#include <dlfcn.h>
#include <utility>

namespace addinhost {

namespace {

std::string loaderReason() {
    const char* reason = dlerror();
    return reason ? reason : "unknown reason";
}

} // namespace

Library::Library(std::string path) : m_path(std::move(path)) {
    // Local binding: two builds of one add-in export the same names and must not see each other's.
    m_handle = dlopen(m_path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!m_handle)
        throw Error("cannot load the library " + m_path + ": " + loaderReason());
}

Library::~Library() {
    unload();
}

Library::Library(Library&& other) noexcept
    : m_path(std::move(other.m_path)), m_handle(std::exchange(other.m_handle, nullptr)) {}

Library& Library::operator=(Library&& other) noexcept {
    if (this != &other) {
        unload();
        m_path = std::move(other.m_path);
        m_handle = std::exchange(other.m_handle, nullptr);
    }
    return *this;
}

void* Library::symbol(const char* name) const {
    if (!m_handle)
        throw Error("the library " + m_path + " is no longer held");
    dlerror();
    void* found = dlsym(m_handle, name);
    if (!found)
        throw Error("the library " + m_path + " does not export " + name);
    return found;
}

void Library::unload() noexcept {
    if (m_handle)
        dlclose(std::exchange(m_handle, nullptr));
}

} // namespace addinhost
