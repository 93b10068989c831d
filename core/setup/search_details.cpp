#include "core/setup/search_details.h"

#include "core/settings/settings.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace {

bool KeptInAddress(unsigned char byte) {
    static constexpr std::string_view kKept = "-._~:/[]";
    return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
           (byte >= 'a' && byte <= 'z') || kKept.find(static_cast<char>(byte)) != kKept.npos;
}

// The settings without the array's clock, which every reply reads afresh.
std::string WithoutClock(std::string settings) {
    for (const char* key : {"date", "time"})
        if (!GetSetting(settings, key).empty())
            ReplaceSetting(settings, key, std::string(key) + "=");
    return settings;
}

} // namespace

std::array<std::string, kDetailRows> DetailTexts(std::string_view settings) {
    const bool dhcp = GetSetting(settings, "nwk.bootproto") == "dhcp";
    return {GetSetting(settings, "sys.hostname"),
            GetSetting(settings, "nwk.ipaddr") + (dhcp ? " (DHCP)" : " (Fixed)"),
            GetSetting(settings, "nwk.netmask"),
            GetSetting(settings, "sys.gateway"),
            GetSetting(settings, "sys.dns"),
            GetSetting(settings, "nwk.mac")};
}

std::string WebPageAddress(std::string_view ipaddr) {
    std::string address = "http://";
    for (const char character : ipaddr) {
        const auto byte = static_cast<unsigned char>(character);
        if (KeptInAddress(byte)) {
            address += character;
            continue;
        }
        char escaped[4];
        std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
        address += escaped;
    }
    return address;
}

bool SameArray(std::string_view settings, std::string_view other) {
    return WithoutClock(std::string(settings)) == WithoutClock(std::string(other));
}

bool AnotherArrayAnswersFor(std::span<const DeviceRecord> devices, std::string_view selected) {
    const std::string address = GetSetting(selected, "nwk.ipaddr");
    return std::any_of(devices.begin(), devices.end(), [&](const DeviceRecord& record) {
        return GetSetting(record.settings, "nwk.ipaddr") == address &&
               !SameArray(record.settings, selected);
    });
}
