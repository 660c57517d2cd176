// The registry file on arbitrary bytes: what reads is written back in the export format, and that
// writing reads again to the very same file; what does not read names a line of the file.
#include "platform/registry/Error.h"
#include "platform/registry/KeyNode.h"
#include "platform/registry/RegFileReader.h"
#include "platform/registry/RegFileWriter.h"
#include "tests/fuzz/FuzzCheck.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    registry::Hive hive;
    try {
        registry::readRegFile(bytes, "fuzz.reg", hive);
    } catch (const registry::Error& error) {
        FUZZ_CHECK(error.kind() == registry::ErrorKind::Syntax);
        // A line of the file: UTF-16 files count their lines in units of two bytes.
        auto lines = static_cast<int>(std::count(bytes.begin(), bytes.end(), '\n') +
                                      std::count(bytes.begin(), bytes.end(), '\r'));
        FUZZ_CHECK(error.line() >= 1 && error.line() <= lines + 1);
        return 0;
    }
    std::string written = registry::formatRegFile(hive);
    registry::Hive again;
    registry::readRegFile(written, "written.reg", again);
    FUZZ_CHECK(registry::formatRegFile(again) == written);
    return 0;
}
