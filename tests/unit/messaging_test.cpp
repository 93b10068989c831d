#include "core/setup/device_list.h"
#include "core/protocol/message.h"
#include "core/settings/settings.h"
#include "core/setup/search_details.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using namespace std::string_literals;

// A cut address could be another array's. (The layout, and the payload's limit, are the lab's
// and the exchange test's: they send what it builds.)
TEST(BuildRequest, RefusesAnAddressLongerThanItsField) {
    EXPECT_EQ(BuildRequest("192.168.100.2001", "SET", "p=1"), "");
}

// Which replies are ours, and where their words lie: the exchange test's reading.
TEST(ParseReply, TheTextEndsAtTheFirstNulAndSaysWhetherItCutTextOff) {
    const std::pair<std::string, std::string> cases[] = {
        // datagram, command|payload ("+cut": a NUL cut text off)
        {BuildRequest("192.168.1.20", "GETOK", "a=1\0b=2"s), "GETOK|a=1+cut"},
        {BuildRequest("192.168.1.20", "GETOK", "a=1\0\0"s), "GETOK|a=1"}, // a terminator
    };
    for (const auto& [datagram, expected] : cases) {
        const Reply r = ParseReply(datagram, {"192.168.1.20"});
        EXPECT_EQ(r.command + "|" + r.payload + (r.cut ? "+cut" : ""), expected) << datagram;
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

TEST(WebPageAddress, AnAddressPassesWholeAnythingElseIsEscaped) {
    const std::pair<std::string, std::string> cases[] = {
        {"[fe80::1]:8080/nas-1.local~", "http://[fe80::1]:8080/nas-1.local~"},
        // Would end the address, or start new arguments, on a command line.
        {"1.2.3.4\" --new-window \"x", "http://1.2.3.4%22%20--new-window%20%22x"},
        {"a\tb\r\n%41@\xB4\xE6", "http://a%09b%0D%0A%2541%40%B4%E6"},
    };
    for (const auto& [ipaddr, address] : cases)
        EXPECT_EQ(WebPageAddress(ipaddr), address) << ipaddr;
}

TEST(AnotherArrayAnswersFor, OnlyADifferentArrayWithTheSameAddress) {
    const std::string a = "h=a&nwk.ipaddr=1.1.1.5&date=2006/10/26&time=9";
    const std::tuple<const char*, std::vector<std::string>, bool> cases[] = {
        // What, the listed settings (the selected one first), whether another answers.
        {"the same array, later", {a, "h=a&nwk.ipaddr=1.1.1.5&date=2006/10/27&time=0"}, false},
        {"the address as a prefix only", {a, "h=b&nwk.ipaddr=1.1.1.50"}, false},
        {"a twin, the name differs", {a, "h=A&nwk.ipaddr=1.1.1.5&date=2006/10/26&time=9"}, true},
        // Requests to either go out with a blank address field.
        {"two arrays without an address", {"h=a", "h=b"}, true},
    };
    for (const auto& [what, listed, shared] : cases) {
        std::vector<DeviceRecord> records;
        for (const std::string& settings : listed)
            records.push_back({"", settings, {}, {}});
        EXPECT_EQ(AnotherArrayAnswersFor(records, listed[0]), shared) << what;
    }
}

} // namespace
