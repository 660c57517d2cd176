#pragma once
// UTF-8 text as code points: for caret positions, typed characters and validity checks.

#include <string>
#include <string_view>

namespace text {

// The code points of the text; every byte that does not begin a well-formed sequence becomes U+FFFD.
std::u32string decodeUtf8(std::string_view text);

std::string encodeUtf8(char32_t codePoint);
std::string encodeUtf8(std::u32string_view codePoints);

} // namespace text
