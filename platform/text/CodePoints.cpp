#include "platform/text/CodePoints.h"

#include "platform/text/Encoding.h"

namespace text {

namespace {

constexpr char32_t Replacement = 0xFFFD;

// The length of the sequence that starts with this byte, or 0 when it cannot start one.
int sequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

bool validScalar(char32_t c, int length) {
    static constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    return c >= smallest[length] && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

std::size_t wellFormedLength(std::string_view text, std::size_t at, char32_t& codePoint) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const int length = sequenceLength(lead);
    if (length == 0 || at + length > text.size())
        return 0;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (next & 0x3F);
    }
    if (!validScalar(c, length))
        return 0;
    codePoint = c;
    return static_cast<std::size_t>(length);
}

} // namespace

std::u32string decodeUtf8(std::string_view text) {
    std::u32string result;
    result.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        char32_t c = Replacement;
        std::size_t length = wellFormedLength(text, i, c);
        result.push_back(length ? c : Replacement);
        i += length ? length : 1;
    }
    return result;
}

bool isValidUtf8(std::string_view bytes) {
    char32_t ignored = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        std::size_t length = wellFormedLength(bytes, i, ignored);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

std::string encodeUtf8(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
    return out;
}

std::string encodeUtf8(std::u32string_view codePoints) {
    std::string out;
    out.reserve(codePoints.size());
    for (char32_t c : codePoints)
        out += encodeUtf8(c);
    return out;
}

} // namespace text
