#pragma once
// The values of the date and time page and their one exchange block.
#include "core/settings/settings_exchange.h"

#include <string>
#include <string_view>
#include <vector>

struct DateTimeValues {
    int zoneRow = -1; // -1: no row selected
    SettingDate date;
    SettingTime time;
    // Item 0 "None", then the servers of sys.Time.ntpServerList.
    std::vector<std::string> ntpItems;
    int ntpSelected = -1; // -1: no item selected
};

// Saving writes date and time, and time zone and NTP server where their
// selection changed. The server list is never written.
void ExchangeDateTimeSettings(SettingsExchange& dx, DateTimeValues& values);

// The item for a stored NTP server: 0 ("None") for an empty value, otherwise
// the item whose whole text equals it ignoring ASCII case, searched in the
// order 2, 3, ..., last, 0, 1 like the list's own exact search; -1 when none.
// A prefix must not do: "a.ntp" selecting "a.ntp2" would reconfigure the array
// through a list the user never sees.
int NtpItemFor(const std::vector<std::string>& items, std::string_view stored);
