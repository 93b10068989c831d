#include "pages/search_details.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<DeviceRecord> Records(const std::vector<std::string>& settings) {
    std::vector<DeviceRecord> records;
    for (const std::string& one : settings)
        records.push_back({"", one, {}});
    return records;
}

TEST(WebPageAddress, AnAddressPassesWholeAnythingElseIsEscaped) {
    const struct {
        std::string ipaddr, address;
    } cases[] = {
        {"10.77.1.5", "http://10.77.1.5"},
        {"", "http://"},
        {"nas-1.local:8080/admin", "http://nas-1.local:8080/admin"},
        {"[fe80::1]", "http://[fe80::1]"},
        // Would end the address, or start new arguments, on a command line.
        {"1.2.3.4\" --new-window \"x", "http://1.2.3.4%22%20--new-window%20%22x"},
        {"a\tb\r\nc", "http://a%09b%0D%0Ac"},
        {"%41", "http://%2541"},
        {"x@evil", "http://x%40evil"},
        {"\xB4\xE6", "http://%B4%E6"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WebPageAddress(c.ipaddr), c.address) << c.ipaddr;
}

TEST(AnotherArrayAnswersFor, OnlyADifferentArrayWithTheSameAddress) {
    const std::string selected =
        "sys.hostname=a&nwk.ipaddr=10.0.0.5&nwk.mac=00:01&date=2006/10/26&time=09:05:00";
    const struct {
        const char* what;
        std::vector<std::string> others;
        bool shared;
    } cases[] = {
        {"alone", {}, false},
        {"a repeated reply", {selected}, false},
        {"the same array, its clock read later",
         {"sys.hostname=a&nwk.ipaddr=10.0.0.5&nwk.mac=00:01&date=2006/10/27&time=00:00:01"},
         false},
        {"another array elsewhere", {"sys.hostname=b&nwk.ipaddr=10.0.0.6&nwk.mac=00:02"}, false},
        {"another array at the same address",
         {"sys.hostname=b&nwk.ipaddr=10.0.0.5&nwk.mac=00:02"},
         true},
        {"a factory twin, only the host name differs",
         {"sys.hostname=A&nwk.ipaddr=10.0.0.5&nwk.mac=00:01&date=2006/10/26&time=09:05:00"},
         true},
        {"address as a prefix only", {"sys.hostname=b&nwk.ipaddr=10.0.0.50"}, false},
    };
    for (const auto& c : cases) {
        std::vector<std::string> listed = {selected};
        listed.insert(listed.end(), c.others.begin(), c.others.end());
        EXPECT_EQ(AnotherArrayAnswersFor(Records(listed), selected), c.shared) << c.what;
    }

    // Two arrays without an address share the empty one: requests to either
    // go out with a blank address field.
    EXPECT_TRUE(
        AnotherArrayAnswersFor(Records({"sys.hostname=a", "sys.hostname=b"}), "sys.hostname=a"));
}

} // namespace
