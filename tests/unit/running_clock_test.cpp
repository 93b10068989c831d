#include "pages/running_clock.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

// "2006/12/31 23:59:58" as a reading.
ClockReading Reading(const std::string& text) {
    std::size_t space = text.find(' ');
    return {ParseDate(text.substr(0, space)), ParseTime(text.substr(space + 1))};
}

TEST(AdvanceClock, CarriesAcrossTheCalendar) {
    constexpr long long kDay = 86400;
    const struct {
        std::string reading;
        long long seconds;
        std::string advanced;
    } cases[] = {
        {"2006/12/31 23:59:58", 3, "2007/01/01 00:00:01"},
        {"2006/10/26 09:59:30", 31, "2006/10/26 10:00:01"},
        {"2024/02/28 12:00:00", kDay, "2024/02/29 12:00:00"},
        {"1900/02/28 00:00:00", kDay, "1900/03/01 00:00:00"},
        {"2100/02/28 00:00:00", kDay, "2100/03/01 00:00:00"},
        {"2000/02/29 23:59:59", 1, "2000/03/01 00:00:00"},
        {"2024/01/01 00:00:00", 365 * kDay, "2024/12/31 00:00:00"},
        {"2006/03/07 09:05:00", 146097 * kDay, "2406/03/07 09:05:00"},
        // Past the last second a picker can hold, the clock stops there.
        {"9999/12/31 23:59:58", 5, "9999/12/31 23:59:59"},
        {"1601/01/01 00:00:00", LLONG_MAX, "9999/12/31 23:59:59"},
        // Nothing that is no clock reading moves. (The fuzzer checks every
        // reading against the standard calendar.)
        {"2006/00/10 10:00:00", 5, "2006/00/10 10:00:00"},
        {"2006/04/31 10:00:00", 5, "2006/04/31 10:00:00"},
        {"2023/02/29 10:00:00", 5, "2023/02/29 10:00:00"},
        {"1900/02/29 10:00:00", 5, "1900/02/29 10:00:00"},
        {"2006/01/01 24:00:00", 5, "2006/01/01 24:00:00"},
        {"1600/12/31 23:59:59", 5, "1600/12/31 23:59:59"},
        {"10000/01/01 00:00:00", 5, "10000/01/01 00:00:00"},
        {"2006/01/01 10:00:00", -5, "2006/01/01 10:00:00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AdvanceClock(Reading(c.reading), c.seconds), Reading(c.advanced))
            << c.reading << " + " << c.seconds;
    }
}

} // namespace
