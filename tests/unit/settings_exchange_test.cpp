#include "messaging/settings_exchange.h"
#include "pages/datetime_settings.h"
#include "pages/network_settings.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

const std::string kArray = "sys.dns=8.8.8.8&sys.hostname=nas&x.fw=1.2&nwk.bootproto=none&"
                           "nwk.ipaddr=192.168.1.20&opt=a=b&nwk.netmask=255.255.255.0&"
                           "sys.gateway=192.168.1.1&nwk.mac=00:11:22:33:44:55";

NetworkValues LoadNetwork(const std::string& settings) {
    NetworkValues values;
    SettingsExchange dx = SettingsExchange::Loading(settings);
    ExchangeNetworkSettings(dx, values);
    return values;
}

// The target after saving `values` into it; `committed` tells whether it changed hands.
std::string SaveNetwork(std::string target, NetworkValues values, bool& committed) {
    SettingsExchange dx = SettingsExchange::Saving(target);
    ExchangeNetworkSettings(dx, values);
    committed = dx.Commit(target);
    return target;
}

TEST(NetworkSettings, LoadsOnlyTheExactWordDhcpAndAddressesAsTheControlWould) {
    const struct {
        std::string settings;
        bool dhcp;
        std::optional<Octets> ipaddr;
    } cases[] = {
        {"nwk.bootproto=dhcp&nwk.ipaddr=10.0.0.5", true, Octets{10, 0, 0, 5}},
        {"nwk.bootproto=DHCP&nwk.ipaddr=192.168.1", false, Octets{192, 168, 1, 0}},
        {"nwk.bootproto=static&nwk.ipaddr=1.2.3.4.5", false, Octets{1, 2, 3, 4}},
        {"nwk.bootproto=dhcp &nwk.ipaddr=300", false, Octets{44, 0, 0, 0}},
        {"nwk.bootproto=&nwk.ipaddr=0.0.0.0", false, Octets{}},
        {"nwk.bootproto=dhcp&nwk.ipaddr=", true, std::nullopt},
        {"sys.hostname=nas", false, std::nullopt},
    };
    for (const auto& c : cases) {
        NetworkValues values = LoadNetwork(c.settings);
        EXPECT_EQ(values.dhcp, c.dhcp) << c.settings;
        EXPECT_EQ(values.addresses[0], c.ipaddr) << c.settings;
    }
    NetworkValues array = LoadNetwork(kArray);
    EXPECT_EQ(array.hostName, "nas");
    EXPECT_EQ(array.addresses[1], (Octets{255, 255, 255, 0}));
    EXPECT_EQ(array.addresses[2], (Octets{192, 168, 1, 1}));
    EXPECT_EQ(array.addresses[3], (Octets{8, 8, 8, 8}));
    // Values are read whole, however long.
    EXPECT_EQ(LoadNetwork("sys.hostname=" + std::string(300, 'h')).hostName, std::string(300, 'h'));
}

TEST(NetworkSettings, SavesInPlaceAppendsAbsentKeysAndCommitsAllOrNothing) {
    const NetworkValues manual = {"nas2", false, {std::nullopt, Octets{}, Octets{10, 0, 0, 1}}};
    const NetworkValues dhcp = {"nas2", true, {Octets{1, 1, 1, 1}}};
    const std::string nearlyFull = "pad=" + std::string(990, 'p');
    const struct {
        std::string before;
        NetworkValues values;
        bool committed;
        std::string after;
    } cases[] = {
        {kArray, manual, true,
         "sys.dns=&sys.hostname=nas2&x.fw=1.2&nwk.bootproto=none&nwk.ipaddr=&opt=a=b&"
         "nwk.netmask=&sys.gateway=10.0.0.1&nwk.mac=00:11:22:33:44:55"},
        // DHCP leaves the four addresses as the array reported them.
        {kArray, dhcp, true,
         "sys.dns=8.8.8.8&sys.hostname=nas2&x.fw=1.2&nwk.bootproto=dhcp&"
         "nwk.ipaddr=192.168.1.20&opt=a=b&nwk.netmask=255.255.255.0&"
         "sys.gateway=192.168.1.1&nwk.mac=00:11:22:33:44:55"},
        {"u=1", manual, true,
         "u=1&sys.hostname=nas2&nwk.bootproto=none&nwk.ipaddr=&nwk.netmask=&"
         "sys.gateway=10.0.0.1&sys.dns="},
        {"", dhcp, true, "sys.hostname=nas2&nwk.bootproto=dhcp"},
        {kArray, {"a&nwk.bootproto=dhcp", false, {}}, false, kArray},
        {nearlyFull, dhcp, false, nearlyFull},
        {nearlyFull, {"", true, {}}, false, nearlyFull},
    };
    for (const auto& c : cases) {
        bool committed = false;
        EXPECT_EQ(SaveNetwork(c.before, c.values, committed), c.after) << c.values.hostName;
        EXPECT_EQ(committed, c.committed) << c.values.hostName;
    }
}

