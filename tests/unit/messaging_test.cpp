#include "app/device_list.h"
#include "messaging/message.h"
#include "messaging/settings.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using namespace std::string_literals;

TEST(BuildRequest, Cases) {
    const std::string full(kMaxPayloadLength, 's');
    const std::tuple<std::string, std::string, std::string, std::string> cases[] = {
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
        {BuildRequest("172.16.0.9", "SETOK", ""), "SETOK|"}, // any of this computer's addresses
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
        {"a=1&sys.hostname=abcdefghijklmnopqrstuvwxyz&b=2", "abcdefghijklmnopqrs"},
        {"sys.hostname=" + zh, zh.substr(0, 18)},
        {"sys.hostname=Q" + zh, "Q" + zh.substr(0, 18)},
        {"sys.hostname=abcdefghijklmnopqr\xB4", "abcdefghijklmnopqr"},
    };
    DeviceList list;
    for (int i = 0; const auto& [settings, name] : cases) {
        ASSERT_TRUE(list.AddDevice(settings));
        EXPECT_TRUE(list.At(i)->name == name && list.At(i++)->settings == settings) << name;
    }
    EXPECT_EQ(list.size(), std::size(cases));
}

} // namespace
