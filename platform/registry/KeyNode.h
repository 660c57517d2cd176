#pragma once
// The store's tree in memory: one node per key, children and values found by name without regard to
// case, each name kept as it was first written.

#include "platform/registry/Root.h"
#include "platform/registry/Value.h"

#include <array>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace registry {

// The name folded for comparison: ASCII letters to lower case, every other byte as it is.
std::string foldCase(std::string_view name);

class KeyNode {
public:
    using Children = std::map<std::string, std::unique_ptr<KeyNode>>;
    using Values = std::vector<std::pair<std::string, Value>>;

    explicit KeyNode(std::string name) : m_name(std::move(name)) {}
    // Frees the whole subtree without recursing once per level.
    ~KeyNode();
    KeyNode(const KeyNode&) = delete;
    KeyNode& operator=(const KeyNode&) = delete;

    const std::string& name() const { return m_name; }

    // Children in the order of their folded names, so that the file lists them as the registry editor does.
    const Children& children() const { return m_children; }
    KeyNode* child(std::string_view name) const;
    KeyNode& ensureChild(std::string_view name);
    bool removeChild(std::string_view name);

    // Values in the order they were first written.
    const Values& values() const { return m_values; }
    const Value* value(std::string_view name) const;
    void setValue(std::string_view name, Value value);
    bool removeValue(std::string_view name);

private:
    std::string m_name;
    Children m_children;
    Values m_values;
};

// The whole store: one tree per root.
class Hive {
public:
    Hive();

    KeyNode& root(Root root) { return *m_roots[static_cast<std::size_t>(root)]; }
    const KeyNode& root(Root root) const { return *m_roots[static_cast<std::size_t>(root)]; }

    // The key at the path of names below the root, or nullptr.
    KeyNode* find(Root root, const std::vector<std::string>& names) const;
    // The key at the path, created together with every missing parent.
    KeyNode& create(Root root, const std::vector<std::string>& names);
    // Removes the key with everything below it; names must not be empty. False when it did not exist.
    bool removeTree(Root root, const std::vector<std::string>& names);

private:
    std::array<std::unique_ptr<KeyNode>, 3> m_roots;
};

// The limits of the registry that the store keeps to: names per key path, and characters per name.
constexpr std::size_t MaxKeyDepth = 512;
constexpr std::size_t MaxKeyNameLength = 255;

// The names of a key path written with "\" between them; the empty path is the root itself. Throws
// Error (InvalidName) for an empty name, one with a line break, one longer than MaxKeyNameLength
// characters, or more than MaxKeyDepth names.
std::vector<std::string> splitKeyPath(std::string_view path);

} // namespace registry
