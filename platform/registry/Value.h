#pragma once
// Typed registry values, kept as the bytes that the registry itself holds so that a value of any type
// survives a read and a rewrite unchanged.

#include <cstdint>
#include <string>
#include <string_view>

namespace registry {

// The registry's type numbers; any other number is kept as it is.
enum class ValueType : std::uint32_t {
    None = 0,
    String = 1,       // REG_SZ
    ExpandString = 2, // REG_EXPAND_SZ
    Binary = 3,       // REG_BINARY
    Dword = 4,        // REG_DWORD, little-endian
    DwordBigEndian = 5,
    Link = 6,
    MultiString = 7, // REG_MULTI_SZ
    Qword = 11,
};

struct Value {
    ValueType type = ValueType::None;
    // Strings are UTF-16LE with a terminating NUL, a DWORD is 4 bytes little-endian, the rest raw bytes.
    std::string data;

    // A REG_SZ or REG_EXPAND_SZ value from UTF-8 text.
    static Value text(ValueType stringType, std::string_view utf8);
    static Value dword(std::uint32_t number);
    static Value binary(std::string_view bytes);

    // True for REG_SZ and REG_EXPAND_SZ.
    bool isText() const;
    // The text of a string value up to its first NUL, as UTF-8; a broken UTF-16 unit becomes U+FFFD.
    std::string toText() const;
    // True when the data is exactly the form that text() makes for toText(): valid UTF-16 with one
    // terminating NUL and none before it.
    bool isCanonicalText() const;
    // True for REG_DWORD data of exactly four bytes.
    bool isDword() const;
    // The number of a value for which isDword() holds.
    std::uint32_t toDword() const;

    bool operator==(const Value&) const = default;
};

} // namespace registry
