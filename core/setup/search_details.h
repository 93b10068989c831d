#pragma once
// What step 1 makes of the arrays' settings: the texts of its detail area, the
// address of an array's web page, and whether the selected array shares its
// address with another one.
#include "core/setup/device_list.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

// Host name, address with how it is configured, netmask, gateway, DNS server
// and MAC address, whole, as the settings give them.
inline constexpr int kDetailRows = 6;
std::array<std::string, kDetailRows> DetailTexts(std::string_view settings);

// "http://" and the address. Any byte an address has no use for (spaces,
// quotes, controls, bytes above 0x7E) is percent-encoded, so that a reply's
// value can neither end the address early nor add to the command line the
// shell starts the browser with.
std::string WebPageAddress(std::string_view ipaddr);

// Whether two search replies are one array's: the same settings but for the
// clock, which every reply reads afresh.
bool SameArray(std::string_view settings, std::string_view other);

// Every request names its array by address, and each array takes any request
// that names its own: true when `devices` holds another array reporting the
// nwk.ipaddr of `selected`, which the password check and the save would reach
// too. A repeated reply of one array is no other array, even when the array's
// clock moved on between its replies.
bool AnotherArrayAnswersFor(std::span<const DeviceRecord> devices, std::string_view selected);
