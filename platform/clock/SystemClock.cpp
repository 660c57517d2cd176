#include "platform/clock/SystemClock.h"

#include <chrono>
#include <cstdio>

namespace sysclock {

namespace {

std::optional<Date>& fixedDate() {
    static std::optional<Date> date;
    return date;
}

int digitsValue(std::string_view digits) {
    int value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

bool exists(const Date& date) {
    using namespace std::chrono;
    return year_month_day{year{date.year}, month{static_cast<unsigned>(date.month)},
                          day{static_cast<unsigned>(date.day)}}
        .ok();
}

} // namespace

Date today() {
    if (fixedDate())
        return *fixedDate();
    return localDate(std::time(nullptr));
}

void fixToday(const Date& date) {
    fixedDate() = date;
}

void releaseToday() {
    fixedDate().reset();
}

Date localDate(std::time_t instant) {
    std::tm parts{};
    localtime_r(&instant, &parts);
    return Date{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday};
}

std::optional<Date> parseDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    Date date{digitsValue(text.substr(0, 4)), digitsValue(text.substr(5, 2)), digitsValue(text.substr(8, 2))};
    if (date.year < 0 || date.month < 1 || date.day < 1 || !exists(date))
        return std::nullopt;
    return date;
}

std::string formatDate(const Date& date) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", date.year, date.month, date.day);
    return buffer;
}

} // namespace sysclock
