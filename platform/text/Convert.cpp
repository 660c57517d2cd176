#include "platform/text/Convert.h"

#include <charconv>
#include <cstdint>

namespace text {

std::optional<int> parseInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    } else if (text.starts_with("$")) {
        base = 16;
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    std::uint64_t magnitude = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    // Hexadecimal spells the bit pattern, as the runtime reads it: 0xFFFFFFFF is -1.
    std::int64_t value;
    if (base == 16 && magnitude <= UINT32_MAX)
        value = static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude));
    else if (magnitude <= static_cast<std::uint64_t>(INT32_MAX) + 1)
        value = static_cast<std::int64_t>(magnitude);
    else
        return std::nullopt;
    if (negative)
        value = -value;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

int toInteger(std::string_view text) {
    if (auto value = parseInteger(text))
        return *value;
    throw ConvertError("'" + std::string(text) + "' is not a valid integer value");
}

int toIntegerOr(std::string_view text, int fallback) {
    return parseInteger(text).value_or(fallback);
}

} // namespace text
