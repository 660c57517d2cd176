#include "platform/registry/Registry.h"

#include "platform/registry/KeyNode.h"
#include "platform/registry/RegFileReader.h"
#include "platform/registry/RegFileWriter.h"
#include "platform/text/TextFile.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

namespace registry {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string homeFolder() {
    std::string home = environment("HOME");
    if (home.empty()) {
        if (const passwd* entry = getpwuid(getuid()))
            home = entry->pw_dir;
    }
    return home;
}

// The store holds a few dozen keys; a file beyond this is not one to read into memory.
constexpr std::size_t MaxStoreBytes = 64u << 20;

std::unique_ptr<Hive> loadHive(const std::string& path) {
    auto hive = std::make_unique<Hive>();
    std::error_code missing;
    if (!std::filesystem::exists(path, missing))
        return hive;
    try {
        readRegFile(text::readBinaryFile(path, MaxStoreBytes), path, *hive);
    } catch (const text::FileError& error) {
        throw Error(ErrorKind::File, error.what());
    }
    return hive;
}

void saveHive(const Hive& hive, const std::string& path) {
    try {
        const std::filesystem::path folder = std::filesystem::path(path).parent_path();
        if (!folder.empty())
            std::filesystem::create_directories(folder);
        text::writeBinaryFileAtomically(path, formatRegFile(hive));
    } catch (const std::filesystem::filesystem_error& error) {
        throw Error(ErrorKind::File, "Cannot create file \"" + path + "\". " + error.code().message());
    } catch (const text::FileError& error) {
        throw Error(ErrorKind::File, error.what());
    }
}

} // namespace

Registry::Registry(std::string path) : m_path(std::move(path)), m_hive(loadHive(m_path)) {}

Registry::~Registry() = default;
Registry::Registry(Registry&&) noexcept = default;
Registry& Registry::operator=(Registry&&) noexcept = default;

std::string Registry::defaultPath() {
    const std::string explicitPath = environment("DQX_REGISTRY");
    if (!explicitPath.empty())
        return explicitPath;
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the base-directory rules say.
    std::string config = environment("XDG_CONFIG_HOME");
    if (config.empty() || config.front() != '/')
        config = homeFolder() + "/.config";
    return config + "/dqx/registry.reg";
}

bool Registry::keyExists(Root root, std::string_view keyPath) const {
    return findKey(root, splitKeyPath(keyPath)) != nullptr;
}

std::optional<Key> Registry::openKey(Root root, std::string_view keyPath) {
    std::vector<std::string> names = splitKeyPath(keyPath);
    if (!findKey(root, names))
        return std::nullopt;
    return Key(*this, root, std::string(keyPath), std::move(names));
}

Key Registry::createKey(Root root, std::string_view keyPath) {
    std::vector<std::string> names = splitKeyPath(keyPath);
    reload();
    if (!findKey(root, names))
        commit([&](Hive& hive) { hive.create(root, names); });
    return Key(*this, root, std::string(keyPath), std::move(names));
}

bool Registry::deleteKeyTree(Root root, std::string_view keyPath) {
    const std::vector<std::string> names = splitKeyPath(keyPath);
    if (names.empty())
        throw Error(ErrorKind::InvalidName, "A root key cannot be deleted");
    reload();
    if (!findKey(root, names))
        return false;
    commit([&](Hive& hive) { hive.removeTree(root, names); });
    return true;
}

void Registry::reload() {
    m_hive = loadHive(m_path);
}

const KeyNode* Registry::findKey(Root root, const std::vector<std::string>& names) const {
    return m_hive->find(root, names);
}

void Registry::commit(const std::function<void(Hive&)>& change) {
    std::unique_ptr<Hive> fresh = loadHive(m_path);
    change(*fresh);
    saveHive(*fresh, m_path);
    m_hive = std::move(fresh);
}

} // namespace registry
