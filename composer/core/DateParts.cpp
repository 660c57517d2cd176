#include "composer/core/DateParts.h"

#include <array>

namespace composer {

namespace {

// The digits of the date combos; zero is "○" (U+25CB), not an ideographic zero.
constexpr std::array<const char*, 10> Digits = {"○", "一", "二", "三", "四", "五", "六", "七", "八", "九"};

// 1..31 in ordinary Chinese numerals: "十", "十一", "二十", "三十一".
std::string chineseNumber(int n) {
    if (n < 10)
        return Digits[n];
    std::string tens = n >= 20 ? std::string(Digits[n / 10]) + "十" : "十";
    return n % 10 == 0 ? tens : tens + Digits[n % 10];
}

// Finds the value in [first, last] whose text is exactly the input; the result keeps the unit.
template <class TextOf>
std::string toDigits(const std::string& text, int first, int last, TextOf textOf, const char* unit) {
    for (int value = first; value <= last; ++value) {
        if (textOf(value) == text)
            return std::to_string(value) + unit;
    }
    return text;
}

} // namespace

std::string chineseYearText(int year) {
    std::string digits = std::to_string(year);
    std::string text;
    for (char d : digits)
        text += Digits[d - '0'];
    return text + "年";
}

std::string chineseMonthText(int month) {
    return chineseNumber(month) + "月";
}

std::string chineseDayText(int day) {
    return chineseNumber(day) + "日";
}

std::string ChineseYearToDigits(const std::string& text) {
    return toDigits(text, 2000, 2099, chineseYearText, "年");
}

std::string ChineseMonthToDigits(const std::string& text) {
    return toDigits(text, 1, 12, chineseMonthText, "月");
}

std::string ChineseDayToDigits(const std::string& text) {
    return toDigits(text, 1, 31, chineseDayText, "日");
}

} // namespace composer
