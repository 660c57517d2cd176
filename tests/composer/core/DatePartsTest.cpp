#include "composer/core/DateParts.h"

#include <gtest/gtest.h>

using namespace composer;

TEST(DateParts, YearsOfTheFixedTableAndEveryLaterOne) {
    EXPECT_EQ(ChineseYearToDigits("二○○七年"), "2007年");
    EXPECT_EQ(ChineseYearToDigits("二○一○年"), "2010年");
    EXPECT_EQ(ChineseYearToDigits("二○二○年"), "2020年");
    EXPECT_EQ(ChineseYearToDigits("二○二六年"), "2026年");
    EXPECT_EQ(ChineseYearToDigits("二○○○年"), "2000年");
    EXPECT_EQ(ChineseYearToDigits("二○九九年"), "2099年");
}

TEST(DateParts, YearsOutsideTheRuleComeBackUnchanged) {
    for (const char* text :
         {"二〇二六年", "二零二六年", "二○二六", "一九九九年", "二一○○年", "2026年", " 二○二六年", ""})
        EXPECT_EQ(ChineseYearToDigits(text), text);
}

TEST(DateParts, Months) {
    EXPECT_EQ(ChineseMonthToDigits("一月"), "1月");
    EXPECT_EQ(ChineseMonthToDigits("九月"), "9月");
    EXPECT_EQ(ChineseMonthToDigits("十月"), "10月");
    EXPECT_EQ(ChineseMonthToDigits("十二月"), "12月");
    for (const char* text : {"一十月", "十三月", "5月", "○月", "一", ""})
        EXPECT_EQ(ChineseMonthToDigits(text), text);
}

TEST(DateParts, Days) {
    EXPECT_EQ(ChineseDayToDigits("一日"), "1日");
    EXPECT_EQ(ChineseDayToDigits("十日"), "10日");
    EXPECT_EQ(ChineseDayToDigits("十九日"), "19日");
    EXPECT_EQ(ChineseDayToDigits("二十日"), "20日");
    EXPECT_EQ(ChineseDayToDigits("二十五日"), "25日");
    EXPECT_EQ(ChineseDayToDigits("三十日"), "30日");
    EXPECT_EQ(ChineseDayToDigits("三十一日"), "31日");
    for (const char* text : {"廿日", "三十二日", "一十日", "08日", ""})
        EXPECT_EQ(ChineseDayToDigits(text), text);
}

TEST(DateParts, ComboTextsRoundTripThroughTheConverters) {
    for (int year = 2011; year <= 2030; ++year)
        EXPECT_EQ(ChineseYearToDigits(chineseYearText(year)), std::to_string(year) + "年");
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(ChineseMonthToDigits(chineseMonthText(month)), std::to_string(month) + "月");
    for (int day = 1; day <= 31; ++day)
        EXPECT_EQ(ChineseDayToDigits(chineseDayText(day)), std::to_string(day) + "日");
    EXPECT_EQ(chineseYearText(2011), "二○一一年");
    EXPECT_EQ(chineseDayText(21), "二十一日");
}
