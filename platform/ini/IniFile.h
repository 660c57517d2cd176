#pragma once
// Private-profile access to an INI file kept in the system's 8-bit code page: sections and keys matched
// without regard to case, values trimmed as the system reads them, every write on disk at once.

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ini {

class IniDocument;

// A write the system refuses (unwritable file or folder), or a section or key name that the INI syntax
// cannot hold. what() is the message to show.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One settings file. The file is read when the object is made and again before every write, so that a
// write never loses what another writer put there; a missing or unreadable file reads as empty. A write
// that leaves the file's bytes as they are does not touch the file.
class IniFile {
public:
    class WriteGroup;

    explicit IniFile(std::string path);
    ~IniFile();
    IniFile(IniFile&&) noexcept;
    IniFile& operator=(IniFile&&) noexcept;

    const std::string& path() const { return m_path; }

    // The value as the system reads it: at most 2047 code-page bytes, surrounding blanks and one pair of
    // enclosing quotes removed; the default when the section or key is missing (the first one wins).
    std::string readString(std::string_view section, std::string_view key, std::string_view fallback) const;

    // A whole number ("0x" hexadecimal accepted); the default for a missing key or any other text.
    int readInteger(std::string_view section, std::string_view key, int fallback) const;

    // A whole number read as a boolean: non-zero is true.
    bool readBool(std::string_view section, std::string_view key, bool fallback) const;

    // True when the section exists.
    bool sectionExists(std::string_view section) const;

    // Section names in file order, each once.
    std::vector<std::string> sectionNames() const;

    // Writes the value, creating the file, the section or the key as needed. Line breaks in the value are
    // written as blanks. Throws Error when the file cannot be written or a name cannot be held.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, int value);
    void writeBool(std::string_view section, std::string_view key, bool value);

    // Removes the section with all its keys. Throws Error when the file cannot be written.
    void eraseSection(std::string_view section);

    // Removes one key. Throws Error when the file cannot be written.
    void deleteKey(std::string_view section, std::string_view key);

    // The name under which a section or key is looked up: without surrounding blanks and tabs.
    static std::string lookupName(std::string_view name);

    // Throws Error when the name cannot stand as a section or key name; the message names the problem.
    static void checkSectionName(std::string_view section);
    static void checkKeyName(std::string_view key);

private:
    void reload();
    void commit();
    void beginGroup();
    void endGroup(bool keep);

    std::string m_path;
    std::unique_ptr<IniDocument> m_document;
    std::optional<std::string> m_loaded; // the file's bytes as last read; none when it could not be read
    bool m_grouped = false;
};

// Makes the writes to one IniFile while it lives a single change on disk: the file is read once when the
// group starts, every write and erase goes to memory (reads through the same IniFile see them), and
// commit() puts them on disk as one atomic rewrite. A group that ends without commit(), say because a
// write threw, leaves the file as it was and the IniFile as the file is.
class IniFile::WriteGroup {
public:
    explicit WriteGroup(IniFile& file);
    ~WriteGroup();
    WriteGroup(const WriteGroup&) = delete;
    WriteGroup& operator=(const WriteGroup&) = delete;

    // Throws Error when the file cannot be written; nothing of the group is on disk then.
    void commit();

private:
    IniFile& m_file;
    bool m_open = true;
};

} // namespace ini
