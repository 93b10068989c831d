#include "app/device_list.h"
#include "messaging/settings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(DeviceList, RecordsInArrivalOrderNamedByTheirHostNameCutToWholeCharacters) {
    // "存" is B4 E6 in code page 936: nine of them fill 18 bytes and a tenth
    // would straddle the 19-byte limit.
    std::string chinese;
    for (int i = 0; i < 10; ++i)
        chinese += "\xB4\xE6";
    const struct {
        std::string settings, name;
    } cases[] = {
        {"sys.hostname=alpha&nwk.ipaddr=10.0.0.5", "alpha"},
        {"sys.hostname=beta", "beta"},
        {"sys.hostname=alpha&nwk.ipaddr=10.0.0.5", "alpha"}, // duplicates stay
        {"nwk.ipaddr=10.0.0.5", ""},
        {"a=1&sys.hostname=abcdefghijklmnopqrstuvwxyz&b=2", "abcdefghijklmnopqrs"},
        {"update=1&sys.hostname=real", "real"},
        {"sys.hostname=" + chinese, chinese.substr(0, 18)},
        {"sys.hostname=Q" + chinese, "Q" + chinese.substr(0, 18)},
        {"sys.hostname=abcdefghijklmnopqr\xB4", "abcdefghijklmnopqr"}, // no dangling lead byte
    };
    DeviceList list;
    for (const auto& c : cases)
        ASSERT_TRUE(list.AddDevice(c.settings));
    ASSERT_EQ(list.size(), std::size(cases));
    for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
        EXPECT_EQ(list.At(i)->name, cases[i].name) << i;
        EXPECT_EQ(list.At(i)->settings, cases[i].settings) << i;
    }
    // A list-box index below zero (no selection) means the first record.
    EXPECT_EQ(list.At(-1), list.At(0));
    EXPECT_EQ(list.At(-1000), list.At(0));
    EXPECT_EQ(list.At(static_cast<int>(std::size(cases))), nullptr);

    list.FreeDeviceList();
    EXPECT_EQ(list.size(), 0u);
    EXPECT_EQ(list.At(0), nullptr);
    EXPECT_EQ(list.At(-1), nullptr);
    list.AddDevice("sys.hostname=c");
    EXPECT_EQ(list.At(0)->name, "c");
}

TEST(DeviceList, RefusesPayloadsLongerThanASettingsString) {
    DeviceList list;
    std::string longest = "sys.hostname=x&pad=" + std::string(kMaxSettingsLength - 19, 'p');
    EXPECT_TRUE(list.AddDevice(longest));
    EXPECT_FALSE(list.AddDevice(longest + "p"));
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list.At(0)->settings, longest);
}

} // namespace
