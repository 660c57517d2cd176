#pragma once
// The calendar date that the program takes for "today": the local date of the system clock, or a date
// fixed by the caller (the UI script driver fixes it so that scripts give the same result every day).

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace sysclock {

struct Date {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;   // 1..31

    friend bool operator==(const Date&, const Date&) = default;
};

// The local date now, or the fixed date while one is set.
Date today();

// Makes every later today() return the given date until releaseToday().
void fixToday(const Date& date);
void releaseToday();

// The local calendar date of an instant, by the process's time-zone rules (TZ).
Date localDate(std::time_t instant);

// Reads "YYYY-MM-DD" (four, two and two digits); nothing for any other text or a day that does not exist.
std::optional<Date> parseDate(std::string_view text);

// "YYYY-MM-DD".
std::string formatDate(const Date& date);

} // namespace sysclock
