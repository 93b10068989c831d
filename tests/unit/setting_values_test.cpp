#include "pages/setting_values.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(SettingValues, DateAndTimePairsPadMonthDayAndTime) {
    EXPECT_EQ(DatePair("date", {2006, 3, 7}), "date=2006/03/07");
    EXPECT_EQ(DatePair("date", {1601, 12, 31}), "date=1601/12/31");
    EXPECT_EQ(TimePair("time", {9, 5, 0}), "time=09:05:00");
    EXPECT_EQ(TimePair("time", {23, 59, 59}), "time=23:59:59");
}

// Read like sscanf "%d/%d/%d": fields that do not scan stay 0, and numbers
// beyond int saturate instead of overflowing.
TEST(SettingValues, ParseDateCases) {
    const struct {
        const char* text;
        SettingDate date;
    } cases[] = {
        {"2006/03/07", {2006, 3, 7}},
        {"2006/3/7", {2006, 3, 7}},
        {"", {}},
        {"2006", {2006, 0, 0}},
        {"2006/x/7", {2006, 0, 0}},
        {"2006-03-07", {2006, 0, 0}},
        {"2006 /3/7", {2006, 0, 0}},
        {"2006/3/", {2006, 3, 0}},
        {"/3/7", {}},
        {"-", {}},
        {"  2006/ 3/\t7", {2006, 3, 7}},
        {"+2006/-3/07xyz", {2006, -3, 7}},
        {"2006/3/7/9", {2006, 3, 7}},
        {"99999999999999999999/1/1", {INT_MAX, 1, 1}},
        {"-99999999999999999999/1/1", {INT_MIN, 1, 1}},
        {"2147483647/-2147483648/2147483648", {INT_MAX, INT_MIN, INT_MAX}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseDate(c.text), c.date) << c.text;
}

TEST(SettingValues, ParseTimeCases) {
    const struct {
        const char* text;
        SettingTime time;
    } cases[] = {
        {"09:05:00", {9, 5, 0}},
        {"9:5:0", {9, 5, 0}},
        {"12:30", {12, 30, 0}},
        {"12/30/00", {12, 0, 0}},
        {"x", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseTime(c.text), c.time) << c.text;
}

TEST(SettingValues, AddressPairIsEmptyOnlyForZero) {
    EXPECT_EQ(AddressPair("nwk.netmask", {255, 255, 255, 0}), "nwk.netmask=255.255.255.0");
    EXPECT_EQ(AddressPair("sys.dns", {0, 0, 0, 0}), "sys.dns=");
    EXPECT_EQ(AddressPair("sys.gateway", {0, 0, 0, 7}), "sys.gateway=0.0.0.7");
}

// Split at ".", empty pieces skipped, each piece read like atoi (saturating)
// and kept to its low eight bits; missing octets are 0.
TEST(SettingValues, ParseOctetsCases) {
    const struct {
        const char* text;
        Octets octets;
    } cases[] = {
        {"192.168.1.20", {192, 168, 1, 20}},
        {"192.168.1", {192, 168, 1, 0}},
        {"1.2.3.4.5", {1, 2, 3, 4}},
        {"", {}},
        {"192.168.001.020", {192, 168, 1, 20}},
        {"..10..0.0.1.", {10, 0, 0, 1}},
        {"....", {}},
        {"300.256.-1.511", {44, 0, 255, 255}},
        {" 7. +8.9x.abc", {7, 8, 9, 0}},
        {"abc.1", {0, 1, 0, 0}},
        {"99999999999999999999.-99999999999999999999.4294967296.1", {255, 0, 255, 1}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseOctets(c.text), c.octets) << c.text;
}

} // namespace
