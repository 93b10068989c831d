#include "core/setup/device_list.h"

#include "core/settings/settings.h"

#include <algorithm>

namespace {

// The longest start of `name` within `limit` bytes that does not end inside a
// character: host names are in code page 936, where a byte from 0x81 to 0xFE
// opens a two-byte character.
std::string CutToCharacters(const std::string& name, std::size_t limit) {
    std::size_t end = 0;
    while (end < name.size()) {
        const auto byte = static_cast<unsigned char>(name[end]);
        const std::size_t width = byte >= 0x81 && byte <= 0xFE ? 2 : 1;
        if (end + width > limit)
            break;
        end += width;
    }
    return name.substr(0, std::min(end, name.size()));
}

} // namespace

bool DeviceList::AddDevice(std::string_view settings, std::string_view localAddress) {
    if (settings.size() > kMaxSettingsLength)
        return false;
    DeviceRecord record;
    record.name = CutToCharacters(GetSetting(settings, "sys.hostname"), kMaxDeviceNameLength);
    record.settings = settings;
    record.localAddress = localAddress;
    record.receivedAt = std::chrono::steady_clock::now();
    m_records.push_back(std::move(record));
    return true;
}

void DeviceList::FreeDeviceList() {
    m_records.clear();
}

const DeviceRecord* DeviceList::At(int index) const {
    if (index < 0)
        index = 0;
    if (static_cast<std::size_t>(index) >= m_records.size())
        return nullptr;
    return &m_records[static_cast<std::size_t>(index)];
}
