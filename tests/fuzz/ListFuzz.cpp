// Pick-list files on arbitrary bytes: read as the lists are read (code page, then lines), written back
// in both of the editors' forms, and read again to the same entries.
#include "platform/text/Encoding.h"
#include "platform/text/Lines.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::vector<std::string> readList(std::string_view fileBytes) {
    return text::splitLines(text::gb18030ToUtf8(fileBytes));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> entries = readList(bytes);

    // The recipient picker's form: every entry followed by CR LF.
    std::string picker;
    for (const std::string& entry : entries)
        picker += entry + "\r\n";
    FUZZ_CHECK(readList(text::utf8ToGb18030(picker)) == entries);

    // The editors' form: the edit box's lines joined by CR LF, nothing after the last; a last entry that
    // is empty is then no entry, as in the editor's box.
    std::string edited = text::withCrLf(text::joinLinesCrLf(entries));
    std::vector<std::string> expected = entries;
    if (!expected.empty() && expected.back().empty())
        expected.pop_back();
    FUZZ_CHECK(readList(text::utf8ToGb18030(edited)) == expected);
    return 0;
}
