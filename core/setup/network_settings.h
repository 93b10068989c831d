#pragma once
// The values of the network settings page and their one exchange block.
#include "core/settings/settings_exchange.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

struct NetworkValues {
    std::string hostName; // code-page-936 bytes
    bool dhcp = false;
    // nwk.ipaddr, nwk.netmask, sys.gateway, sys.dns
    std::array<std::optional<Octets>, 4> addresses;
};

// Saving writes the host name and the boot protocol, and the four addresses
// only for a fixed address: with DHCP the array keeps its stored ones. Each
// only where it changed.
void ExchangeNetworkSettings(SettingsExchange& dx, NetworkValues& values);

// A new host name takes at most this many code-page-936 bytes, as the array
// counts them; a longer name the array already has is kept whole.
inline constexpr int kHostNameBytes = 15;

// `hostName` (code-page-936 bytes) as the wizard's host name box takes it
// typed (ES_LOWERCASE): each capital letter the code page has lowered as
// Unicode lowers it (ASCII, Latin-1, Greek, Cyrillic, the Roman numerals, the
// full-width Latin letters), every other byte as it is.
std::string LowerHostName(std::string_view hostName);

// A host name the array could misread as more pairs: holds "&" or "=".
bool HostNameRefused(std::string_view hostName);
