#pragma once
// The registry: keys under HKEY_CLASSES_ROOT, HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE with typed values,
// kept in one text file in the registry editor's export format. Key and value names match without regard
// to (ASCII) case and keep the case they were first written in.

#include "platform/registry/Error.h"
#include "platform/registry/Key.h"
#include "platform/registry/Root.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace registry {

class Hive;
class KeyNode;

// One store file. It is read when the object is made; every write reads it again, applies the change
// and replaces the file atomically (temporary file, then rename), so a write never loses what another
// writer put there and a failed write leaves the old file as it was.
class Registry {
public:
    // Reads the store at path; a missing file is an empty store. Throws Error (Syntax or File).
    explicit Registry(std::string path = defaultPath());
    ~Registry();
    Registry(Registry&&) noexcept;
    Registry& operator=(Registry&&) noexcept;

    // $DQX_REGISTRY, else $XDG_CONFIG_HOME/dqx/registry.reg, XDG_CONFIG_HOME defaulting to ~/.config.
    static std::string defaultPath();

    const std::string& path() const { return m_path; }

    // Key paths are names joined with "\" below the root; the empty path is the root itself.
    bool keyExists(Root root, std::string_view keyPath) const;

    // The key for reading and writing its values, or nothing when it does not exist. The key refers to
    // this object and must not outlive it.
    std::optional<Key> openKey(Root root, std::string_view keyPath);

    // Opens the key, creating it and its missing parents first.
    Key createKey(Root root, std::string_view keyPath);

    // Deletes the key with all its subkeys and values. Returns false when it did not exist.
    bool deleteKeyTree(Root root, std::string_view keyPath);

    // Reads the file again, dropping what was read before.
    void reload();

private:
    friend class Key;

    const KeyNode* findKey(Root root, const std::vector<std::string>& names) const;
    // Reads the file afresh, applies the change, writes the file, and only then takes the result.
    void commit(const std::function<void(Hive&)>& change);

    std::string m_path;
    std::unique_ptr<Hive> m_hive;
};

} // namespace registry
