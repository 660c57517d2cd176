#include "platform/registry/Utf16.h"

namespace registry {

namespace {

constexpr char32_t replacementCharacter = 0xFFFD;

// Reads one code point at pos and advances pos; an invalid sequence yields U+FFFD and skips one byte.
char32_t nextCodePoint(std::string_view utf8, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(utf8[pos]);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    int length = 0;
    char32_t minimum = 0;
    char32_t codePoint = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, minimum = 0x80, codePoint = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, minimum = 0x800, codePoint = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, minimum = 0x10000, codePoint = lead & 0x07;
    }
    if (length == 0 || pos + length > utf8.size()) {
        ++pos;
        return replacementCharacter;
    }
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(utf8[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return replacementCharacter;
        }
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        ++pos;
        return replacementCharacter;
    }
    pos += length;
    return codePoint;
}

void appendUnit(std::string& bytes, char32_t unit) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>((unit >> 8) & 0xFF);
}

char32_t unitAt(std::string_view bytes, std::size_t offset) {
    return static_cast<unsigned char>(bytes[offset]) | (static_cast<unsigned char>(bytes[offset + 1]) << 8);
}

} // namespace

void appendUtf8(std::string& utf8, char32_t codePoint) {
    if (codePoint < 0x80) {
        utf8 += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        utf8 += static_cast<char>(0xC0 | (codePoint >> 6));
        utf8 += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        utf8 += static_cast<char>(0xE0 | (codePoint >> 12));
        utf8 += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        utf8 += static_cast<char>(0xF0 | (codePoint >> 18));
        utf8 += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        utf8 += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

std::string utf8ToUtf16le(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size() * 2);
    for (std::size_t pos = 0; pos < utf8.size();) {
        const char32_t codePoint = nextCodePoint(utf8, pos);
        if (codePoint >= 0x10000) {
            appendUnit(bytes, 0xD800 + ((codePoint - 0x10000) >> 10));
            appendUnit(bytes, 0xDC00 + ((codePoint - 0x10000) & 0x3FF));
        } else {
            appendUnit(bytes, codePoint);
        }
    }
    return bytes;
}

std::size_t decodeUtf16le(std::string_view bytes, std::string& utf8) {
    std::size_t firstInvalid = std::string_view::npos;
    const auto invalidAt = [&](std::size_t offset) {
        if (firstInvalid == std::string_view::npos)
            firstInvalid = offset;
        appendUtf8(utf8, replacementCharacter);
    };
    std::size_t offset = 0;
    for (; offset + 1 < bytes.size(); offset += 2) {
        const char32_t unit = unitAt(bytes, offset);
        if (unit >= 0xD800 && unit <= 0xDBFF && offset + 3 < bytes.size()) {
            const char32_t low = unitAt(bytes, offset + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(utf8, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                offset += 2;
                continue;
            }
        }
        if (unit >= 0xD800 && unit <= 0xDFFF)
            invalidAt(offset);
        else
            appendUtf8(utf8, unit);
    }
    if (offset < bytes.size())
        invalidAt(offset);
    return firstInvalid;
}

} // namespace registry
