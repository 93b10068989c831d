#include "messaging/settings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

const std::string kArray = "sys.hostname=nas&nwk.bootproto=dhcp&nwk.ipaddr=10.0.0.5";

TEST(GetSetting, Cases) {
    const std::string longKey(98, 'k'), longValue(600, 'v'), longer(300, 'q');
    const std::string zones = "sys.Time.ntpServerList=a,b&sys.Time.timeZone=Taipei&update=1";
    const struct {
        std::string text, key, value;
    } cases[] = {
        {kArray, "sys.hostname", "nas"},
        {kArray, "nwk.bootproto", "dhcp"},
        {kArray, "sys.dns", ""},
        // An empty value never runs on into the next pair.
        {"sys.hostname=&nwk.bootproto=dhcp", "sys.hostname", ""},
        {"a=1&sys.dns=", "sys.dns", ""},
        // Keys match whole, only at the start or after "&": a key that ends
        // another key, or text inside a value, never reads that pair.
        {zones, "sys.Time.ntpServer", ""},
        {zones, "time", ""},
        {zones, "Time.timeZone", ""},
        {"update=1&date=2006/10/26", "date", "2006/10/26"},
        {"note=x=evil&x=1", "x", "1"},
        {"note=a&b=evil", "b", "evil"},
        {"note=x=evil", "x", ""},
        {"opt=a=b&x=1", "opt", "a=b"},
        {"k=1&k=2", "k", "1"},
        // Long keys and values are read whole.
        {"a=1&" + longKey + "=" + longValue + "&b=2", longKey, longValue},
        {"a=1&" + longKey + "=" + longValue + "&b=2", std::string(97, 'k'), ""},
        {longer + "=z", longer, "z"},
        // Keys that cannot name a pair find nothing.
        {"=v&a=1", "", ""},
        {"a&b=1", "a&b", ""},
        {"a=b=1", "a=b", ""},
        {"a=1", "a\0"s, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetSetting(c.text, c.key), c.value) << c.text.substr(0, 60) << " / " << c.key;
}

TEST(ReplaceSetting, Cases) {
    const std::string full = "k=" + std::string(993, 'v'); // 995 characters
    const std::string host = "sys.hostname=nas&nwk.bootproto=dhcp";
    const struct {
        std::string text, key, pair;
        bool done;
        std::string after; // when refused, the text stays as it was
    } cases[] = {
        {kArray, "nwk.bootproto", "nwk.bootproto=none", true,
         "sys.hostname=nas&nwk.bootproto=none&nwk.ipaddr=10.0.0.5"},
        {kArray, "sys.hostname", "sys.hostname=a-much-longer-name", true,
         "sys.hostname=a-much-longer-name&nwk.bootproto=dhcp&nwk.ipaddr=10.0.0.5"},
        {"update=1&date=2006/10/26&x=date=", "date", "date=2007/01/02", true,
         "update=1&date=2007/01/02&x=date="},
        {"sys.hostname=&nwk.bootproto=dhcp", "sys.hostname", "sys.hostname=nas", true, host},
        // An absent key is appended.
        {"a=1", "sys.dns", "sys.dns=8.8.8.8", true, "a=1&sys.dns=8.8.8.8"},
        {"", "date", "date=2006/03/07", true, "date=2006/03/07"},
        // The result never passes 999 characters.
        {full, "k", "k=" + std::string(998, 'w'), false, ""},
        {full, "x", "x=12", false, ""},
        {full, "x", "x=1", true, full + "&x=1"},
        {full + "&x=1", "k", "k=" + std::string(993, 'w'), true,
         "k=" + std::string(993, 'w') + "&x=1"},
        // Pairs that would corrupt the text, and keys that name no pair.
        {host, "sys.hostname", "sys.hostname=a&nwk.bootproto=none", false, ""},
        {host, "sys.hostname", "nwk.bootproto=x", false, ""},
        {host, "sys.hostname", "sys.hostnamex=1", false, ""},
        {host, "sys.hostname", "", false, ""},
        {host, "sys.hostname", "sys.hostname=a\0b"s, false, ""},
        {host, "", "=1", false, ""},
        {host, "a&b", "a&b=1", false, ""},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(ReplaceSetting(text, c.key, c.pair), c.done) << c.key << " / " << c.pair;
        EXPECT_EQ(text, c.done ? c.after : c.text) << c.key << " / " << c.pair;
        if (c.done)
            EXPECT_EQ(GetSetting(text, c.key), c.pair.substr(c.key.size() + 1));
    }
}

} // namespace
