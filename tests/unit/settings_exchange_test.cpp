#include "core/settings/settings_exchange.h"
#include "core/setup/datetime_settings.h"
#include "core/setup/network_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

const std::string kArray = "sys.dns=8.8.8.8&sys.hostname=nas&x=1&nwk.bootproto=none&nwk.ipaddr="
                           "1.2.3.4&opt=a=b&nwk.netmask=255.0.0.0&sys.gateway=1.2.3.1&z=2";

template <class Values, class Block> Values Load(const std::string& settings, Block block) {
    Values values;
    SettingsExchange dx = SettingsExchange::Loading(settings);
    block(dx, values);
    return values;
}

// The target after saving `values` into it, or "-" when nothing was committed.
template <class Values, class Block>
std::string Save(std::string target, Values values, Block block) {
    SettingsExchange dx = SettingsExchange::Saving(target);
    block(dx, values);
    return dx.Commit(target) ? target : "-";
}

TEST(NetworkSettings, LoadsOnlyTheExactWordDhcpAndAddressesAsTheControlWould) {
    const std::tuple<std::string, bool, std::optional<Octets>> cases[] = {
        {"nwk.bootproto=DHCP&nwk.ipaddr=192..168.1", false, Octets{192, 168, 1, 0}},
        {"nwk.bootproto=dhcp &nwk.ipaddr=300.1.2.3.4", false, Octets{44, 1, 2, 3}},
        {"nwk.ipaddr=99999999999999999999.-99999999999999999999.4294967296.x", false,
         Octets{255, 0, 255, 0}},
        {"nwk.bootproto=dhcp&nwk.ipaddr=", true, std::nullopt},
    };
    for (const auto& [settings, dhcp, ipaddr] : cases) {
        const auto values = Load<NetworkValues>(settings, ExchangeNetworkSettings);
        EXPECT_TRUE(values.dhcp == dhcp && values.addresses[0] == ipaddr) << settings;
    }
}

TEST(NetworkSettings, SavesWhatChangedInPlaceAndAppendsAbsentKeys) {
    const NetworkValues manual = {"nas2", false, {std::nullopt, Octets{}, Octets{10, 0, 0, 1}}};
    const NetworkValues dhcp = {"nas2", true, {Octets{1, 1, 1, 1}}};
    const std::string full = "p=" + std::string(960, 'p') + "&sys.hostname=nas2&nwk.bootproto=dhcp";
    const std::tuple<std::string, NetworkValues, std::string> cases[] = {
        // A blank address stored as an address is a change; the mode that was is none.
        {kArray, manual,
         "sys.dns=&sys.hostname=nas2&x=1&nwk.bootproto=none&nwk.ipaddr=&opt=a=b&nwk.netmask=&"
         "sys.gateway=10.0.0.1&z=2"},
        // DHCP leaves the four addresses as the array reported them.
        {kArray, dhcp,
         "sys.dns=8.8.8.8&sys.hostname=nas2&x=1&nwk.bootproto=dhcp&nwk.ipaddr=1.2.3.4&opt=a=b&"
         "nwk.netmask=255.0.0.0&sys.gateway=1.2.3.1&z=2"},
        // Absent keys that a blank control or the fixed mode leave as they were stay absent.
        {"u=1", manual, "u=1&sys.hostname=nas2&sys.gateway=10.0.0.1"},
        // Committed up to the last character an array can hold.
        {full.substr(0, 962), dhcp, full},
    };
    for (const auto& [before, values, after] : cases)
        EXPECT_EQ(Save(before, values, ExchangeNetworkSettings), after) << values.hostName;
}

// Date and time keys between two pairs the page does not own.
std::string DateTimeSettings(const std::string& zone, const std::string& date,
                             const std::string& time, const std::string& list,
                             const std::string& server) {
    return "u=1&sys.Time.timeZone=" + zone + "&date=" + date + "&time=" + time +
           "&sys.Time.ntpServerList=" + list + "&sys.Time.ntpServer=" + server + "&z=2";
}

TEST(DateTimeSettings, LoadsWhatThePageShowsAndSavesWhatChanged) {
    // Stored zone, server list and server; the row and item loaded. Saved unchanged, the
    // date and time go back padded, zone and server as stored, empty or absent ones too.
    const std::tuple<std::string, std::string, std::string, int, int> cases[] = {
        // A value no zone word equals selects the last row containing it.
        {"Atlantic Time", "a.ntp,a.ntp2", "a.ntp2", 13, 2},
        {"tlantic", "a.ntp,a.ntp2", "A.NTP", 19, 1},
        {"", "", "NONE", 62, 0},
        {"beijing", "a.ntp,a.ntp2", "a.nt", -1, -1},
        {"EOF", "", "", -1, 0},
        // The search starts at item 2, like the list's own; empty pieces are no items.
        {"Fiji", "x,none", "none", 62, 2},
        {"Fiji", ",a.ntp,,b.ntp,", "b.ntp", 62, 2},
    };
    for (const auto& [zone, list, server, zoneRow, ntpItem] : cases) {
        const std::string stored = DateTimeSettings(zone, "2006/3/7", "9:5:0", list, server);
        auto values = Load<DateTimeValues>(stored, ExchangeDateTimeSettings);
        EXPECT_EQ(std::pair(values.zoneRow, values.ntpSelected), std::pair(zoneRow, ntpItem))
            << stored;
        EXPECT_EQ(Save(stored, values, ExchangeDateTimeSettings),
                  DateTimeSettings(zone, "2006/03/07", "09:05:00", list, server));
        // A row and an item chosen are written as their zone word and server.
        values.zoneRow = 4;
        values.ntpSelected = 0;
        EXPECT_EQ(Save(stored, values, ExchangeDateTimeSettings),
                  DateTimeSettings("Pacific", "2006/03/07", "09:05:00", list,
                                   ntpItem == 0 ? server : "none"));
    }
}

} // namespace
