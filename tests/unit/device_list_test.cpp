#include "app/device_list.h"
#include "messaging/settings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(DeviceList, KeepsRepliesInArrivalOrderDuplicatesIncluded) {
    DeviceList list;
    ASSERT_TRUE(list.AddDevice("sys.hostname=alpha&nwk.ipaddr=10.0.0.5"));
    ASSERT_TRUE(list.AddDevice("sys.hostname=beta"));
    ASSERT_TRUE(list.AddDevice("sys.hostname=alpha&nwk.ipaddr=10.0.0.5"));
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list.At(0)->name, "alpha");
    EXPECT_EQ(list.At(1)->name, "beta");
    EXPECT_EQ(list.At(2)->name, "alpha");
    EXPECT_EQ(list.At(2)->settings, "sys.hostname=alpha&nwk.ipaddr=10.0.0.5");
}

TEST(DeviceList, NameIsTheHostNameCutToNineteenBytes) {
    DeviceList list;
    ASSERT_TRUE(list.AddDevice("nwk.ipaddr=10.0.0.5"));
    EXPECT_EQ(list.At(0)->name, "");

    const std::string settings = "a=1&sys.hostname=abcdefghijklmnopqrstuvwxyz&b=2";
    ASSERT_TRUE(list.AddDevice(settings));
    EXPECT_EQ(list.At(1)->name, "abcdefghijklmnopqrs");
    EXPECT_EQ(list.At(1)->settings, settings);

    ASSERT_TRUE(list.AddDevice("update=1&sys.hostname=real"));
    EXPECT_EQ(list.At(2)->name, "real");
}

TEST(DeviceList, NameCutNeverSplitsAChineseCharacter) {
    // "存" is B4 E6 in code page 936: nine of them fill 18 bytes, and the
    // tenth would straddle the limit, so the name keeps nine.
    std::string chinese;
    for (int i = 0; i < 10; ++i)
        chinese += "\xB4\xE6";
    DeviceList list;
    ASSERT_TRUE(list.AddDevice("sys.hostname=" + chinese));
    EXPECT_EQ(list.At(0)->name, chinese.substr(0, 18));

    // One ASCII byte first shifts the pairs: nine whole characters end at 19.
    ASSERT_TRUE(list.AddDevice("sys.hostname=Q" + chinese));
    EXPECT_EQ(list.At(1)->name, "Q" + chinese.substr(0, 18));

    // A lone lead byte at the very end stays out rather than dangling.
    ASSERT_TRUE(list.AddDevice("sys.hostname=abcdefghijklmnopqr\xB4"));
    EXPECT_EQ(list.At(2)->name, "abcdefghijklmnopqr");
}

TEST(DeviceList, RefusesPayloadsLongerThanASettingsString) {
    DeviceList list;
    std::string longest = "sys.hostname=x&pad=" + std::string(kMaxSettingsLength - 19, 'p');
    ASSERT_EQ(longest.size(), kMaxSettingsLength);
    EXPECT_TRUE(list.AddDevice(longest));
    EXPECT_FALSE(list.AddDevice(longest + "p"));
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list.At(0)->settings, longest);
}

TEST(DeviceList, LineIndexBelowZeroMeansTheFirstRecord) {
    DeviceList list;
    EXPECT_EQ(list.At(0), nullptr);
    EXPECT_EQ(list.At(-1), nullptr);
    list.AddDevice("sys.hostname=a");
    list.AddDevice("sys.hostname=b");
    EXPECT_EQ(list.At(-1)->name, "a");
    EXPECT_EQ(list.At(-1000)->name, "a");
    EXPECT_EQ(list.At(1)->name, "b");
    EXPECT_EQ(list.At(2), nullptr);
}

TEST(DeviceList, FreeDeviceListEmptiesTheListForTheNextSearch) {
    DeviceList list;
    list.AddDevice("sys.hostname=a");
    list.AddDevice("sys.hostname=b");
    list.FreeDeviceList();
    EXPECT_EQ(list.size(), 0u);
    EXPECT_EQ(list.At(0), nullptr);
    list.AddDevice("sys.hostname=c");
    EXPECT_EQ(list.At(0)->name, "c");
}

} // namespace
