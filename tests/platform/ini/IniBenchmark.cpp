// Reading one profile (19 keys) from a settings file of 50 profiles, as a form does when it opens.

#include "platform/ini/IniFile.h"

#include "platform/text/Encoding.h"
#include "tests/support/TempFolder.h"

#include <benchmark/benchmark.h>

namespace {

const char* const ProfileKeys[] = {"name",   "fontsize", "fontbl", "xz",   "fwzt", "fwbold", "btzt",
                                   "btsize", "zwzt",     "zwsize", "top",  "foot", "left",   "right",
                                   "xxfx",   "sxfx",     "jyfx",   "jbfx", "wwww"};

std::string settingsOfFiftyProfiles() {
    std::string content = "[dqx]\r\nfwjg=机关49\r\n";
    for (int p = 0; p < 50; ++p) {
        content += "[机关" + std::to_string(p) + "]\r\n";
        for (const char* key : ProfileKeys)
            content += std::string(key) + "=标准公文_仿宋\r\n";
    }
    return content;
}

void readOneProfile(benchmark::State& state) {
    testsupport::TempFolder dir;
    std::string path = dir.write("dqx.ini", text::utf8ToGb18030(settingsOfFiftyProfiles()));
    for (auto _ : state) {
        ini::IniFile settings(path);
        std::string profile = settings.readString("dqx", "fwjg", "");
        for (const char* key : ProfileKeys)
            benchmark::DoNotOptimize(settings.readString(profile, key, ""));
    }
}

} // namespace

BENCHMARK(readOneProfile)->Unit(benchmark::kMicrosecond);
