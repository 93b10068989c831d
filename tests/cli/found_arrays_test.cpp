#include "cli/found_arrays.h"

#include <gtest/gtest.h>

namespace {

DeviceRecord Reply(const std::string& settings) {
    return {"", settings, "10.0.0.1", {}};
}

// Repeated answers are one array, two arrays answering for one address are
// two, both marked; the list is ordered by address as numbers.
TEST(FoundArrays, ListsEachArrayOnceAndMarksSharedAddresses) {
    const std::vector<FoundArray> arrays = FindArrays({
        Reply("sys.hostname=b&nwk.ipaddr=10.0.0.10&nwk.mac=00:AA&time=10:00:00"),
        Reply("sys.hostname=a&nwk.ipaddr=10.0.0.9&nwk.mac=00:BB"),
        Reply("sys.hostname=b&nwk.ipaddr=10.0.0.10&nwk.mac=00:AA&time=10:00:01"),
        Reply("sys.hostname=c&nwk.ipaddr=10.0.0.9&nwk.mac=00:CC"),
        Reply("sys.hostname=d&nwk.ipaddr=dhcp-pending"),
    });
    std::string listed;
    for (const FoundArray& array : arrays)
        listed += array.record.settings.substr(13, 1) + (array.sharedAddress ? "*" : "") + " ";
    EXPECT_EQ(listed, "a* c* b d ");
}

// ARRAY names an array by MAC (any case), address or host name, escapes read.
TEST(FoundArrays, MatchesMacAddressOrHostName) {
    const std::vector<FoundArray> arrays = FindArrays({
        Reply("sys.hostname=Q6-One&nwk.ipaddr=10.0.0.1&nwk.mac=00:1B:7A:00:00:0A"),
        Reply("sys.hostname=\xE9\x98\xB5\x31&nwk.ipaddr=10.0.0.2&nwk.mac=00:1B:7A:00:00:0B"),
        Reply("sys.hostname=10.0.0.1&nwk.ipaddr=10.0.0.3"),
        Reply("nwk.ipaddr=10.0.0.4"),
    });
    const std::pair<std::string, std::vector<std::size_t>> cases[] = {
        {"00:1b:7a:00:00:0a", {0}}, {"10.0.0.2", {1}}, {"闃\\xB51", {1}}, {"q6-one", {}},
        {"10.0.0.1", {0, 2}},       {"", {}},          {"\\x", {}},
    };
    for (const auto& [argument, indexes] : cases) {
        std::vector<std::size_t> found;
        for (const FoundArray* array : Matching(arrays, argument))
            found.push_back(static_cast<std::size_t>(array - arrays.data()));
        EXPECT_EQ(found, indexes) << argument;
    }
}

} // namespace
