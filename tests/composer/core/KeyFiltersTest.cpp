#include "composer/core/KeyFilters.h"

#include <gtest/gtest.h>

using namespace composer;

TEST(KeyFilters, DigitFilterLetsDigitsPointAndBackspacePass) {
    for (char32_t key : {U'0', U'5', U'9', U'.', char32_t(8)}) {
        char32_t typed = key;
        FilterDigitKey(typed);
        EXPECT_EQ(typed, key);
    }
    for (char32_t key : {U'a', U'-', U' ', U'/', U':', U'０', U'一', char32_t(13)}) {
        char32_t typed = key;
        FilterDigitKey(typed);
        EXPECT_EQ(typed, 0u);
    }
    char32_t typed = U'7';
    DiscardKey(typed);
    EXPECT_EQ(typed, 0u);
}
