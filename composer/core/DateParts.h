#pragma once
// Chinese-numeral date parts ("二○一一年", "一月", "一日") to Arabic digits with the same unit character.
// Text that is not an exact table entry comes back unchanged.

#include <string>

namespace composer {

// Years 2000 to 2099 written "二○" + two Chinese digits ("○" U+25CB for zero) + "年".
std::string ChineseYearToDigits(const std::string& text);

// "一月" .. "十二月".
std::string ChineseMonthToDigits(const std::string& text);

// "一日" .. "三十一日".
std::string ChineseDayToDigits(const std::string& text);

// The Chinese-numeral texts of the date combos: a year ("二○二六年"), a month (1..12), a day (1..31).
std::string chineseYearText(int year);
std::string chineseMonthText(int month);
std::string chineseDayText(int day);

} // namespace composer
