#include "core/setup/network_settings.h"

#include "core/text/cp936.h"

namespace {

constexpr std::string_view kAddressKeys[] = {"nwk.ipaddr", "nwk.netmask", "sys.gateway", "sys.dns"};

// Unicode's simple lower case, for the capitals code page 936 holds.
char16_t LowerCase(char16_t c) {
    if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) ||
        (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) || (c >= 0x410 && c <= 0x42F) ||
        (c >= 0xFF21 && c <= 0xFF3A))
        return static_cast<char16_t>(c + 0x20);
    if (c >= 0x400 && c <= 0x40F)
        return static_cast<char16_t>(c + 0x50);
    if (c >= 0x2160 && c <= 0x216F)
        return static_cast<char16_t>(c + 0x10);
    return c;
}

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

std::string LowerHostName(std::string_view hostName) {
    // Character by character: a trail byte may be an ASCII capital's (0x41 to
    // 0x5A), and a byte that starts no character is no letter.
    std::string lowered;
    for (std::size_t i = 0; i < hostName.size();) {
        const auto lead = static_cast<unsigned char>(hostName[i]);
        const std::size_t length = lead >= 0x81 && lead <= 0xFE && i + 1 < hostName.size() ? 2 : 1;
        const std::string_view character = hostName.substr(i, length);
        std::optional<std::u16string> text = cp936::DecodeStrict(character);
        if (!text) {
            lowered += hostName[i++];
            continue;
        }
        for (char16_t& unit : *text)
            unit = LowerCase(unit);
        lowered += cp936::EncodeStrict(*text).value_or(std::string(character));
        i += length;
    }
    return lowered;
}
