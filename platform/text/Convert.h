#pragma once
// Number conversions with the runtime library's rules and its error text.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace text {

// Text that is not a whole number. what() is the runtime's message: '<text>' is not a valid integer value
class ConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A whole 32-bit number: optional sign, then decimal digits, or hexadecimal after "0x", "0X" or "$".
// No blanks are allowed. Returns nothing for anything else, including numbers out of range.
std::optional<int> parseInteger(std::string_view text);

// parseInteger, throwing ConvertError when the text is not a whole number.
int toInteger(std::string_view text);

// parseInteger with a default for text that is not a whole number.
int toIntegerOr(std::string_view text, int fallback);

} // namespace text
