#include "app/device_list.h"
#include "messaging/message.h"
#include "messaging/settings.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using namespace std::string_literals;

// Each pair replaced, or refused ("-": the text unchanged), then read back by its key.
TEST(Settings, ReplaceAndGet) {
    const std::string full = "k=" + std::string(993, 'v'); // 995 characters
    const std::string host = "sys.hostname=nas&nwk.bootproto=dhcp";
    const std::tuple<std::string, std::string, std::string, std::string> cases[] = {
        {host, "sys.hostname", "sys.hostname=", "sys.hostname=&nwk.bootproto=dhcp"},
        {host, "nwk.bootproto", "nwk.bootproto=none", "sys.hostname=nas&nwk.bootproto=none"},
        // Keys match whole, only at the start or after "&"; values are read whole.
        {"update=1&date=1&x=date=", "date", "date=22", "update=1&date=22&x=date="},
        {"note=x=evil&x=1", "x", "x=2", "note=x=evil&x=2"},
        {"opt=a&x=1", "opt", "opt=a=b", "opt=a=b&x=1"},
        {"sys.Time.ntpServerList=a", "sys.Time.ntpServer", "sys.Time.ntpServer=b",
         "sys.Time.ntpServerList=a&sys.Time.ntpServer=b"},
        // An absent key is appended.
        {"a=1", "sys.dns", "sys.dns=8.8.8.8", "a=1&sys.dns=8.8.8.8"},
        {"", "a", "a=1", "a=1"},
        // The result never passes 999 characters.
        {full, "k", "k=" + std::string(998, 'w'), "-"},
        {full, "x", "x=12", "-"},
        {full, "x", "x=1", full + "&x=1"},
        // A value must not add pairs or cut the text.
        {host, "sys.hostname", "sys.hostname=a&nwk.bootproto=none", "-"},
        {host, "sys.hostname", "sys.hostname=a\0b"s, "-"},
    };
    for (const auto& [before, key, pair, after] : cases) {
        std::string text = before;
        EXPECT_EQ(ReplaceSetting(text, key, pair), after != "-") << key << " / " << pair;
        EXPECT_EQ(text, after == "-" ? before : after) << key << " / " << pair;
        if (after != "-")
            EXPECT_EQ(GetSetting(text, key), pair.substr(key.size() + 1)) << text;
    }
}

TEST(BuildRequest, Cases) {
    const std::string full(kMaxPayloadLength, 's');
    const std::tuple<std::string, std::string, std::string, std::string> cases[] = {
        {"192.168.1.20", "SET", "a=1", "192.168.1.20   SET       a=1"},
        {"255.255.255.255", "VERIFYFAIL", "", "255.255.255.255VERIFYFAIL"},
        {"", "VERIFY", "passwd=x", std::string(15, ' ') + "VERIFY    passwd=x"},
        // A cut address could be another array's, a cut payload other settings.
        {"192.168.100.2001", "SET", "p=1", ""},
        {"10.0.0.5", "SET", full, "10.0.0.5       SET       " + full},
        {"10.0.0.5", "SET", full + "s", ""},
    };
    for (const auto& [address, command, payload, request] : cases)
        EXPECT_EQ(BuildRequest(address, command, payload), request) << request.size();
}

TEST(ParseReply, Cases) {
    const std::pair<std::string, std::string> cases[] = {
        // datagram, command|payload ("-": refused, "+cut": a NUL cut text off)
        {BuildRequest("192.168.1.20", "GETOK", "sys.hostname=nas"), "GETOK|sys.hostname=nas"},
        // Any of this computer's addresses, compared whole as text.
        {BuildRequest("172.16.0.9", "SETOK", ""), "SETOK|"},
        {BuildRequest("192.168.1.2", "SETOK", ""), "-"},
        {BuildRequest("192.168.1.201", "SETOK", ""), "-"},
        {BuildRequest("192.168.001.020", "SETOK", ""), "-"},
        {BuildRequest("", "SETOK", ""), "-"},
        // The command is the ten-byte field's first word.
        {BuildRequest("192.168.1.20", "SETOK x", ""), "SETOK|"},
        {"192.168.1.20   VERIFYFAILextra", "VERIFYFAIL|extra"},
        // The text ends at the first NUL; NULs alone after it cut nothing off.
        {BuildRequest("192.168.1.20", "GETOK", "a=1\0b=2"s), "GETOK|a=1+cut"},
        {BuildRequest("192.168.1.20", "GETOK", "a=1\0\0"s), "GETOK|a=1"},
        {"\0"s + BuildRequest("192.168.1.20", "GETOK", ""), "-"},
    };
    for (const auto& [datagram, expected] : cases) {
        const Reply r = ParseReply(datagram, {"10.1.0.1", "192.168.1.20", "172.16.0.9"});
        EXPECT_EQ(r.accepted ? r.command + "|" + r.payload + (r.cut ? "+cut" : "") : "-", expected)
            << datagram;
    }
}

TEST(DeviceList, KeepsRecordsInOrderNamedByHostNamesCutToWholeCharacters) {
    // 0xB4 opens a two-byte character in code page 936: a tenth would straddle 19 bytes.
    const std::string zh(20, '\xB4');
    const std::pair<std::string, std::string> cases[] = {
        {"sys.hostname=alpha&nwk.ipaddr=10.0.0.5", "alpha"},
        {"nwk.ipaddr=10.0.0.5", ""},
        {"a=1&sys.hostname=abcdefghijklmnopqrstuvwxyz&b=2", "abcdefghijklmnopqrs"},
        {"sys.hostname=" + zh, zh.substr(0, 18)},
        {"sys.hostname=Q" + zh, "Q" + zh.substr(0, 18)},
        {"sys.hostname=abcdefghijklmnopqr\xB4", "abcdefghijklmnopqr"},
        // The longest payload a settings string can be, and one byte more.
        {"sys.hostname=x&p=" + std::string(kMaxSettingsLength - 17, 'p'), "x"},
    };
    DeviceList list;
    for (int i = 0; const auto& [settings, name] : cases) {
        ASSERT_TRUE(list.AddDevice(settings));
        EXPECT_TRUE(list.At(i)->name == name && list.At(i++)->settings == settings) << name;
    }
    EXPECT_FALSE(list.AddDevice(cases[6].first + "p"));
    EXPECT_EQ(list.size(), std::size(cases));
}

} // namespace
