#include "core/setup/network_settings.h"

namespace {

constexpr std::string_view kAddressKeys[] = {"nwk.ipaddr", "nwk.netmask", "sys.gateway", "sys.dns"};

} // namespace

void ExchangeNetworkSettings(SettingsExchange& dx, NetworkValues& values) {
    dx.Text("sys.hostname", values.hostName);

    // Only the exact word means DHCP; anything else, "DHCP" included, loads as a fixed address.
    dx.Choice("nwk.bootproto", values.dhcp, "dhcp", "none");

    if (dx.IsSaving() && values.dhcp)
        return;
    for (std::size_t i = 0; i < values.addresses.size(); ++i)
        dx.Address(kAddressKeys[i], values.addresses[i]);
}

bool HostNameRefused(std::string_view hostName) {
    return hostName.find_first_of("&=") != std::string_view::npos;
}
