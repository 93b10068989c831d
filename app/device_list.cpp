#include "app/device_list.h"

#include "messaging/settings.h"

bool DeviceList::AddDevice(std::string_view settings) {
    if (settings.size() > kMaxSettingsLength)
        return false;
    DeviceRecord record;
    record.name = GetSetting(settings, "sys.hostname").substr(0, kMaxDeviceNameLength);
    record.settings = settings;
    records_.push_back(std::move(record));
    return true;
}

void DeviceList::FreeDeviceList() {
    records_.clear();
}

const DeviceRecord* DeviceList::At(int index) const {
    if (index < 0)
        index = 0;
    if (static_cast<std::size_t>(index) >= records_.size())
        return nullptr;
    return &records_[static_cast<std::size_t>(index)];
}
