#include "platform/registry/RegFileReader.h"

#include "platform/registry/Error.h"
#include "platform/registry/Utf16.h"
#include "platform/text/Encoding.h"
#include "platform/text/HexDigits.h"
#include "platform/text/Lines.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace registry {

namespace {

constexpr std::string_view headerVersion5 = "Windows Registry Editor Version 5.00";
constexpr std::string_view headerVersion4 = "REGEDIT4";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view skipBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

std::string_view trimBlanks(std::string_view text) {
    text = skipBlanks(text);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Consumes up to maxDigits hexadecimal digits; nothing when there is none.
std::optional<std::uint32_t> takeHex(std::string_view& text, std::size_t maxDigits) {
    std::size_t count = 0;
    std::uint32_t number = 0;
    while (count < text.size() && count < maxDigits && ::text::hexDigitValue(text[count]) >= 0)
        number = number * 16 + ::text::hexDigitValue(text[count++]);
    if (count == 0)
        return std::nullopt;
    text.remove_prefix(count);
    return number;
}

// Consumes the prefix when the text starts with it, compared without regard to ASCII case.
bool takePrefix(std::string_view& text, std::string_view prefix) {
    if (text.size() < prefix.size() || foldCase(text.substr(0, prefix.size())) != prefix)
        return false;
    text.remove_prefix(prefix.size());
    return true;
}

int lineOfUtf16Offset(std::string_view bytes, std::size_t offset) {
    int line = 1;
    for (std::size_t i = 0; i + 1 < offset; i += 2) {
        if (bytes[i] == '\n' && bytes[i + 1] == '\0')
            ++line;
    }
    return line;
}

class Reader {
public:
    Reader(const std::string& fileName, Hive& hive) : m_fileName(fileName), m_hive(hive) {}

    void read(std::string_view bytes);

private:
    [[noreturn]] void fail(const std::string& reason) const { failAt(m_lineIndex + 1, reason); }
    [[noreturn]] void failAt(int line, const std::string& reason) const {
        throw Error(ErrorKind::Syntax, m_fileName + ", line " + std::to_string(line) + ": " + reason, line);
    }

    std::string decode(std::string_view bytes) const;
    void readHeader(std::string_view line);
    void readKeyLine(std::string_view line);
    void readValueLine(std::string_view line);
    std::string takeQuoted(std::string_view& text) const;
    std::optional<Value> takeData(std::string_view& text);
    std::string takeHexList(std::string_view text);
    std::string fromCodePageText(std::string_view bytes) const;
    void expectEnd(std::string_view text) const;

    const std::string& m_fileName;
    Hive& m_hive;
    std::vector<std::string> m_lines;
    int m_lineIndex = 0;
    bool m_version4 = false;
    KeyNode* m_key = nullptr;
};

std::string Reader::decode(std::string_view bytes) const {
    if (bytes.starts_with("\xFF\xFE")) {
        bytes.remove_prefix(2);
        std::string utf8;
        const std::size_t invalid = decodeUtf16le(bytes, utf8);
        if (invalid != std::string_view::npos)
            failAt(lineOfUtf16Offset(bytes, invalid), "invalid UTF-16 text");
        return utf8;
    }
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    return text::decodeUtf8OrGb18030(bytes);
}

void Reader::read(std::string_view bytes) {
    m_lines = text::splitLines(decode(bytes));
    bool headerSeen = false;
    for (m_lineIndex = 0; m_lineIndex < static_cast<int>(m_lines.size()); ++m_lineIndex) {
        const std::string_view line = skipBlanks(m_lines[m_lineIndex]);
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (!headerSeen) {
            readHeader(line);
            headerSeen = true;
        } else if (line.front() == '[') {
            readKeyLine(line);
        } else if (line.front() == '@' || line.front() == '"') {
            readValueLine(line);
        } else {
            fail("neither a key nor a value");
        }
    }
    if (!headerSeen && !m_lines.empty())
        failAt(1, "missing header \"" + std::string(headerVersion5) + "\"");
}

void Reader::readHeader(std::string_view line) {
    line = trimBlanks(line);
    if (line == headerVersion4)
        m_version4 = true;
    else if (line != headerVersion5)
        fail("missing header \"" + std::string(headerVersion5) + "\"");
}

void Reader::readKeyLine(std::string_view line) {
    line = trimBlanks(line);
    if (line.back() != ']')
        fail("key line without closing \"]\"");
    std::string_view path = line.substr(1, line.size() - 2);
    const bool deletion = !path.empty() && path.front() == '-';
    if (deletion)
        path.remove_prefix(1);
    const std::size_t separator = path.find('\\');
    const std::string_view rootText = path.substr(0, separator);
    const auto root = rootFromName(rootText);
    if (!root)
        fail("unknown root key \"" + std::string(rootText) + "\"");
    const std::string_view below = separator == std::string_view::npos ? "" : path.substr(separator + 1);
    if (separator != std::string_view::npos && below.empty())
        fail("empty key name after \"\\\"");
    try {
        const std::vector<std::string> names = splitKeyPath(below);
        if (deletion) {
            m_hive.removeTree(*root, names);
            m_key = nullptr;
        } else {
            m_key = &m_hive.create(*root, names);
        }
    } catch (const Error& error) {
        fail(error.what());
    }
}

void Reader::readValueLine(std::string_view line) {
    if (!m_key)
        fail("value outside a key");
    std::string name;
    if (line.front() == '@')
        line.remove_prefix(1);
    else
        name = takeQuoted(line);
    line = skipBlanks(line);
    if (line.empty() || line.front() != '=')
        fail("\"=\" expected after the value name");
    line = skipBlanks(line.substr(1));
    if (std::optional<Value> value = takeData(line))
        m_key->setValue(name, std::move(*value));
    else
        m_key->removeValue(name);
}

// A quoted string with the escapes \\, \", \n and \r; the text is left after the closing quote.
std::string Reader::takeQuoted(std::string_view& text) const {
    std::string unquoted;
    for (std::size_t i = 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            text.remove_prefix(i + 1);
            return unquoted;
        }
        if (c != '\\') {
            unquoted += c;
            continue;
        }
        if (++i == text.size())
            break;
        switch (text[i]) {
        case '\\':
        case '"':
            unquoted += text[i];
            break;
        case 'n':
            unquoted += '\n';
            break;
        case 'r':
            unquoted += '\r';
            break;
        default:
            fail(std::string("unknown escape \"\\") + text[i] + "\" in a quoted string");
        }
    }
    fail("missing closing quote");
}

// The value after "=", or nothing for "-" (delete the value).
std::optional<Value> Reader::takeData(std::string_view& text) {
    if (text.starts_with('-')) {
        expectEnd(text.substr(1));
        return std::nullopt;
    }
    if (text.starts_with('"')) {
        const std::string unquoted = takeQuoted(text);
        expectEnd(text);
        return Value::text(ValueType::String, unquoted);
    }
    if (takePrefix(text, "dword:")) {
        const auto number = takeHex(text, 8);
        if (!number)
            fail("dword value without hexadecimal digits");
        expectEnd(text);
        return Value::dword(*number);
    }
    if (takePrefix(text, "hex:"))
        return Value::binary(takeHexList(text));
    if (takePrefix(text, "hex(")) {
        const auto type = takeHex(text, 8);
        if (!type || !takePrefix(text, "):"))
            fail("malformed \"hex(type):\" value");
        Value value{static_cast<ValueType>(*type), takeHexList(text)};
        const bool codePageText = value.type == ValueType::String || value.type == ValueType::ExpandString ||
                                  value.type == ValueType::MultiString;
        if (m_version4 && codePageText)
            value.data = fromCodePageText(value.data);
        return value;
    }
    fail("unknown kind of value");
}

// Comma-separated bytes; a line ending in "\" continues on the next line.
std::string Reader::takeHexList(std::string_view text) {
    std::string bytes;
    bool separated = true;
    while (true) {
        text = skipBlanks(text);
        if (trimBlanks(text) == "\\") {
            if (m_lineIndex + 1 == static_cast<int>(m_lines.size()))
                fail("hex value continued past the end of the file");
            text = m_lines[++m_lineIndex];
            if (trimBlanks(text).empty())
                return bytes;
            continue;
        }
        if (text.empty() || text.front() == ';')
            return bytes;
        const auto byte = takeHex(text, 2);
        if (!separated || !byte)
            fail("invalid byte in a hex value");
        bytes += static_cast<char>(*byte);
        text = skipBlanks(text);
        separated = text.starts_with(',');
        if (separated)
            text.remove_prefix(1);
    }
}

// REGEDIT4 files keep the bytes of string types in the 8-bit code page; the store keeps UTF-16LE.
std::string Reader::fromCodePageText(std::string_view bytes) const {
    return utf8ToUtf16le(text::decodeUtf8OrGb18030(bytes));
}

void Reader::expectEnd(std::string_view text) const {
    text = skipBlanks(text);
    if (!text.empty() && text.front() != ';')
        fail("unexpected text after the value");
}

} // namespace

void readRegFile(std::string_view bytes, const std::string& fileName, Hive& hive) {
    Reader(fileName, hive).read(bytes);
}

} // namespace registry
