#include "messaging/settings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

const std::string kArray = "sys.hostname=nas&nwk.bootproto=dhcp&nwk.ipaddr=10.0.0.5";

TEST(GetSetting, ReadsFirstMiddleAndLastPair) {
    EXPECT_EQ(GetSetting(kArray, "sys.hostname"), "nas");
    EXPECT_EQ(GetSetting(kArray, "nwk.bootproto"), "dhcp");
    EXPECT_EQ(GetSetting("a=1&nwk.mac=00:11:22:33:44:55", "nwk.mac"), "00:11:22:33:44:55");
}

TEST(GetSetting, AbsentKeyAndEmptyValueGiveEmptyText) {
    EXPECT_EQ(GetSetting(kArray, "sys.dns"), "");
    EXPECT_EQ(GetSetting("", "sys.dns"), "");
    // An empty value must never run on into the next pair.
    EXPECT_EQ(GetSetting("sys.hostname=&nwk.bootproto=dhcp", "sys.hostname"), "");
    EXPECT_EQ(GetSetting("sys.hostname=&nwk.bootproto=dhcp", "nwk.bootproto"), "dhcp");
    EXPECT_EQ(GetSetting("a=1&sys.dns=", "sys.dns"), "");
}

TEST(GetSetting, KeyMatchesOnlyAWholeKey) {
    std::string text = "sys.Time.ntpServerList=a,b&sys.Time.timeZone=Taipei&update=1";
    EXPECT_EQ(GetSetting(text, "sys.Time.ntpServer"), "");
    EXPECT_EQ(GetSetting(text, "time"), "");
    EXPECT_EQ(GetSetting(text, "Time.timeZone"), "");
    // A key that ends another key must not read that pair.
    EXPECT_EQ(GetSetting("update=1&date=2006/10/26", "date"), "2006/10/26");
    // Nor may a value that looks like a pair hijack the lookup.
    EXPECT_EQ(GetSetting("note=x=evil&x=1", "x"), "1");
    EXPECT_EQ(GetSetting("note=a&b=evil", "b"), "evil");
    EXPECT_EQ(GetSetting("note=x=evil", "x"), "");
}

TEST(GetSetting, OnlyTheFirstEqualsSignBelongsToTheKey) {
    EXPECT_EQ(GetSetting("opt=a=b&x=1", "opt"), "a=b");
    EXPECT_EQ(GetSetting("opt==&x=1", "opt"), "=");
}

TEST(GetSetting, FirstOfRepeatedKeysWins) {
    EXPECT_EQ(GetSetting("k=1&k=2", "k"), "1");
}

TEST(GetSetting, LongKeysAndValuesAreReadWhole) {
    std::string key(98, 'k');
    std::string value(600, 'v');
    std::string text = "a=1&" + key + "=" + value + "&b=2";
    EXPECT_EQ(GetSetting(text, key), value);
    EXPECT_EQ(GetSetting(text, std::string(97, 'k')), "");
    std::string longerKey(300, 'q');
    EXPECT_EQ(GetSetting(longerKey + "=z", longerKey), "z");
}

TEST(GetSetting, KeysThatCannotNameAPairFindNothing) {
    EXPECT_EQ(GetSetting("=v&a=1", ""), "");
    EXPECT_EQ(GetSetting("a&b=1", "a&b"), "");
    EXPECT_EQ(GetSetting("a=b=1", "a=b"), "");
    EXPECT_EQ(GetSetting("a=1", "a\0"s), "");
}

TEST(ReplaceSetting, ReplacesOnlyThePairAndKeepsSeparators) {
    std::string text = kArray;
    ASSERT_TRUE(ReplaceSetting(text, "nwk.bootproto", "nwk.bootproto=none"));
    EXPECT_EQ(text, "sys.hostname=nas&nwk.bootproto=none&nwk.ipaddr=10.0.0.5");

    ASSERT_TRUE(ReplaceSetting(text, "sys.hostname", "sys.hostname=a-much-longer-name"));
    EXPECT_EQ(text, "sys.hostname=a-much-longer-name&nwk.bootproto=none&nwk.ipaddr=10.0.0.5");

    ASSERT_TRUE(ReplaceSetting(text, "nwk.ipaddr", "nwk.ipaddr="));
    EXPECT_EQ(text, "sys.hostname=a-much-longer-name&nwk.bootproto=none&nwk.ipaddr=");
}

TEST(ReplaceSetting, ChangesThePairThatGetSettingReads) {
    std::string text = "update=1&date=2006/10/26&x=date=";
    ASSERT_TRUE(ReplaceSetting(text, "date", "date=2007/01/02"));
    EXPECT_EQ(text, "update=1&date=2007/01/02&x=date=");
    EXPECT_EQ(GetSetting(text, "date"), "2007/01/02");
}

TEST(ReplaceSetting, EmptyValueIsReplacedWithoutTouchingTheNextPair) {
    std::string text = "sys.hostname=&nwk.bootproto=dhcp";
    ASSERT_TRUE(ReplaceSetting(text, "sys.hostname", "sys.hostname=nas"));
    EXPECT_EQ(text, "sys.hostname=nas&nwk.bootproto=dhcp");
}

TEST(ReplaceSetting, AbsentKeyIsAppended) {
    std::string text = "a=1";
    ASSERT_TRUE(ReplaceSetting(text, "sys.dns", "sys.dns=8.8.8.8"));
    EXPECT_EQ(text, "a=1&sys.dns=8.8.8.8");
    std::string empty;
    ASSERT_TRUE(ReplaceSetting(empty, "date", "date=2006/03/07"));
    EXPECT_EQ(empty, "date=2006/03/07");
}

TEST(ReplaceSetting, ResultIsNeverLongerThanTheLimit) {
    // 995 characters: "k=" plus 993 bytes.
    std::string text = "k=" + std::string(993, 'v');
    std::string before = text;
    EXPECT_FALSE(ReplaceSetting(text, "k", "k=" + std::string(998, 'w')));
    EXPECT_EQ(text, before);
    EXPECT_FALSE(ReplaceSetting(text, "x", "x=12")); // "&x=12" would make 1000
    EXPECT_EQ(text, before);

    ASSERT_TRUE(ReplaceSetting(text, "x", "x=1")); // exactly 999
    EXPECT_EQ(text.size(), kMaxSettingsLength);
    ASSERT_TRUE(ReplaceSetting(text, "k", "k=" + std::string(993, 'w')));
    EXPECT_EQ(text.size(), kMaxSettingsLength);
}

TEST(ReplaceSetting, RefusesPairsThatWouldCorruptTheText) {
    const std::string original = "sys.hostname=nas&nwk.bootproto=dhcp";
    for (std::string pair : {"sys.hostname=a&nwk.bootproto=none"s, "nwk.bootproto=x"s,
                             "sys.hostname"s, "sys.hostnamex=1"s, ""s, "sys.hostname=a\0b"s}) {
        std::string text = original;
        EXPECT_FALSE(ReplaceSetting(text, "sys.hostname", pair)) << pair;
        EXPECT_EQ(text, original);
    }
    std::string text = original;
    EXPECT_FALSE(ReplaceSetting(text, "", "=1"));
    EXPECT_FALSE(ReplaceSetting(text, "a&b", "a&b=1"));
    EXPECT_EQ(text, original);
}

} // namespace
