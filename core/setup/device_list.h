#pragma once
// The arrays a step-1 window's last search found, in the order their replies
// arrived.
#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct DeviceRecord {
    std::string name;         // sys.hostname, cut to kMaxDeviceNameLength bytes, whole characters
    std::string settings;     // the "GETOK" payload, unchanged
    std::string localAddress; // this computer's address that the reply named
    // When the reply came: the array's date and time in it were read then.
    std::chrono::steady_clock::time_point receivedAt;
};

inline constexpr std::size_t kMaxDeviceNameLength = 19;

class DeviceList {
public:
    // False, adding nothing, when the payload is longer than a settings string
    // may be: a cut copy would later be sent back to the array corrupted.
    bool AddDevice(std::string_view settings, std::string_view localAddress = {});
    void FreeDeviceList();

    // The record of list line `index`; line 0 or less (LB_ERR too) is the first.
    // Null when there is no such record.
    const DeviceRecord* At(int index) const;
    std::size_t size() const { return m_records.size(); }
    auto begin() const { return m_records.begin(); }
    auto end() const { return m_records.end(); }

private:
    std::vector<DeviceRecord> m_records;
};
