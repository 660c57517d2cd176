#pragma once
// The lines of an INI file as read from disk. Each line keeps its original bytes, so that an edit
// rewrites only the lines it touches and everything else (comments, unknown lines, other encodings'
// damage) stays byte for byte.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ini {

class IniDocument {
public:
    // Parses GB18030 bytes. The markup characters "[", "]", "=" and ";" and blanks never occur inside a
    // GB18030 character except "]" as a trail byte, so only the section header scan walks characters.
    explicit IniDocument(std::string_view bytes = {});

    std::string bytes() const;

    // The raw GB18030 value bytes, untrimmed, of the first key of that name in the first section of that
    // name. The view lives until the next edit.
    std::optional<std::string_view> rawValue(std::string_view section, std::string_view key) const;
    bool hasSection(std::string_view section) const;
    std::vector<std::string> sectionNames() const;

    void setValue(std::string_view section, std::string_view key, std::string_view value);
    void eraseSection(std::string_view section);
    void deleteKey(std::string_view section, std::string_view key);

private:
    enum class Kind { Other, Section, Entry };
    struct Line {
        std::string raw;    // the bytes of the line, without its line break
        std::string ending; // "\r\n", "\n", "\r" or "" for a last line without a break
        Kind kind = Kind::Other;
        std::string name;        // section or key name, UTF-8, trimmed
        std::size_t valueAt = 0; // where an entry's value starts in raw
    };

    static Line parse(std::string raw, std::string ending);
    static Line entryLine(std::string_view key, std::string_view value, std::string ending);
    void reindex();
    std::optional<std::size_t> findSection(std::string_view section) const;
    std::size_t sectionEnd(std::size_t header) const;
    std::optional<std::size_t> findEntry(std::size_t header, std::string_view key) const;
    void insertLine(std::size_t at, Line line);
    std::string newline() const;

    std::vector<Line> m_lines;
    std::unordered_map<std::string, std::size_t> m_firstSection; // folded name -> header line
};

// Case-insensitive (ASCII) equality, as section and key names match.
bool namesEqual(std::string_view a, std::string_view b);

} // namespace ini
