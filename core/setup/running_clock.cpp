#include "core/setup/running_clock.h"

namespace {

constexpr int kFirstYear = 1601;
constexpr int kLastYear = 9999;
constexpr long long kSecondsPerDay = 86400;

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days since 1600/03/01. Years counted from March put the leap day at the end
// of its year, and 1600 starts a 400-year cycle of 146097 days.
constexpr int kEpochYear = 1600;
constexpr long long kDaysPerCycle = 146097;

long long DayNumber(const SettingDate& d) {
    const long long year = d.year - kEpochYear - (d.month <= 2 ? 1 : 0);
    const long long dayOfYear = (153 * ((d.month + 9) % 12) + 2) / 5 + d.day - 1;
    return year * 365 + year / 4 - year / 100 + year / 400 + dayOfYear;
}

SettingDate DateOf(long long dayNumber) {
    const long long cycle = dayNumber / kDaysPerCycle;
    const long long dayOfCycle = dayNumber % kDaysPerCycle;
    const long long yearOfCycle =
        (dayOfCycle - dayOfCycle / 1460 + dayOfCycle / 36524 - dayOfCycle / 146096) / 365;
    const long long dayOfYear =
        dayOfCycle - (365 * yearOfCycle + yearOfCycle / 4 - yearOfCycle / 100);
    const long long monthFromMarch = (5 * dayOfYear + 2) / 153;
    const int month =
        static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    const int day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    const int year =
        static_cast<int>(kEpochYear + cycle * 400 + yearOfCycle + (month <= 2 ? 1 : 0));
    return {year, month, day};
}

long long SecondNumber(const ClockReading& r) {
    return DayNumber(r.date) * kSecondsPerDay + r.time.hour * 3600LL + r.time.minute * 60LL +
           r.time.second;
}

} // namespace

bool IsValidReading(const ClockReading& r) {
    const SettingDate& d = r.date;
    const SettingTime& t = r.time;
    return d.year >= kFirstYear && d.year <= kLastYear && d.month >= 1 && d.month <= 12 &&
           d.day >= 1 && d.day <= DaysInMonth(d.year, d.month) && t.hour >= 0 && t.hour < 24 &&
           t.minute >= 0 && t.minute < 60 && t.second >= 0 && t.second < 60;
}

ClockReading AdvanceClock(const ClockReading& reading, long long seconds) {
    if (!IsValidReading(reading) || seconds < 0)
        return reading;
    static const long long kLastSecond = SecondNumber({{kLastYear, 12, 31}, {23, 59, 59}});
    const long long start = SecondNumber(reading);
    const long long end = seconds > kLastSecond - start ? kLastSecond : start + seconds;
    const int secondOfDay = static_cast<int>(end % kSecondsPerDay);
    return {DateOf(end / kSecondsPerDay),
            {secondOfDay / 3600, secondOfDay / 60 % 60, secondOfDay % 60}};
}
