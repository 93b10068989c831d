#include "pages/running_clock.h"

#include <gtest/gtest.h>

TEST(AdvanceClock, CarriesAcrossTheCalendar) {
    const struct {
        ClockReading reading;
        long long seconds;
        ClockReading advanced; // all zero when the reading stays
    } cases[] = {
        {{{2006, 12, 31}, {23, 59, 58}}, 3, {{2007, 1, 1}, {0, 0, 1}}},
        {{{2024, 2, 28}, {12, 0, 0}}, 86400, {{2024, 2, 29}, {12, 0, 0}}},
        {{{1900, 2, 28}, {0, 0, 0}}, 86400, {{1900, 3, 1}, {0, 0, 0}}},
        {{{2000, 2, 29}, {23, 59, 59}}, 1, {{2000, 3, 1}, {0, 0, 0}}},
        // Past the last second a picker can hold, the clock stops there.
        {{{9999, 12, 31}, {23, 59, 58}}, 5, {{9999, 12, 31}, {23, 59, 59}}},
        // Nothing that is no clock reading moves.
        {{{2006, 0, 10}, {10, 0, 0}}, 5, {}},
        {{{2006, 4, 31}, {10, 0, 0}}, 5, {}},
        {{{2023, 2, 29}, {10, 0, 0}}, 5, {}},
        {{{1900, 2, 29}, {10, 0, 0}}, 5, {}},
        {{{2006, 1, 1}, {24, 0, 0}}, 5, {}},
        {{{1600, 12, 31}, {23, 59, 59}}, 5, {}},
        {{{2006, 1, 1}, {10, 0, 0}}, -5, {}},
    };
    for (const auto& c : cases) {
        const ClockReading& want = c.advanced == ClockReading{} ? c.reading : c.advanced;
        EXPECT_TRUE(AdvanceClock(c.reading, c.seconds) == want) << "case " << &c - cases;
    }
}
