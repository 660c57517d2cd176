#pragma once
// The 128-bit identifiers of classes, interfaces and type libraries, written as the registry writes them:
// "{97BF2852-A07B-422D-86C2-14CA5F2B512A}".

#include "platform/text/HexDigits.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace addinhost {

struct Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::array<std::uint8_t, 8> data4{};

    bool operator==(const Guid&) const = default;

    // The braced form in upper case.
    std::string toString() const;

    // The identifier of a braced text in either letter case; nothing for any other text.
    static constexpr std::optional<Guid> parse(std::string_view text);
};

namespace detail {

// The number of `digits` hex digits at `at`, or nothing.
constexpr std::optional<std::uint32_t> hexNumber(std::string_view text, std::size_t at, std::size_t digits) {
    std::uint32_t number = 0;
    for (std::size_t i = at; i < at + digits; ++i) {
        int value = ::text::hexDigitValue(text[i]);
        if (value < 0)
            return std::nullopt;
        number = number * 16 + static_cast<std::uint32_t>(value);
    }
    return number;
}

} // namespace detail

constexpr std::optional<Guid> Guid::parse(std::string_view text) {
    // {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}: the fields start at these places.
    constexpr std::size_t Length = 38;
    if (text.size() != Length || text[0] != '{' || text[37] != '}' || text[9] != '-' || text[14] != '-' ||
        text[19] != '-' || text[24] != '-')
        return std::nullopt;
    Guid guid;
    auto data1 = detail::hexNumber(text, 1, 8);
    auto data2 = detail::hexNumber(text, 10, 4);
    auto data3 = detail::hexNumber(text, 15, 4);
    if (!data1 || !data2 || !data3)
        return std::nullopt;
    guid.data1 = *data1;
    guid.data2 = static_cast<std::uint16_t>(*data2);
    guid.data3 = static_cast<std::uint16_t>(*data3);
    constexpr std::array<std::size_t, 8> bytePlaces{20, 22, 25, 27, 29, 31, 33, 35};
    for (std::size_t i = 0; i < bytePlaces.size(); ++i) {
        auto byte = detail::hexNumber(text, bytePlaces[i], 2);
        if (!byte)
            return std::nullopt;
        guid.data4[i] = static_cast<std::uint8_t>(*byte);
    }
    return guid;
}

// An identifier written in the code; a malformed one does not compile.
consteval Guid guid(std::string_view text) {
    auto parsed = Guid::parse(text);
    if (!parsed)
        throw "malformed identifier";
    return *parsed;
}

} // namespace addinhost
