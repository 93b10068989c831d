#include "pages/setting_values.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(DatePair, YearPlainMonthAndDayTwoDigits) {
    EXPECT_EQ(DatePair("date", {2006, 3, 7}), "date=2006/03/07");
    EXPECT_EQ(DatePair("date", {2006, 10, 26}), "date=2006/10/26");
    EXPECT_EQ(DatePair("date", {1601, 12, 31}), "date=1601/12/31");
}

TEST(TimePair, TwoDigitsEach) {
    EXPECT_EQ(TimePair("time", {9, 5, 0}), "time=09:05:00");
    EXPECT_EQ(TimePair("time", {23, 59, 59}), "time=23:59:59");
    EXPECT_EQ(TimePair("time", {0, 0, 0}), "time=00:00:00");
}

TEST(ParseDate, ReadsPaddedAndUnpaddedDates) {
    EXPECT_EQ(ParseDate("2006/03/07"), (SettingDate{2006, 3, 7}));
    EXPECT_EQ(ParseDate("2006/3/7"), (SettingDate{2006, 3, 7}));
    EXPECT_EQ(DatePair("date", ParseDate("2006/3/7")), "date=2006/03/07");
}

TEST(ParseDate, FieldsThatDoNotScanStayZero) {
    EXPECT_EQ(ParseDate(""), (SettingDate{}));
    EXPECT_EQ(ParseDate("2006"), (SettingDate{2006, 0, 0}));
    EXPECT_EQ(ParseDate("2006/x/7"), (SettingDate{2006, 0, 0}));
    EXPECT_EQ(ParseDate("2006-03-07"), (SettingDate{2006, 0, 0}));
    EXPECT_EQ(ParseDate("2006 /3/7"), (SettingDate{2006, 0, 0}));
    EXPECT_EQ(ParseDate("2006/3"), (SettingDate{2006, 3, 0}));
    EXPECT_EQ(ParseDate("2006/3/"), (SettingDate{2006, 3, 0}));
    EXPECT_EQ(ParseDate("/3/7"), (SettingDate{}));
    EXPECT_EQ(ParseDate("-"), (SettingDate{}));
}

TEST(ParseDate, ScansLikeDecimalConversion) {
    EXPECT_EQ(ParseDate("  2006/ 3/\t7"), (SettingDate{2006, 3, 7}));
    EXPECT_EQ(ParseDate("+2006/-3/07xyz"), (SettingDate{2006, -3, 7}));
    EXPECT_EQ(ParseDate("2006/3/7/9"), (SettingDate{2006, 3, 7}));
}

TEST(ParseDate, HugeNumbersSaturateInsteadOfOverflowing) {
    EXPECT_EQ(ParseDate("99999999999999999999/1/1"), (SettingDate{INT_MAX, 1, 1}));
    EXPECT_EQ(ParseDate("-99999999999999999999/1/1"), (SettingDate{INT_MIN, 1, 1}));
    EXPECT_EQ(ParseDate("2147483647/-2147483648/2147483648"),
              (SettingDate{INT_MAX, INT_MIN, INT_MAX}));
}

TEST(ParseTime, ReadsPaddedAndUnpaddedTimes) {
    EXPECT_EQ(ParseTime("09:05:00"), (SettingTime{9, 5, 0}));
    EXPECT_EQ(ParseTime("9:5:0"), (SettingTime{9, 5, 0}));
    EXPECT_EQ(TimePair("time", ParseTime("9:5:0")), "time=09:05:00");
    EXPECT_EQ(ParseTime("12:30"), (SettingTime{12, 30, 0}));
    EXPECT_EQ(ParseTime("12/30/00"), (SettingTime{12, 0, 0}));
    EXPECT_EQ(ParseTime("x"), (SettingTime{}));
}

TEST(AddressPair, DottedDecimalOrEmptyForZero) {
    EXPECT_EQ(AddressPair("nwk.ipaddr", {10, 0, 0, 1}), "nwk.ipaddr=10.0.0.1");
    EXPECT_EQ(AddressPair("nwk.netmask", {255, 255, 255, 0}), "nwk.netmask=255.255.255.0");
    EXPECT_EQ(AddressPair("sys.dns", {0, 0, 0, 0}), "sys.dns=");
    EXPECT_EQ(AddressPair("sys.gateway", {0, 0, 0, 7}), "sys.gateway=0.0.0.7");
}

TEST(ParseOctets, ReadsAddressesAndIncompleteOnes) {
    EXPECT_EQ(ParseOctets("192.168.1.20"), (Octets{192, 168, 1, 20}));
    EXPECT_EQ(ParseOctets("192.168.1"), (Octets{192, 168, 1, 0}));
    EXPECT_EQ(ParseOctets("1.2.3.4.5"), (Octets{1, 2, 3, 4}));
    EXPECT_EQ(ParseOctets(""), (Octets{}));
    EXPECT_EQ(ParseOctets("192.168.001.020"), (Octets{192, 168, 1, 20}));
}

TEST(ParseOctets, EmptyPiecesAreSkipped) {
    EXPECT_EQ(ParseOctets("..10..0.0.1."), (Octets{10, 0, 0, 1}));
    EXPECT_EQ(ParseOctets("...."), (Octets{}));
}

TEST(ParseOctets, PiecesReadLikeAtoiWithLowEightBits) {
    EXPECT_EQ(ParseOctets("300.256.-1.511"), (Octets{44, 0, 255, 255}));
    EXPECT_EQ(ParseOctets(" 7. +8.9x.abc"), (Octets{7, 8, 9, 0}));
    EXPECT_EQ(ParseOctets("abc.1"), (Octets{0, 1, 0, 0}));
    // Beyond int the number saturates first: INT_MAX keeps 255, INT_MIN keeps 0.
    EXPECT_EQ(ParseOctets("99999999999999999999.-99999999999999999999.4294967296.1"),
              (Octets{255, 0, 255, 1}));
}

TEST(SettingValues, AddressesRoundTrip) {
    for (Octets octets : {Octets{1, 2, 3, 4}, Octets{255, 255, 255, 255}, Octets{0, 0, 0, 1}}) {
        std::string pair = AddressPair("k", octets);
        EXPECT_EQ(ParseOctets(pair.substr(2)), octets) << pair;
    }
}

} // namespace
