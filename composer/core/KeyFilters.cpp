#include "composer/core/KeyFilters.h"

namespace composer {

void FilterDigitKey(char32_t& key) {
    constexpr char32_t Backspace = 8;
    if (key != Backspace && key != U'.' && (key < U'0' || key > U'9'))
        key = 0;
}

void DiscardKey(char32_t& key) {
    key = 0;
}

} // namespace composer
