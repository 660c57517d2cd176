// The text layer on arbitrary bytes: the code-page measures and cuts, the conversions both ways, code
// points and lines. The first two bytes choose a byte limit, the rest is the text.
#include "platform/text/CodePoints.h"
#include "platform/text/Convert.h"
#include "platform/text/Encoding.h"
#include "platform/text/Lines.h"
#include "tests/fuzz/FuzzCheck.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

void checkCodePageMeasures(std::string_view bytes, std::size_t limit) {
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        std::size_t length = text::gb18030CharacterLength(bytes, at);
        FUZZ_CHECK(length >= 1 && length <= 4 && length <= bytes.size() - at);
    }
    FUZZ_CHECK(text::gb18030PrefixLength(bytes, limit) <= std::min(limit, bytes.size()));
    FUZZ_CHECK(text::gb18030PrefixLength(bytes, bytes.size()) == bytes.size());
}

void checkConversions(std::string_view bytes, std::size_t limit) {
    std::string decoded = text::gb18030ToUtf8(bytes);
    FUZZ_CHECK(text::isValidUtf8(decoded));
    FUZZ_CHECK(text::isValidUtf8(text::decodeUtf8OrGb18030(bytes)));
    // Every character survives the way to the code page and back.
    std::string encoded = text::utf8ToGb18030(decoded);
    FUZZ_CHECK(text::gb18030ToUtf8(encoded) == decoded);
    FUZZ_CHECK(text::gbkLength(decoded) == encoded.size());
    std::string cut = text::cutToBytes(decoded, limit);
    FUZZ_CHECK(text::gbkLength(cut) <= limit);
    FUZZ_CHECK(std::string_view(decoded).starts_with(cut));
}

void checkCodePoints(std::string_view bytes) {
    std::u32string points = text::decodeUtf8(bytes);
    FUZZ_CHECK(points.size() <= bytes.size());
    if (text::isValidUtf8(bytes))
        FUZZ_CHECK(text::encodeUtf8(points) == bytes);
    FUZZ_CHECK(text::isValidUtf8(text::encodeUtf8(points)));
}

void checkLines(std::string_view bytes) {
    for (const std::string& line : text::splitLines(bytes))
        FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
    FUZZ_CHECK(text::splitLines(text::withCrLf(bytes)) == text::splitLines(bytes));
    std::string trimmed = text::trimmed(bytes);
    FUZZ_CHECK(trimmed.size() <= bytes.size());
    if (auto number = text::parseInteger(bytes))
        FUZZ_CHECK(text::toInteger(bytes) == *number);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    std::size_t limit = data[0] | (data[1] << 8);
    std::string_view bytes(reinterpret_cast<const char*>(data) + 2, size - 2);
    checkCodePageMeasures(bytes, limit);
    checkConversions(bytes, limit);
    checkCodePoints(bytes);
    checkLines(bytes);
    return 0;
}
