#include "platform/registry/KeyNode.h"

#include "platform/registry/Error.h"

#include <algorithm>

namespace registry {

std::string foldCase(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
}

KeyNode::~KeyNode() {
    // Each node's children are taken out before the node goes, so no destructor below has any to free.
    std::vector<std::unique_ptr<KeyNode>> pending;
    auto takeChildren = [&pending](KeyNode& node) {
        for (auto& [folded, child] : node.m_children)
            pending.push_back(std::move(child));
        node.m_children.clear();
    };
    takeChildren(*this);
    while (!pending.empty()) {
        std::unique_ptr<KeyNode> node = std::move(pending.back());
        pending.pop_back();
        takeChildren(*node);
    }
}

KeyNode* KeyNode::child(std::string_view name) const {
    const auto found = m_children.find(foldCase(name));
    return found == m_children.end() ? nullptr : found->second.get();
}

KeyNode& KeyNode::ensureChild(std::string_view name) {
    auto& slot = m_children[foldCase(name)];
    if (!slot)
        slot = std::make_unique<KeyNode>(std::string(name));
    return *slot;
}

bool KeyNode::removeChild(std::string_view name) {
    return m_children.erase(foldCase(name)) > 0;
}

namespace {

template <typename Values> auto findValue(Values& values, std::string_view name) {
    const std::string folded = foldCase(name);
    return std::find_if(values.begin(), values.end(),
                        [&](const auto& entry) { return foldCase(entry.first) == folded; });
}

} // namespace

const Value* KeyNode::value(std::string_view name) const {
    const auto found = findValue(m_values, name);
    return found == m_values.end() ? nullptr : &found->second;
}

void KeyNode::setValue(std::string_view name, Value value) {
    const auto found = findValue(m_values, name);
    if (found == m_values.end())
        m_values.emplace_back(std::string(name), std::move(value));
    else
        found->second = std::move(value);
}

bool KeyNode::removeValue(std::string_view name) {
    const auto found = findValue(m_values, name);
    if (found == m_values.end())
        return false;
    m_values.erase(found);
    return true;
}

Hive::Hive() {
    for (Root root : allRoots)
        m_roots[static_cast<std::size_t>(root)] = std::make_unique<KeyNode>(std::string(rootName(root)));
}

KeyNode* Hive::find(Root root, const std::vector<std::string>& names) const {
    KeyNode* node = m_roots[static_cast<std::size_t>(root)].get();
    for (const std::string& name : names) {
        node = node->child(name);
        if (!node)
            return nullptr;
    }
    return node;
}

KeyNode& Hive::create(Root root, const std::vector<std::string>& names) {
    KeyNode* node = &this->root(root);
    for (const std::string& name : names)
        node = &node->ensureChild(name);
    return *node;
}

bool Hive::removeTree(Root root, const std::vector<std::string>& names) {
    if (names.empty())
        throw Error(ErrorKind::InvalidName, "A root key cannot be deleted");
    KeyNode* parent = find(root, {names.begin(), names.end() - 1});
    return parent && parent->removeChild(names.back());
}

namespace {

// A path as messages quote it: a hostile one may be megabytes long.
std::string shownPath(std::string_view path) {
    constexpr std::size_t Shown = 80;
    return path.size() <= Shown ? std::string(path) : std::string(path.substr(0, Shown)) + "...";
}

std::size_t characterCount(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(
        utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

} // namespace

std::vector<std::string> splitKeyPath(std::string_view path) {
    std::vector<std::string> names;
    if (path.empty())
        return names;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = std::min(path.find('\\', start), path.size());
        const std::string_view name = path.substr(start, end - start);
        if (name.empty() || name.find_first_of("\r\n") != std::string_view::npos)
            throw Error(ErrorKind::InvalidName, "Invalid key name '" + shownPath(path) + "'");
        if (characterCount(name) > MaxKeyNameLength)
            throw Error(ErrorKind::InvalidName, "Key name longer than " + std::to_string(MaxKeyNameLength) +
                                                    " characters in '" + shownPath(path) + "'");
        if (names.size() == MaxKeyDepth)
            throw Error(ErrorKind::InvalidName, "Key path deeper than " + std::to_string(MaxKeyDepth) +
                                                    " levels: '" + shownPath(path) + "'");
        names.emplace_back(name);
        if (end == path.size())
            return names;
        start = end + 1;
    }
}

std::string_view rootName(Root root) {
    switch (root) {
    case Root::ClassesRoot:
        return "HKEY_CLASSES_ROOT";
    case Root::CurrentUser:
        return "HKEY_CURRENT_USER";
    case Root::LocalMachine:
        return "HKEY_LOCAL_MACHINE";
    }
    return {};
}

std::optional<Root> rootFromName(std::string_view name) {
    static constexpr std::pair<std::string_view, Root> shortNames[] = {
        {"hkcr", Root::ClassesRoot}, {"hkcu", Root::CurrentUser}, {"hklm", Root::LocalMachine}};
    const std::string folded = foldCase(name);
    for (Root root : allRoots) {
        if (folded == foldCase(rootName(root)))
            return root;
    }
    for (const auto& [shortName, root] : shortNames) {
        if (folded == shortName)
            return root;
    }
    return std::nullopt;
}

} // namespace registry
