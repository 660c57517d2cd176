#pragma once
// UTF-16LE as the registry and its export files keep text.

#include <cstddef>
#include <string>
#include <string_view>

namespace registry {

// UTF-8 to UTF-16LE bytes; an invalid UTF-8 sequence becomes U+FFFD.
std::string utf8ToUtf16le(std::string_view utf8);

// Decodes UTF-16LE bytes into utf8 (appending). Returns the byte offset of the first unit that is not
// valid UTF-16 (an unpaired surrogate or an odd last byte), or npos when all is valid; every invalid unit
// becomes U+FFFD and decoding goes on.
std::size_t decodeUtf16le(std::string_view bytes, std::string& utf8);

// Appends the UTF-8 encoding of one code point.
void appendUtf8(std::string& utf8, char32_t codePoint);

} // namespace registry
