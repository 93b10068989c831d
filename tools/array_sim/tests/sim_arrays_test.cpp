#include "messaging/settings.h"
#include "tools/array_sim/sim_arrays.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

namespace {

TEST(SimArrays, DefaultArraysAreDistinctAndCompleteAtEveryCount) {
    for (int count : {1, 3, 500}) {
        const auto arrays = DefaultArrays(count);
        ASSERT_EQ(int(arrays.size()), count);
        std::set<std::string> names, addresses, macs;
        for (const SimArray& array : arrays) {
            const std::string& s = array.settings;
            EXPECT_LE(s.size(), kMaxSettingsLength);
            for (const char* key :
                 {"sys.hostname", "nwk.bootproto", "nwk.ipaddr", "nwk.netmask", "sys.gateway",
                  "sys.dns", "nwk.mac", "date", "time", "sys.Time.timeZone", "sys.Time.ntpServer",
                  "sys.Time.ntpServerList", "sys.model", "raid.level"})
                EXPECT_FALSE(GetSetting(s, key).empty()) << key;
            // Host names fit the wizard's 15-character edit box.
            EXPECT_LE(GetSetting(s, "sys.hostname").size(), 15u);
            names.insert(GetSetting(s, "sys.hostname"));
            addresses.insert(GetSetting(s, "nwk.ipaddr"));
            macs.insert(GetSetting(s, "nwk.mac"));
        }
        EXPECT_EQ(int(names.size()), count);
        EXPECT_EQ(int(addresses.size()), count);
        EXPECT_EQ(int(macs.size()), count);
    }
    const auto arrays = DefaultArrays(2);
    EXPECT_EQ(GetSetting(arrays[0].settings, "nwk.bootproto"), "none");
    EXPECT_EQ(GetSetting(arrays[1].settings, "nwk.bootproto"), "dhcp");
    EXPECT_EQ(arrays[0].password, kDefaultPassword);
}

TEST(SimArrays, AddressesStayInTheLabSubnet) {
    EXPECT_EQ(ArrayAddress(0), "10.77.1.1");
    EXPECT_EQ(ArrayAddress(253), "10.77.1.254");
    EXPECT_EQ(ArrayAddress(254), "10.77.2.1");
}

TEST(SimArrays, LoadArraysTakesOneSettingsStringPerLine) {
    std::string error;
    std::istringstream in("sys.hostname=a&nwk.ipaddr=10.77.1.1\r\n\nsys.hostname=b\n");
    const auto arrays = LoadArrays(in, error);
    ASSERT_TRUE(arrays);
    ASSERT_EQ(arrays->size(), 2u);
    EXPECT_EQ((*arrays)[0].settings, "sys.hostname=a&nwk.ipaddr=10.77.1.1");
    EXPECT_EQ((*arrays)[1].settings, "sys.hostname=b");

    std::istringstream tooLong("sys.hostname=a\n" + std::string(kMaxSettingsLength + 1, 'x'));
    EXPECT_FALSE(LoadArrays(tooLong, error));
    EXPECT_NE(error.find("line 2"), std::string::npos) << error;

    std::istringstream empty("\n\n");
    EXPECT_FALSE(LoadArrays(empty, error));
}

TEST(SimArrays, ReportedSettingsRefreshOnlyTheClockKeysThatArePresent) {
    using namespace std::chrono;
    const SimTime now = sys_days{year{2025} / 12 / 31} + hours{23} + minutes{59} + seconds{59};
    SimArray withClock{"a=1&date=x&time=y&z=2", "pw", {}};
    EXPECT_EQ(ReportedSettings(withClock, now), "a=1&date=2025/12/31&time=23:59:59&z=2");
    SimArray withoutClock{"a=1&z=2", "pw", {}};
    EXPECT_EQ(ReportedSettings(withoutClock, now), "a=1&z=2");
}

} // namespace