TEST(NetworkSettings, HostNamesHoldingSeparatorsAreRefused) {
    const struct {
        std::string hostName;
        bool refused;
    } cases[] = {
        {"nas", false}, {"", false},   {"\xb2\xe2\xca\xd4", false},
        {"a&b", true},  {"a=b", true}, {"=", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HostNameRefused(c.hostName), c.refused) << c.hostName;
}

// Date and time keys between two pairs the page does not own.
std::string DateTimeSettings(const std::string& zone, const std::string& date,
                             const std::string& time, const std::string& list,
                             const std::string& server) {
    return "u=1&sys.Time.timeZone=" + zone + "&date=" + date + "&time=" + time +
           "&sys.Time.ntpServerList=" + list + "&sys.Time.ntpServer=" + server + "&z=2";
}

TEST(DateTimeSettings, LoadsAndSavesBackWhatThePageShows) {
    const struct {
        std::string zone, list, server;
        int zoneRow, ntpSelected;
        std::string savedZone, savedServer;
    } cases[] = {
        {"Taipei", "a.ntp,a.ntp2", "a.ntp", 49, 1, "Taipei", "a.ntp"},
        {"Atlantic", "a.ntp,a.ntp2", "a.ntp2", 13, 2, "Atlantic", "a.ntp2"},
        {"GMT+08:00", "a.ntp,a.ntp2", "A.NTP", 49, 1, "Taipei", "a.ntp"},
        // No row, or no item, to write: the stored value stays byte for byte.
        {"Shanghai", "a.ntp,a.ntp2", "b.ntp", -1, -1, "Shanghai", "b.ntp"},
        {"beijing", "a.ntp,a.ntp2", "a.nt", -1, -1, "beijing", "a.nt"},
        {"", "a.ntp", "none", 62, 0, "Fiji", "none"},
        {"Fiji", "a.ntp", "None", 62, 0, "Fiji", "none"},
        {"Fiji", "", "NONE", 62, 0, "Fiji", "none"},
        {"Fiji", "", "", 62, 0, "Fiji", "none"},
        // The search starts at item 2, like the list's own.
        {"Fiji", "x,none", "none", 62, 2, "Fiji", "none"},
    };
    for (const auto& c : cases) {
        const std::string stored = DateTimeSettings(c.zone, "2006/3/7", "9:5:0", c.list, c.server);
        DateTimeValues values;
        SettingsExchange load = SettingsExchange::Loading(stored);
        ExchangeDateTimeSettings(load, values);
        EXPECT_EQ(values.zoneRow, c.zoneRow) << stored;
        EXPECT_EQ(values.date, (SettingDate{2006, 3, 7}));
        EXPECT_EQ(values.time, (SettingTime{9, 5, 0}));
        EXPECT_EQ(values.ntpSelected, c.ntpSelected) << stored;

        std::string target = stored;
        SettingsExchange save = SettingsExchange::Saving(target);
        ExchangeDateTimeSettings(save, values);
        EXPECT_TRUE(save.Commit(target));
        EXPECT_EQ(target,
                  DateTimeSettings(c.savedZone, "2006/03/07", "09:05:00", c.list, c.savedServer));
    }
}

TEST(DateTimeSettings, ServerListSkipsEmptyPiecesAndAbsentKeysAreAppendedInOrder) {
    DateTimeValues values;
    SettingsExchange load = SettingsExchange::Loading("sys.Time.ntpServerList=,a.ntp,,b.ntp,");
    ExchangeDateTimeSettings(load, values);
    EXPECT_EQ(values.ntpItems, (std::vector<std::string>{"None", "a.ntp", "b.ntp"}));

    values = {46, {2024, 2, 29}, {23, 59, 59}, {"None", "a.ntp"}, 1};
    std::string target = "u=1";
    SettingsExchange save = SettingsExchange::Saving(target);
    ExchangeDateTimeSettings(save, values);
    EXPECT_TRUE(save.Commit(target));
    EXPECT_EQ(target, "u=1&sys.Time.timeZone=Beijing&date=2024/02/29&time=23:59:59&"
                      "sys.Time.ntpServer=a.ntp");
}

TEST(SettingsExchange, OnlyASavingExchangeCommits) {
    std::string target = "a=1";
    SettingsExchange load = SettingsExchange::Loading("a=2");
    std::string value;
    load.Text("a", value);
    load.Pair("a", "a=3");
    EXPECT_EQ(value, "2");
    EXPECT_FALSE(load.Commit(target));
    EXPECT_EQ(target, "a=1");
}

} // namespace
