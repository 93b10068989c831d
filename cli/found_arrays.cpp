#include "cli/found_arrays.h"

#include "cli/fields.h"
#include "cli/named_values.h"
#include "cli/text.h"
#include "core/settings/settings.h"
#include "core/setup/search_details.h"

#include <algorithm>
#include <optional>
#include <tuple>

namespace {

// A dotted address sorts by its numbers, before any other text; the order
// of arrival decides between arrays alike.
auto OrderKey(const FoundArray& array, std::size_t arrival) {
    const std::string address = GetSetting(array.record.settings, "nwk.ipaddr");
    const std::optional<std::string> dotted = AddressText(address);
    Octets numbers{};
    if (dotted)
        numbers = ParseOctets(*dotted);
    return std::tuple(!dotted, numbers, address, GetSetting(array.record.settings, "nwk.mac"),
                      arrival);
}

} // namespace

std::vector<FoundArray> FindArrays(const std::vector<DeviceRecord>& replies) {
    std::vector<FoundArray> arrays;
    std::vector<DeviceRecord> records;
    for (const DeviceRecord& reply : replies) {
        if (std::none_of(records.begin(), records.end(), [&](const DeviceRecord& record) {
                return SameArray(record.settings, reply.settings);
            }))
            records.push_back(reply);
    }
    std::vector<std::pair<decltype(OrderKey({}, 0)), FoundArray>> ordered;
    for (const DeviceRecord& record : records) {
        FoundArray array = {record, AnotherArrayAnswersFor(records, record.settings)};
        ordered.emplace_back(OrderKey(array, ordered.size()), std::move(array));
    }
    std::sort(ordered.begin(), ordered.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& [key, array] : ordered)
        arrays.push_back(std::move(array));
    return arrays;
}

std::vector<const FoundArray*> Matching(const std::vector<FoundArray>& arrays,
                                        std::string_view argument) {
    const std::optional<std::string> bytes = BytesOf(argument);
    std::vector<const FoundArray*> matches;
    for (const FoundArray& array : arrays) {
        const std::string& settings = array.record.settings;
        const std::string mac = GetSetting(settings, "nwk.mac");
        const std::string address = GetSetting(settings, "nwk.ipaddr");
        const std::string name = GetSetting(settings, "sys.hostname");
        if (bytes && ((!mac.empty() && EqualsIgnoringCase(mac, *bytes)) ||
                      (!address.empty() && address == *bytes) || (!name.empty() && name == *bytes)))
            matches.push_back(&array);
    }
    return matches;
}

std::string Describe(std::string_view settings) {
    const std::string name = FieldText(settings, Field::kHostName);
    const std::string mac = FieldText(settings, Field::kMac);
    const std::string address = FieldText(settings, Field::kIp);
    return (name.empty() ? "(no host name)" : name) + " (" + (mac.empty() ? "no MAC" : mac) + ", " +
           (address.empty() ? "no address" : address) + ")";
}

std::vector<const FoundArray*> AnsweringFor(const std::vector<FoundArray>& arrays,
                                            std::string_view address, const FoundArray& except) {
    std::vector<const FoundArray*> others;
    for (const FoundArray& other : arrays)
        if (&other != &except && GetSetting(other.record.settings, "nwk.ipaddr") == address)
            others.push_back(&other);
    return others;
}

std::optional<std::string> AddressTaken(const std::vector<FoundArray>& arrays,
                                        const FoundArray& array, std::string_view working) {
    const std::string address = GetSetting(working, "nwk.ipaddr");
    if (address.empty() || address == GetSetting(array.record.settings, "nwk.ipaddr"))
        return std::nullopt;
    const std::vector<const FoundArray*> others = AnsweringFor(arrays, address, array);
    if (others.empty())
        return std::nullopt;
    return address + " is the address " + Describe(others.front()->record.settings) +
           " answers for now: both would take every request to it";
}
