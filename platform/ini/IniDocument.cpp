#include "platform/ini/IniDocument.h"

#include "platform/text/Encoding.h"
#include "platform/text/Lines.h"

#include <algorithm>

namespace ini {

namespace {

char foldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string folded(std::string_view name) {
    std::string result(name);
    std::transform(result.begin(), result.end(), result.begin(), foldAscii);
    return result;
}

std::string_view trimBlanks(std::string_view s) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

} // namespace

bool namesEqual(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return foldAscii(x) == foldAscii(y); });
}

IniDocument::IniDocument(std::string_view bytes) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        std::size_t breakLength = (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
        m_lines.push_back(
            parse(std::string(bytes.substr(start, i - start)), std::string(bytes.substr(i, breakLength))));
        i += breakLength - 1;
        start = i + 1;
    }
    if (start < bytes.size())
        m_lines.push_back(parse(std::string(bytes.substr(start)), ""));
    reindex();
}

IniDocument::Line IniDocument::parse(std::string raw, std::string ending) {
    Line line;
    line.raw = std::move(raw);
    line.ending = std::move(ending);
    std::string_view content = trimBlanks(line.raw);
    if (content.starts_with('[')) {
        std::size_t at = 1;
        while (at < content.size() && content[at] != ']')
            at += text::gb18030CharacterLength(content, at);
        if (at < content.size()) {
            line.kind = Kind::Section;
            line.name = text::gb18030ToUtf8(trimBlanks(content.substr(1, at - 1)));
        }
        return line;
    }
    if (content.empty() || content.starts_with(';'))
        return line;
    std::size_t equals = content.find('=');
    if (equals == std::string_view::npos)
        return line;
    line.kind = Kind::Entry;
    line.name = text::gb18030ToUtf8(trimBlanks(content.substr(0, equals)));
    line.valueAt = static_cast<std::size_t>(content.data() - line.raw.data()) + equals + 1;
    return line;
}

IniDocument::Line IniDocument::entryLine(std::string_view key, std::string_view value, std::string ending) {
    return parse(text::utf8ToGb18030(std::string(key) + "=" + std::string(value)), std::move(ending));
}

void IniDocument::reindex() {
    m_firstSection.clear();
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind == Kind::Section)
            m_firstSection.emplace(folded(m_lines[i].name), i);
    }
}

std::string IniDocument::bytes() const {
    std::string out;
    for (const Line& line : m_lines)
        out += line.raw + line.ending;
    return out;
}

std::optional<std::size_t> IniDocument::findSection(std::string_view section) const {
    auto it = m_firstSection.find(folded(trimBlanks(section)));
    if (it == m_firstSection.end())
        return std::nullopt;
    return it->second;
}

std::size_t IniDocument::sectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < m_lines.size() && m_lines[i].kind != Kind::Section)
        ++i;
    return i;
}

std::optional<std::size_t> IniDocument::findEntry(std::size_t header, std::string_view key) const {
    std::size_t end = sectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (m_lines[i].kind == Kind::Entry && namesEqual(m_lines[i].name, key))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string_view> IniDocument::rawValue(std::string_view section, std::string_view key) const {
    auto header = findSection(section);
    if (!header)
        return std::nullopt;
    auto entry = findEntry(*header, trimBlanks(key));
    if (!entry)
        return std::nullopt;
    const Line& line = m_lines[*entry];
    return std::string_view(line.raw).substr(line.valueAt);
}

bool IniDocument::hasSection(std::string_view section) const {
    return findSection(section).has_value();
}

std::vector<std::string> IniDocument::sectionNames() const {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind != Kind::Section)
            continue;
        auto first = m_firstSection.find(folded(m_lines[i].name));
        if (first != m_firstSection.end() && first->second == i)
            names.push_back(m_lines[i].name);
    }
    return names;
}

std::string IniDocument::newline() const {
    for (const Line& line : m_lines) {
        if (!line.ending.empty())
            return line.ending;
    }
    return "\r\n";
}

void IniDocument::insertLine(std::size_t at, Line line) {
    if (at > 0 && m_lines[at - 1].ending.empty())
        m_lines[at - 1].ending = newline();
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

void IniDocument::setValue(std::string_view section, std::string_view key, std::string_view value) {
    auto header = findSection(section);
    if (!header) {
        insertLine(m_lines.size(), parse(text::utf8ToGb18030("[" + std::string(section) + "]"), newline()));
        insertLine(m_lines.size(), entryLine(key, value, newline()));
        reindex();
        return;
    }
    if (auto entry = findEntry(*header, key)) {
        Line& line = m_lines[*entry];
        line = entryLine(line.name, value, line.ending);
        return;
    }
    // A new key goes behind the section's last non-blank line, ahead of any blank lines before the next.
    std::size_t at = sectionEnd(*header);
    while (at > *header + 1 && trimBlanks(m_lines[at - 1].raw).empty())
        --at;
    insertLine(at, entryLine(key, value, newline()));
    reindex();
}

void IniDocument::eraseSection(std::string_view section) {
    // Every section of that name goes, as a repeated section is one section to the reader.
    while (auto header = findSection(section)) {
        auto first = m_lines.begin() + static_cast<std::ptrdiff_t>(*header);
        m_lines.erase(first, m_lines.begin() + static_cast<std::ptrdiff_t>(sectionEnd(*header)));
        reindex();
    }
}

void IniDocument::deleteKey(std::string_view section, std::string_view key) {
    auto header = findSection(section);
    if (!header)
        return;
    if (auto entry = findEntry(*header, key))
        m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(*entry));
    reindex();
}

} // namespace ini
