#include "app/wizard_state.h"

std::string g_reportedSettings;
std::string g_workingSettings;
std::chrono::steady_clock::time_point g_clockReadAt;
DeviceList g_deviceList;
