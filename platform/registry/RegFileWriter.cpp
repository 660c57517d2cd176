#include "platform/registry/RegFileWriter.h"

#include <cstdio>

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

void appendKey(std::string& file, const KeyNode& key, const std::string& path, bool isRoot) {
    if (!isRoot || !key.values().empty()) {
        file += "[" + path + "]" + std::string(lineEnd);
        for (const auto& [name, value] : key.values())
            file += valueLine(name, value);
        file += lineEnd;
    }
    for (const auto& [folded, child] : key.children())
        appendKey(file, *child, path + "\\" + child->name(), false);
}

} // namespace

std::string formatRegFile(const Hive& hive) {
    std::string file = "Windows Registry Editor Version 5.00" + std::string(lineEnd) + std::string(lineEnd);
    for (Root root : allRoots)
        appendKey(file, hive.root(root), std::string(rootName(root)), true);
    return file;
}

} // namespace registry
