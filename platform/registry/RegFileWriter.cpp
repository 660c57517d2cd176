#include "platform/registry/RegFileWriter.h"

#include <cstdio>
#include <vector>

namespace registry {

namespace {

constexpr std::string_view lineEnd = "\r\n";
// Hex lists are wrapped so that no line is longer than this, as the registry editor wraps them.
constexpr std::size_t hexLineWidth = 80;

std::string quoted(std::string_view text) {
    std::string result = "\"";
    for (char c : text) {
        switch (c) {
        case '\\':
            result += "\\\\";
            break;
        case '"':
            result += "\\\"";
            break;
        case '\n':
            result += "\\n";
            break;
        case '\r':
            result += "\\r";
            break;
        default:
            result += c;
        }
    }
    return result + "\"";
}

std::string hexNumber(std::uint32_t number, int width) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*x", width, number);
    return buffer;
}

// "prefix" followed by the bytes as "xx,xx,...", continued with "\" and an indent where a line gets long.
std::string hexList(std::string line, std::string_view bytes) {
    std::string result;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::string item = hexNumber(static_cast<unsigned char>(bytes[i]), 2);
        if (i + 1 < bytes.size())
            item += ',';
        if (i > 0 && line.size() + item.size() + 1 > hexLineWidth) {
            result += line + "\\" + std::string(lineEnd);
            line = "  ";
        }
        line += item;
    }
    return result + line + std::string(lineEnd);
}

// A string goes in quotes only when quoting loses nothing; line breaks would split the line for other
// readers of the format, so such strings are kept as hex(1).
bool writableInQuotes(const Value& value) {
    return value.type == ValueType::String && value.isCanonicalText() &&
           value.toText().find_first_of("\r\n") == std::string::npos;
}

std::string valueLine(const std::string& name, const Value& value) {
    std::string line = name.empty() ? "@=" : quoted(name) + "=";
    if (writableInQuotes(value))
        return line + quoted(value.toText()) + std::string(lineEnd);
    if (value.isDword())
        return line + "dword:" + hexNumber(value.toDword(), 8) + std::string(lineEnd);
    if (value.type == ValueType::Binary)
        return hexList(line + "hex:", value.data);
    return hexList(line + "hex(" + hexNumber(static_cast<std::uint32_t>(value.type), 1) + "):", value.data);
}

void appendKeyLines(std::string& file, const KeyNode& key, const std::string& path) {
    file += "[" + path + "]" + std::string(lineEnd);
    for (const auto& [name, value] : key.values())
        file += valueLine(name, value);
    file += lineEnd;
}

// The root's key line (when it holds values) and every key below it, parents before children, walked
// with a stack of its own so that a deep tree costs no recursion and each path is built once.
void appendTree(std::string& file, const KeyNode& root) {
    struct Level {
        const KeyNode* key;
        KeyNode::Children::const_iterator next;
        std::size_t pathLength;
    };
    std::string path(root.name());
    if (!root.values().empty())
        appendKeyLines(file, root, path);
    std::vector<Level> stack{{&root, root.children().begin(), path.size()}};
    while (!stack.empty()) {
        Level& level = stack.back();
        if (level.next == level.key->children().end()) {
            stack.pop_back();
            continue;
        }
        const KeyNode& child = *(level.next++)->second;
        path.resize(level.pathLength);
        path += "\\" + child.name();
        appendKeyLines(file, child, path);
        stack.push_back({&child, child.children().begin(), path.size()});
    }
}

} // namespace

std::string formatRegFile(const Hive& hive) {
    std::string file = "Windows Registry Editor Version 5.00" + std::string(lineEnd) + std::string(lineEnd);
    for (Root root : allRoots)
        appendTree(file, hive.root(root));
    return file;
}

} // namespace registry
