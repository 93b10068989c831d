#pragma once
// What the wizard's pages share: the selected array's settings as it reported
// them, the copy the pages edit and the save sends, and the search results.
#include "app/device_list.h"
#include <chrono>
#include <string>

extern std::string g_reportedSettings;
extern std::string g_workingSettings;
// When the date and time in the working settings were true: the selected
// array's reply, or the moment step 3 wrote its own.
extern std::chrono::steady_clock::time_point g_clockReadAt;
extern DeviceList g_deviceList;
