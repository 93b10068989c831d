#pragma once
// Formats of the values the pages read from and write to the settings string.
// These texts go to the arrays, so they are fixed byte for byte.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

struct SettingDate {
    int year = 0, month = 0, day = 0;
    bool operator==(const SettingDate&) const = default;
};
struct SettingTime {
    int hour = 0, minute = 0, second = 0;
    bool operator==(const SettingTime&) const = default;
};
using Octets = std::array<std::uint8_t, 4>;

// "2006/03/07": year plain, month and day two digits.
std::string DateText(const SettingDate& date);
// "09:05:00".
std::string TimeText(const SettingTime& time);
// "key=2006/03/07".
std::string DatePair(std::string_view key, const SettingDate& date);
// "key=09:05:00".
std::string TimePair(std::string_view key, const SettingTime& time);
// "%d/%d/%d"; fields that do not scan stay 0 (also accepts "2006/3/7").
SettingDate ParseDate(std::string_view value);
// "%d:%d:%d"; fields that do not scan stay 0.
SettingTime ParseTime(std::string_view value);

// "key=a.b.c.d", or "key=" for 0.0.0.0.
std::string AddressPair(std::string_view key, const Octets& octets);
// Split at ".", empty pieces skipped, each piece as atoi would read it, low 8
// bits kept, missing parts 0: "300" gives 44, "192.168.1" gives 192.168.1.0.
Octets ParseOctets(std::string_view value);
