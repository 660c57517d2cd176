#pragma once
// Code points of UTF-8 text, for caret positions and typed characters. Internal to the class library
// and its backends.

#include <string>
#include <string_view>

namespace ui::utf8 {

// Invalid bytes become U+FFFD each.
std::u32string decode(std::string_view text);
std::string encode(std::u32string_view codePoints);
std::string encode(char32_t codePoint);

} // namespace ui::utf8
