#include "pages/search_details.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(WebPageAddress, AnAddressPassesWholeAnythingElseIsEscaped) {
    const struct {
        std::string ipaddr, address;
    } cases[] = {
        {"10.77.1.5", "http://10.77.1.5"},
        {"", "http://"},
        {"[fe80::1]:8080/nas-1.local~", "http://[fe80::1]:8080/nas-1.local~"},
        // Would end the address, or start new arguments, on a command line.
        {"1.2.3.4\" --new-window \"x", "http://1.2.3.4%22%20--new-window%20%22x"},
        {"a\tb\r\n%41@\xB4\xE6", "http://a%09b%0D%0A%2541%40%B4%E6"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WebPageAddress(c.ipaddr), c.address) << c.ipaddr;
}

TEST(AnotherArrayAnswersFor, OnlyADifferentArrayWithTheSameAddress) {
    const std::string a =
        "sys.hostname=a&nwk.ipaddr=10.0.0.5&nwk.mac=00:01&date=2006/10/26&time=09:05:00";
    const struct {
        const char* what;
        std::vector<std::string> listed; // the selected one first
        bool shared;
    } cases[] = {
        {"a repeated reply", {a, a}, false},
        {"the same array, its clock read later",
         {a, "sys.hostname=a&nwk.ipaddr=10.0.0.5&nwk.mac=00:01&date=2006/10/27&time=00:00:01"},
         false},
        {"another array elsewhere", {a, "sys.hostname=b&nwk.ipaddr=10.0.0.6&nwk.mac=00:02"}, false},
        {"the address as a prefix only", {a, "sys.hostname=b&nwk.ipaddr=10.0.0.50"}, false},
        {"another array at the address",
         {a, "sys.hostname=b&nwk.ipaddr=10.0.0.5&nwk.mac=00:02"},
         true},
        {"a factory twin, only the host name differs",
         {a, "sys.hostname=A&nwk.ipaddr=10.0.0.5&nwk.mac=00:01&date=2006/10/26&time=09:05:00"},
         true},
        // Requests to either go out with a blank address field.
        {"two arrays without an address", {"sys.hostname=a", "sys.hostname=b"}, true},
    };
    for (const auto& c : cases) {
        std::vector<DeviceRecord> records;
        for (const std::string& settings : c.listed)
            records.push_back({"", settings, {}});
        EXPECT_EQ(AnotherArrayAnswersFor(records, c.listed[0]), c.shared) << c.what;
    }
}

} // namespace
