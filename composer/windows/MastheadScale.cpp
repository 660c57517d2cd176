#include "composer/windows/MastheadScale.h"

#include <array>

namespace composer {

namespace {

// Scale per even length from 20 to 42 bytes.
constexpr std::array<const char*, 12> ScaleByEvenLength = {"60", "55", "51", "48", "44", "41",
                                                           "39", "37", "35", "33", "31", "30"};

} // namespace

std::optional<std::string> suggestedScalePercent(std::size_t mastheadBytes) {
    if (mastheadBytes > 42)
        return "30";
    if (mastheadBytes < 20)
        return "63";
    if (mastheadBytes % 2 != 0)
        return std::nullopt;
    return ScaleByEvenLength[(mastheadBytes - 20) / 2];
}

} // namespace composer
