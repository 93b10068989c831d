#pragma once
// What the wizard's pages share: the selected array's settings as it reported
// them, the copy the pages edit and the save sends, and the search results.
#include "app/device_list.h"
#include <string>

extern std::string g_reportedSettings;
extern std::string g_workingSettings;
extern DeviceList g_deviceList;
