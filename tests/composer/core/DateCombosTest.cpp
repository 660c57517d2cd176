#include "composer/core/DateCombos.h"

#include <gtest/gtest.h>

using namespace composer;

TEST(DateCombos, ChineseAndArabicItemsThroughNextYear) {
    std::vector<std::string> chinese = yearComboItems(2026);
    EXPECT_EQ(chinese.front(), "二○一一年");
    EXPECT_EQ(chinese.back(), "二○二七年");
    std::vector<std::string> arabic = yearComboItems(2026, Numerals::Arabic);
    ASSERT_EQ(arabic.size(), chinese.size());
    EXPECT_EQ(arabic.front(), "2011年");
    EXPECT_EQ(arabic[2026 - FirstComboYear], "2026年");
    EXPECT_EQ(arabic.back(), "2027年");

    EXPECT_EQ(monthComboItems(Numerals::Arabic).front(), "1月");
    EXPECT_EQ(monthComboItems(Numerals::Arabic).back(), "12月");
    EXPECT_EQ(monthComboItems().back(), "十二月");
    EXPECT_EQ(dayComboItems(Numerals::Arabic).size(), 31u);
    EXPECT_EQ(dayComboItems(Numerals::Arabic).back(), "31日");
    EXPECT_EQ(dayComboItems()[20], "二十一日");

    // A form whose list starts earlier.
    std::vector<std::string> older = yearComboItems(2026, Numerals::Chinese, 2003);
    EXPECT_EQ(older.size(), 25u);
    EXPECT_EQ(older.front(), "二○○三年");
    EXPECT_EQ(older[2010 - 2003], "二○一○年");
    EXPECT_EQ(older.back(), "二○二七年");
}
