#include "platform/text/Encoding.h"

#include "platform/text/Iconv.h"

#include <algorithm>

namespace text {

namespace {

constexpr std::string_view ReplacementCharacter = "\xEF\xBF\xBD";

// Converters are reused: opening one costs more than most conversions.
Iconv& toCodePage() {
    thread_local Iconv converter("GB18030", "UTF-8");
    return converter;
}

Iconv& fromCodePage() {
    thread_local Iconv converter("UTF-8", "GB18030");
    return converter;
}

bool isAscii(std::string_view bytes) {
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

// ASCII is the same in both encodings; most settings lines are ASCII and skip the converter.
std::string utf8ToGb18030(std::string_view utf8) {
    return isAscii(utf8) ? std::string(utf8) : toCodePage().convert(utf8, "?");
}

std::string gb18030ToUtf8(std::string_view bytes) {
    return isAscii(bytes) ? std::string(bytes) : fromCodePage().convert(bytes, ReplacementCharacter);
}

std::size_t gb18030CharacterLength(std::string_view bytes, std::size_t at) {
    if (static_cast<unsigned char>(bytes[at]) < 0x80 || at + 1 >= bytes.size())
        return 1;
    unsigned char second = bytes[at + 1];
    // A four-byte lead cut off by the end of the bytes counts as what is left of it.
    return (second >= 0x30 && second <= 0x39) ? std::min<std::size_t>(4, bytes.size() - at) : 2;
}

std::size_t gb18030PrefixLength(std::string_view bytes, std::size_t maxBytes) {
    std::size_t end = 0;
    while (end < bytes.size()) {
        std::size_t length = gb18030CharacterLength(bytes, end);
        if (end + length > maxBytes)
            break;
        end += length;
    }
    return end;
}

std::string decodeUtf8OrGb18030(std::string_view bytes) {
    constexpr std::string_view Bom = "\xEF\xBB\xBF";
    if (bytes.starts_with(Bom) && isValidUtf8(bytes.substr(Bom.size())))
        return std::string(bytes.substr(Bom.size()));
    if (isValidUtf8(bytes))
        return std::string(bytes);
    return gb18030ToUtf8(bytes);
}

std::size_t gbkLength(std::string_view utf8) {
    return isAscii(utf8) ? utf8.size() : utf8ToGb18030(utf8).size();
}

std::string cutToBytes(std::string_view utf8, std::size_t maxBytes) {
    std::string encoded = utf8ToGb18030(utf8);
    if (encoded.size() <= maxBytes)
        return std::string(utf8);
    return gb18030ToUtf8(std::string_view(encoded).substr(0, gb18030PrefixLength(encoded, maxBytes)));
}

} // namespace text
