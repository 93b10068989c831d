#include "pages/setting_values.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// Numbers beyond int saturate rather than overflow: an array's reply may hold
// any digits, and a signed overflow is undefined.
TEST(SettingValues, HugeNumbersSaturate) {
    EXPECT_EQ(ParseDate("99999999999999999999/-99999999999999999999/2147483648"),
              (SettingDate{INT_MAX, INT_MIN, INT_MAX}));
    EXPECT_EQ(ParseTime("99999999999999999999:1:-99999999999999999999"),
              (SettingTime{INT_MAX, 1, INT_MIN}));
    // In an address INT_MAX keeps its low eight bits, 255, and INT_MIN its, 0.
    EXPECT_EQ(ParseOctets("99999999999999999999.-99999999999999999999.4294967296.1"),
              (Octets{255, 0, 255, 1}));
}

} // namespace
