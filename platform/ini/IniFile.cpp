#include "platform/ini/IniFile.h"

#include "platform/ini/IniDocument.h"
#include "platform/text/Convert.h"
#include "platform/text/Encoding.h"
#include "platform/text/TextFile.h"

#include <filesystem>

namespace ini {

namespace {

// The reader sees a value through a buffer of this many bytes, its terminating NUL included.
constexpr std::size_t ValueBufferBytes = 2048;

std::string_view withoutBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

std::string_view withoutEnclosingQuotes(std::string_view s) {
    if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front())
        return s.substr(1, s.size() - 2);
    return s;
}

std::string onOneLine(std::string_view value) {
    std::string line;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n')
            continue; // CR LF is one break, one blank
        line += (value[i] == '\r' || value[i] == '\n') ? ' ' : value[i];
    }
    return line;
}

bool hasLineBreak(std::string_view s) {
    return s.find_first_of("\r\n") != std::string_view::npos;
}

bool hasSurroundingBlanks(std::string_view s) {
    return withoutBlanks(s).size() != s.size();
}

void refuseName(std::string_view kind, std::string_view name, std::string_view reason) {
    throw Error("Cannot write " + std::string(kind) + " name \"" + std::string(name) +
                "\": " + std::string(reason));
}

} // namespace

IniFile::IniFile(std::string path) : m_path(std::move(path)) {
    reload();
}

IniFile::~IniFile() = default;
IniFile::IniFile(IniFile&&) noexcept = default;
IniFile& IniFile::operator=(IniFile&&) noexcept = default;

void IniFile::reload() {
    std::string bytes;
    m_loaded.reset();
    try {
        bytes = text::readBinaryFile(m_path);
        m_loaded = bytes;
    } catch (const text::FileError&) {
        // A missing or unreadable file reads as empty: every reader gets its default. Only a missing one
        // counts as known to be empty; a write over an unreadable one is always tried, so that it fails.
        std::error_code ignored;
        if (!std::filesystem::exists(m_path, ignored))
            m_loaded = std::string();
    }
    m_document = std::make_unique<IniDocument>(bytes);
}

void IniFile::commit() {
    if (m_grouped)
        return;
    std::string bytes = m_document->bytes();
    if (m_loaded && bytes == *m_loaded)
        return;
    try {
        text::writeBinaryFileAtomically(m_path, bytes);
    } catch (const text::FileError&) {
        reload();
        throw Error("Unable to write to " + m_path);
    }
    m_loaded = std::move(bytes);
}

void IniFile::beginGroup() {
    reload();
    m_grouped = true;
}

void IniFile::endGroup(bool keep) {
    m_grouped = false;
    if (keep)
        commit();
    else
        reload();
}

IniFile::WriteGroup::WriteGroup(IniFile& file) : m_file(file) {
    m_file.beginGroup();
}

IniFile::WriteGroup::~WriteGroup() {
    if (m_open)
        m_file.endGroup(false);
}

void IniFile::WriteGroup::commit() {
    m_open = false;
    m_file.endGroup(true);
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    auto raw = m_document->rawValue(section, key);
    if (!raw)
        return std::string(fallback);
    // Blanks and quotes are ASCII bytes that no GB18030 character contains, so the raw bytes are
    // trimmed and cut before the one conversion.
    std::string_view value = withoutEnclosingQuotes(withoutBlanks(*raw));
    return text::gb18030ToUtf8(value.substr(0, text::gb18030PrefixLength(value, ValueBufferBytes - 1)));
}

int IniFile::readInteger(std::string_view section, std::string_view key, int fallback) const {
    if (!m_document->rawValue(section, key))
        return fallback;
    return text::toIntegerOr(readString(section, key, ""), fallback);
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool fallback) const {
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

bool IniFile::sectionExists(std::string_view section) const {
    return m_document->hasSection(section);
}

std::vector<std::string> IniFile::sectionNames() const {
    return m_document->sectionNames();
}

std::string IniFile::lookupName(std::string_view name) {
    return std::string(withoutBlanks(name));
}

void IniFile::checkSectionName(std::string_view section) {
    if (section.empty())
        refuseName("section", section, "the name is empty");
    if (section.find(']') != std::string_view::npos)
        refuseName("section", section, "\"]\" cannot stand in a section name");
    if (hasLineBreak(section))
        refuseName("section", section, "a name cannot hold a line break");
    if (hasSurroundingBlanks(section))
        refuseName("section", section, "a name cannot begin or end with a blank");
}

void IniFile::checkKeyName(std::string_view key) {
    if (key.empty())
        refuseName("key", key, "the name is empty");
    if (key.find('=') != std::string_view::npos)
        refuseName("key", key, "\"=\" cannot stand in a key name");
    if (key.starts_with(';') || key.starts_with('['))
        refuseName("key", key, "a key name cannot begin with \";\" or \"[\"");
    if (hasLineBreak(key))
        refuseName("key", key, "a name cannot hold a line break");
    if (hasSurroundingBlanks(key))
        refuseName("key", key, "a name cannot begin or end with a blank");
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    checkSectionName(section);
    checkKeyName(key);
    if (!m_grouped)
        reload();
    const std::string line = onOneLine(value);
    // A key that already holds these bytes (blanks around them aside) reads the same after the write:
    // the file keeps its own spelling of the line and is not rewritten.
    if (auto raw = m_document->rawValue(section, key);
        raw && withoutBlanks(*raw) == withoutBlanks(text::utf8ToGb18030(line)))
        return;
    m_document->setValue(section, key, line);
    commit();
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int value) {
    writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value) {
    writeString(section, key, value ? "1" : "0");
}

void IniFile::eraseSection(std::string_view section) {
    if (!m_grouped)
        reload();
    m_document->eraseSection(section);
    commit();
}

void IniFile::deleteKey(std::string_view section, std::string_view key) {
    if (!m_grouped)
        reload();
    m_document->deleteKey(section, key);
    commit();
}

} // namespace ini
