#pragma once
// The array's clock as the wizard runs it: a reading moved on by the time
// since, so that neither step 3 nor the save sets the array's clock back by
// the minutes spent in the wizard.
#include "core/settings/setting_values.h"

struct ClockReading {
    SettingDate date;
    SettingTime time;
    bool operator==(const ClockReading&) const = default;
};

// Whether `reading` is a date and time the clock can run from: years 1601 to
// 9999, what a Windows date picker can hold, a day its month has, and a time
// of day from 00:00:00 to 23:59:59.
bool IsValidReading(const ClockReading& reading);

// `reading` advanced by `seconds` on the proleptic Gregorian calendar. A later
// result than 9999/12/31 23:59:59, the picker's last second, stops there. A
// reading that is not valid (month 0, April 31, hour 24, ...), or negative
// `seconds`, gives the reading back unchanged.
ClockReading AdvanceClock(const ClockReading& reading, long long seconds);
