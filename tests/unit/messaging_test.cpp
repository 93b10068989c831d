#include "app/device_list.h"
#include "messaging/message.h"
#include "messaging/settings.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

TEST(GetSetting, Cases) {
    const struct {
        std::string text, key, value;
    } cases[] = {
        {"sys.hostname=nas&nwk.bootproto=dhcp", "nwk.bootproto", "dhcp"},
        {"sys.hostname=&nwk.bootproto=dhcp", "sys.hostname", ""},
        // Keys match whole, only at the start or after "&".
        {"sys.Time.ntpServerList=a,b", "sys.Time.ntpServer", ""},
        {"update=1&date=2006/10/26", "date", "2006/10/26"},
        {"note=x=evil&x=1", "x", "1"},
        {"opt=a=b&x=1", "opt", "a=b"},
        // Keys that cannot name a pair find nothing.
        {"=v&a=1", "", ""},
        {"a&b=1", "a&b", ""},
        {"a=b=1", "a=b", ""},
        {"a\0=1&a=2"s, "a\0"s, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetSetting(c.text, c.key), c.value) << c.text.substr(0, 60) << " / " << c.key;
}

TEST(ReplaceSetting, Cases) {
    const std::string full = "k=" + std::string(993, 'v'); // 995 characters
    const std::string host = "sys.hostname=nas&nwk.bootproto=dhcp";
    const struct {
        std::string text, key, pair;
        std::string after; // "-": refused, the text stays as it was
    } cases[] = {
        {host, "sys.hostname", "sys.hostname=n2", "sys.hostname=n2&nwk.bootproto=dhcp"},
        {"update=1&date=1&x=date=", "date", "date=22", "update=1&date=22&x=date="},
        // An absent key is appended.
        {"a=1", "sys.dns", "sys.dns=8.8.8.8", "a=1&sys.dns=8.8.8.8"},
        // The result never passes 999 characters.
        {full, "k", "k=" + std::string(998, 'w'), "-"},
        {full, "x", "x=12", "-"},
        {full, "x", "x=1", full + "&x=1"},
        // Pairs that would corrupt the text, and keys that name no pair.
        {host, "sys.hostname", "sys.hostname=a&nwk.bootproto=none", "-"},
        {host, "sys.hostname", "sys.hostname=a\0b"s, "-"},
        {host, "sys.hostname", "sys.gateway1=1", "-"},
        {host, "sys.hostname", "sys.hostnamex=1", "-"},
        {host, "", "=1", "-"},
        {host, "a&b", "a&b=1", "-"},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(ReplaceSetting(text, c.key, c.pair), c.after != "-") << c.key << " / " << c.pair;
        EXPECT_EQ(text, c.after == "-" ? c.text : c.after) << c.key << " / " << c.pair;
    }
}

// A datagram as an array sends it: padded fields, then the payload.
std::string Datagram(const std::string& address, const std::string& word,
                     const std::string& payload = "") {
    return address + std::string(15 - address.size(), ' ') + word +
           std::string(10 - word.size(), ' ') + payload;
}

TEST(BuildRequest, Cases) {
    const std::string full(kMaxPayloadLength, 's');
    const struct {
        std::string address, command, payload, request;
    } cases[] = {
        {"192.168.1.20", "SET", "a=1", "192.168.1.20   SET       a=1"},
        {"255.255.255.255", "VERIFYFAIL", "", "255.255.255.255VERIFYFAIL"},
        {"", "VERIFY", "passwd=x", std::string(15, ' ') + "VERIFY    passwd=x"},
        // A cut address could be another array's, a cut payload other settings.
        {"192.168.100.2001", "SET", "p=1", ""},
        {"10.0.0.5", "SET", full, Datagram("10.0.0.5", "SET", full)},
        {"10.0.0.5", "SET", full + "s", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BuildRequest(c.address, c.command, c.payload), c.request) << c.request.size();
}

TEST(ParseReply, Cases) {
    const std::vector<std::string> local = {"192.168.1.20"};
    const std::vector<std::string> three = {"10.1.0.1", "192.168.1.20", "172.16.0.9"};
    const struct {
        std::string datagram;
        std::vector<std::string> local;
        std::string reply; // command|payload, "-" when refused, "+cut" when a NUL cut text off
    } cases[] = {
        {Datagram("192.168.1.20", "GETOK", "sys.hostname=nas"), local, "GETOK|sys.hostname=nas"},
        // Any of this computer's addresses, compared whole as text.
        {Datagram("172.16.0.9", "SETOK"), three, "SETOK|"},
        {Datagram("192.168.1.2", "SETOK"), local, "-"},
        {Datagram("192.168.1.201", "SETOK"), local, "-"},
        {Datagram("192.168.001.020", "SETOK"), local, "-"},
        {Datagram("", "SETOK"), local, "-"},
        // The command is the ten-byte field's first word.
        {Datagram("192.168.1.20", "SETOK x"), local, "SETOK|"},
        {"192.168.1.20   VERIFYFAILextra", local, "VERIFYFAIL|extra"},
        // The text ends at the first NUL; NULs alone after it cut nothing off.
        {Datagram("192.168.1.20", "GETOK", "a=1\0b=2"s), local, "GETOK|a=1+cut"},
        {Datagram("192.168.1.20", "GETOK", "a=1\0\0"s), local, "GETOK|a=1"},
        {"\0"s + Datagram("192.168.1.20", "GETOK"), local, "-"},
    };
    for (const auto& c : cases) {
        const Reply reply = ParseReply(c.datagram, c.local);
        EXPECT_EQ(reply.accepted ? reply.command + "|" + reply.payload + (reply.cut ? "+cut" : "")
                                 : "-",
                  c.reply)
            << c.datagram;
    }
}

TEST(DeviceList, KeepsRecordsInOrderNamedByHostNamesCutToWholeCharacters) {
    // "存" is B4 E6 in code page 936: a tenth would straddle the 19-byte limit.
    std::string chinese;
    for (int i = 0; i < 10; ++i)
        chinese += "\xB4\xE6";
    const struct {
        std::string settings, name;
    } cases[] = {
        {"sys.hostname=alpha&nwk.ipaddr=10.0.0.5", "alpha"},
        {"nwk.ipaddr=10.0.0.5", ""},
        {"a=1&sys.hostname=abcdefghijklmnopqrstuvwxyz&b=2", "abcdefghijklmnopqrs"},
        {"sys.hostname=" + chinese, chinese.substr(0, 18)},
        {"sys.hostname=Q" + chinese, "Q" + chinese.substr(0, 18)},
        {"sys.hostname=abcdefghijklmnopqr\xB4", "abcdefghijklmnopqr"},
        // The longest payload a settings string can be, and one byte more.
        {"sys.hostname=x&p=" + std::string(kMaxSettingsLength - 17, 'p'), "x"},
    };
    DeviceList list;
    for (const auto& c : cases)
        ASSERT_TRUE(list.AddDevice(c.settings));
    EXPECT_FALSE(list.AddDevice(cases[6].settings + "p"));
    ASSERT_EQ(list.size(), std::size(cases));
    for (int i = 0; i < static_cast<int>(std::size(cases)); ++i)
        EXPECT_TRUE(list.At(i)->name == cases[i].name && list.At(i)->settings == cases[i].settings)
            << i;
}

} // namespace
