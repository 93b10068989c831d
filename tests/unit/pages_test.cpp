// What step 1 computes without a window: the web page address, addresses shared.
#include "pages/search_details.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(WebPageAddress, AnAddressPassesWholeAnythingElseIsEscaped) {
    const std::pair<std::string, std::string> cases[] = {
        {"10.77.1.5", "http://10.77.1.5"},
        {"", "http://"},
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
        {"a repeated reply", {a, a}, false},
        {"the same array, later", {a, "h=a&nwk.ipaddr=1.1.1.5&date=2006/10/27&time=0"}, false},
        {"another array elsewhere", {a, "h=b&nwk.ipaddr=1.1.1.6"}, false},
        {"the address as a prefix only", {a, "h=b&nwk.ipaddr=1.1.1.50"}, false},
        {"another array at the address", {a, "h=b&nwk.ipaddr=1.1.1.5"}, true},
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
