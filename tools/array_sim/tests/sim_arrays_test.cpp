#include "messaging/settings.h"
#include "tools/array_sim/sim_arrays.h"
#include "tools/array_sim/sim_options.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(SimArrays, DefaultArraysAreDistinctAndCompleteAtEveryCount) {
    for (int count : {1, 3, 500}) {
        std::set<std::string> names, addresses, macs;
        for (const SimArray& array : DefaultArrays(count)) {
            const std::string& s = array.settings;
            EXPECT_LE(s.size(), kMaxSettingsLength);
            for (const char* key : {"nwk.bootproto", "nwk.netmask", "sys.gateway", "sys.dns",
                                    "date", "time", "sys.Time.timeZone", "sys.Time.ntpServer",
                                    "sys.Time.ntpServerList", "sys.model", "raid.level"})
                EXPECT_FALSE(GetSetting(s, key).empty()) << key;
            // Host names fit the wizard's 15-character edit box.
            EXPECT_LE(GetSetting(s, "sys.hostname").size(), 15u);
            names.insert(GetSetting(s, "sys.hostname"));
            addresses.insert(GetSetting(s, "nwk.ipaddr"));
            macs.insert(GetSetting(s, "nwk.mac"));
        }
        EXPECT_EQ(names.size() + addresses.size() + macs.size(), 3u * count);
        EXPECT_FALSE(names.contains("") || addresses.contains("") || macs.contains(""));
    }
    const auto arrays = DefaultArrays(2);
    EXPECT_EQ(GetSetting(arrays[0].settings, "nwk.bootproto") +
                  GetSetting(arrays[1].settings, "nwk.bootproto"),
              "nonedhcp");
    EXPECT_EQ(ArrayAddress(253) + " " + ArrayAddress(254), "10.77.1.254 10.77.2.1");
}

TEST(SimOptions, BadValuesAreRefusedWithAReason) {
    for (std::vector<std::string> args : {std::vector<std::string>{"--arrays"},
                                          {"--arrays", "0"},
                                          {"--arrays", "3x"},
                                          {"--arrays", "-1"},
                                          {"--delay-ms", "99999999999"},
                                          {"--duplicate", "0"},
                                          {"--reply-to", "1234567890123456"},
                                          {"--reply-to", ""},
                                          {"--password-of", "1"},
                                          {"--frobnicate"}}) {
        std::string error;
        EXPECT_FALSE(ParseOptions(args, error)) << args[0];
        EXPECT_FALSE(error.empty());
    }
}

TEST(SimOptions, PasswordsGoToAllArraysThenToSingleOnes) {
    std::string error;
    auto o = ParseOptions({"--password", "a& b", "--password-of", "2", "two"}, error);
    auto arrays = DefaultArrays(3);
    ASSERT_TRUE(o && ApplyPasswords(arrays, *o, error));
    EXPECT_EQ(arrays[0].password + "|" + arrays[1].password + "|" + arrays[2].password,
              "a& b|two|a& b");
    o = ParseOptions({"--password-of", "4", "x"}, error);
    EXPECT_FALSE(o && ApplyPasswords(arrays, *o, error));
    EXPECT_NE(error.find("only 3"), std::string::npos) << error;
}

} // namespace
