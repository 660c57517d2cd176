#include "platform/clock/SystemClock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace {

// Runs a test under a given TZ and puts the previous one back afterwards.
class TimeZone {
public:
    explicit TimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ"))
            m_old = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~TimeZone() {
        if (m_old)
            setenv("TZ", m_old->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    std::optional<std::string> m_old;
};

// 2024-01-01 17:30:00 UTC.
constexpr std::time_t EveningUtc = 1704130200;

} // namespace

TEST(SystemClock, LocalDateFollowsTheTimeZoneNotUtc) {
    {
        TimeZone beijing("CST-8");
        EXPECT_EQ(sysclock::localDate(EveningUtc), (sysclock::Date{2024, 1, 2}));
    }
    {
        TimeZone utc("UTC0");
        EXPECT_EQ(sysclock::localDate(EveningUtc), (sysclock::Date{2024, 1, 1}));
    }
    {
        TimeZone hawaii("HST10");
        EXPECT_EQ(sysclock::localDate(EveningUtc), (sysclock::Date{2024, 1, 1}));
        EXPECT_EQ(sysclock::localDate(EveningUtc - 8 * 3600), (sysclock::Date{2023, 12, 31}));
    }
}

TEST(SystemClock, FixedDateWinsUntilReleased) {
    TimeZone beijing("CST-8");
    sysclock::fixToday({2011, 3, 9});
    EXPECT_EQ(sysclock::today(), (sysclock::Date{2011, 3, 9}));
    sysclock::releaseToday();
    EXPECT_EQ(sysclock::today(), sysclock::localDate(std::time(nullptr)));
}

TEST(SystemClock, ParsesOnlyRealDatesInIsoForm) {
    EXPECT_EQ(sysclock::parseDate("2016-02-29"), (sysclock::Date{2016, 2, 29}));
    EXPECT_EQ(sysclock::parseDate("0999-12-31"), (sysclock::Date{999, 12, 31}));
    EXPECT_FALSE(sysclock::parseDate("2015-02-29"));
    EXPECT_FALSE(sysclock::parseDate("2015-13-01"));
    EXPECT_FALSE(sysclock::parseDate("2015-00-10"));
    EXPECT_FALSE(sysclock::parseDate("2015-1-10"));
    EXPECT_FALSE(sysclock::parseDate("2015/01/10"));
    EXPECT_FALSE(sysclock::parseDate("2015-01-10 "));
    EXPECT_FALSE(sysclock::parseDate("+015-01-10"));
    EXPECT_FALSE(sysclock::parseDate(""));
    EXPECT_EQ(sysclock::formatDate({2011, 3, 9}), "2011-03-09");
}
