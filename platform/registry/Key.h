#pragma once
// An open registry key: its values and subkeys.

#include "platform/registry/Root.h"
#include "platform/registry/Value.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace registry {

class KeyNode;
class Registry;

// A handle made by Registry::openKey or createKey. The empty value name is the key's default value.
// Every read and write throws Error (NotFound) once the key has been deleted.
class Key {
public:
    Root root() const { return m_root; }
    // The key's path below its root, as it was asked for.
    const std::string& path() const { return m_path; }
    // "HKEY_LOCAL_MACHINE\SOFTWARE\..." for messages.
    std::string fullPath() const;

    // Names as they are written in the store.
    std::vector<std::string> subKeyNames() const;
    std::vector<std::string> valueNames() const;

    bool hasValue(std::string_view name) const;
    std::optional<Value> value(std::string_view name) const;

    // The text of a REG_SZ or REG_EXPAND_SZ value (not expanded). Throws Error: NotFound for a missing
    // value, WrongType ("Invalid data type for '<name>'") for a value of another type.
    std::string readString(std::string_view name) const;
    // A REG_DWORD value; throws as readString.
    std::uint32_t readDword(std::string_view name) const;
    // The bytes of a REG_BINARY value; throws as readString.
    std::string readBinary(std::string_view name) const;

    // Each write replaces a value of the same name whatever its type. Throws Error (File) when the
    // store cannot be written.
    void writeString(std::string_view name, std::string_view utf8);
    void writeExpandString(std::string_view name, std::string_view utf8);
    void writeDword(std::string_view name, std::uint32_t number);
    void writeBinary(std::string_view name, std::string_view bytes);
    void writeValue(std::string_view name, const Value& value);

    // Returns false when there was no such value.
    bool deleteValue(std::string_view name);

private:
    friend class Registry;
    Key(Registry& registry, Root root, std::string path, std::vector<std::string> names);

    const KeyNode& node() const;
    const Value& typedValue(std::string_view name, ValueType first, ValueType second) const;

    Registry* m_registry;
    Root m_root;
    std::string m_path;
    std::vector<std::string> m_names;
};

} // namespace registry
