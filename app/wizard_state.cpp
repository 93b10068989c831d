#include "app/wizard_state.h"

std::string g_reportedSettings;
std::string g_workingSettings;
DeviceList g_deviceList;
