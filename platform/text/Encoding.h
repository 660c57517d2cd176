#pragma once
// Text at the file edges. Inside the program all text is UTF-8; files in the system's 8-bit code page are
// GB18030, which keeps every GBK character's bytes and loses no character.

#include <cstddef>
#include <string>
#include <string_view>

namespace text {

// UTF-8 to GB18030 bytes. Invalid UTF-8 sequences become "?" so that nothing else of the text is lost.
std::string utf8ToGb18030(std::string_view utf8);

// GB18030 bytes to UTF-8. Bytes that are not valid GB18030 become U+FFFD each; the rest is kept.
std::string gb18030ToUtf8(std::string_view bytes);

// True when the bytes are well-formed UTF-8.
bool isValidUtf8(std::string_view bytes);

// Decodes a text file of unknown encoding: UTF-8 (with or without a byte-order mark) when it is valid
// UTF-8, otherwise GB18030.
std::string decodeUtf8OrGb18030(std::string_view bytes);

// The length of the text in the 8-bit code page: a Chinese character counts 2, an ASCII character 1.
std::size_t gbkLength(std::string_view utf8);

// The longest prefix of the text whose code-page length is at most maxBytes; never splits a character.
std::string cutToBytes(std::string_view utf8, std::size_t maxBytes);

// The byte count of the GB18030 character that starts at bytes[at] (1, 2 or 4), never more than the
// bytes from `at` to the end.
std::size_t gb18030CharacterLength(std::string_view bytes, std::size_t at);

// The length of the longest prefix of GB18030 bytes that holds whole characters and at most maxBytes;
// never more than the bytes given.
std::size_t gb18030PrefixLength(std::string_view bytes, std::size_t maxBytes);

} // namespace text
