#include "platform/registry/Key.h"

#include "platform/registry/Error.h"
#include "platform/registry/KeyNode.h"
#include "platform/registry/Registry.h"

namespace registry {

Key::Key(Registry& registry, Root root, std::string path, std::vector<std::string> names)
    : m_registry(&registry), m_root(root), m_path(std::move(path)), m_names(std::move(names)) {}

std::string Key::fullPath() const {
    return std::string(rootName(m_root)) + (m_path.empty() ? "" : "\\" + m_path);
}

const KeyNode& Key::node() const {
    const KeyNode* node = m_registry->findKey(m_root, m_names);
    if (!node)
        throw Error(ErrorKind::NotFound, "Key '" + fullPath() + "' not found");
    return *node;
}

std::vector<std::string> Key::subKeyNames() const {
    std::vector<std::string> names;
    for (const auto& [folded, child] : node().children())
        names.push_back(child->name());
    return names;
}

std::vector<std::string> Key::valueNames() const {
    std::vector<std::string> names;
    for (const auto& [name, value] : node().values())
        names.push_back(name);
    return names;
}

bool Key::hasValue(std::string_view name) const {
    return node().value(name) != nullptr;
}

std::optional<Value> Key::value(std::string_view name) const {
    const Value* found = node().value(name);
    return found ? std::optional<Value>(*found) : std::nullopt;
}

const Value& Key::typedValue(std::string_view name, ValueType first, ValueType second) const {
    const Value* found = node().value(name);
    if (!found)
        throw Error(ErrorKind::NotFound,
                    "Value '" + std::string(name) + "' not found in '" + fullPath() + "'");
    if (found->type != first && found->type != second)
        throw Error(ErrorKind::WrongType, "Invalid data type for '" + std::string(name) + "'");
    return *found;
}

std::string Key::readString(std::string_view name) const {
    return typedValue(name, ValueType::String, ValueType::ExpandString).toText();
}

std::uint32_t Key::readDword(std::string_view name) const {
    const Value& value = typedValue(name, ValueType::Dword, ValueType::Dword);
    if (!value.isDword())
        throw Error(ErrorKind::WrongType, "Invalid data type for '" + std::string(name) + "'");
    return value.toDword();
}

std::string Key::readBinary(std::string_view name) const {
    return typedValue(name, ValueType::Binary, ValueType::Binary).data;
}

void Key::writeString(std::string_view name, std::string_view utf8) {
    writeValue(name, Value::text(ValueType::String, utf8));
}

void Key::writeExpandString(std::string_view name, std::string_view utf8) {
    writeValue(name, Value::text(ValueType::ExpandString, utf8));
}

void Key::writeDword(std::string_view name, std::uint32_t number) {
    writeValue(name, Value::dword(number));
}

void Key::writeBinary(std::string_view name, std::string_view bytes) {
    writeValue(name, Value::binary(bytes));
}

void Key::writeValue(std::string_view name, const Value& value) {
    m_registry->commit([&](Hive& hive) {
        KeyNode* node = hive.find(m_root, m_names);
        if (!node)
            throw Error(ErrorKind::NotFound, "Key '" + fullPath() + "' not found");
        node->setValue(name, value);
    });
}

bool Key::deleteValue(std::string_view name) {
    m_registry->reload();
    if (!hasValue(name))
        return false;
    m_registry->commit([&](Hive& hive) {
        if (KeyNode* node = hive.find(m_root, m_names))
            node->removeValue(name);
    });
    return true;
}

} // namespace registry
