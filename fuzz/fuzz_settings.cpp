// Hostile input, one family a fuzzer (FUZZ_CHECK) with its own corpus: sanitizers catch bad
// reads, Require wrong results.
#include "core/setup/device_list.h"
#include "core/setup/running_clock.h"
#include "core/protocol/message.h"
#include "core/settings/settings.h"
#include "core/setup/datetime_settings.h"
#include "core/setup/network_settings.h"
#include "core/setup/time_zones.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdlib>

namespace {

using Keys = std::vector<std::string>;

void Require(bool condition) {
    if (!condition)
        std::abort();
}

bool Has(std::string_view text, std::string_view characters) {
    return text.find_first_of(characters) != std::string_view::npos;
}

// The pairs that name none of `keys`, in order: what an edit passes on byte for byte.
std::vector<std::string_view> Foreign(std::string_view text, const Keys& keys) {
    std::vector<std::string_view> pairs;
    for (std::size_t at = 0, end = 0; !text.empty() && end < text.size(); at = end + 1) {
        end = std::min(text.find('&', at), text.size());
        const std::string_view pair = text.substr(at, end - at);
        if (std::ranges::none_of(keys,
                                 [&](const auto& key) { return pair.starts_with(key + "="); }))
            pairs.push_back(pair);
    }
    return pairs;
}

// A save: all or nothing, never over the limit, other keys' pairs kept.
template <class Values, class Block>
std::optional<std::string> Save(const std::string& settings, Values values, Block block,
                                const Keys& owned) {
    std::string saved = settings;
    SettingsExchange dx = SettingsExchange::Saving(settings);
    block(dx, values);
    if (!dx.Commit(saved))
        return Require(saved == settings), std::nullopt;
    Require(saved.size() <= kMaxSettingsLength &&
            Foreign(saved, owned) == Foreign(settings, owned));
    return saved;
}

} // namespace

// The families, one a fuzzer; external so that the four a build leaves unused do not warn.
void CheckSettings(FuzzedDataProvider& input) {
    const std::string settings = input.ConsumeRandomLengthString(1200);
    const std::string key = input.ConsumeRandomLengthString(120);
    const std::string value = input.ConsumeRandomLengthString(1100);
    const std::string pair = key + "=" + value;
    std::string saved = settings;
    // Appending is the longest any replacement gets; a NUL would cut the text on the wire.
    if (!ReplaceSetting(saved, key, pair))
        return Require(saved == settings &&
                       (key.empty() || Has(key, {"&=\0", 3}) || Has(value, {"&\0", 2}) ||
                        settings.size() + 1 + pair.size() > kMaxSettingsLength));
    Require(saved.size() <= kMaxSettingsLength && GetSetting(saved, key) == value &&
            !Has(value, {"\0", 1}) && Foreign(saved, {key}) == Foreign(settings, {key}));
}

// Any accepted reply names the address whole and fits the device list, its name cut short
// by at most half a character.
void CheckReply(FuzzedDataProvider& input) {
    const std::string address = input.ConsumeRandomLengthString(20);
    const Reply reply = ParseReply(input.ConsumeRemainingBytesAsString(), {address});
    Require(reply.command.size() <= kCommandFieldLength && !Has(reply.command, " ") &&
            !Has(reply.payload, {"\0", 1}) && (!reply.accepted || reply.address == address));
    DeviceList list;
    Require(list.AddDevice(reply.payload) == (reply.payload.size() <= kMaxSettingsLength));
    if (list.size() == 1) {
        const std::string host = GetSetting(reply.payload, "sys.hostname");
        const std::string& name = list.At(-1)->name;
        Require(host.starts_with(name) && name.size() <= kMaxDeviceNameLength &&
                name.size() + 1 >= std::min(host.size(), kMaxDeviceNameLength));
    }
}

template <class Values, class Block> Values Loaded(const std::string& settings, Block block) {
    Values values;
    SettingsExchange load = SettingsExchange::Loading(settings);
    block(load, values);
    return values;
}

// The two pages: values loaded from hostile settings (step 2's go back byte for byte
// unchanged), most replaced by hostile ones, saved, and on a commit every value the page
// wrote read back: a half write leaves one out.
void CheckNetwork(FuzzedDataProvider& input) {
    const std::string settings = input.ConsumeRandomLengthString(1200);
    auto network = Loaded<NetworkValues>(settings, ExchangeNetworkSettings);
    Save(settings, network, ExchangeNetworkSettings, {}); // owning no key, it may change none
    network.hostName = input.ConsumeRandomLengthString(40);
    network.dhcp = input.ConsumeBool();
    for (std::optional<Octets>& address : network.addresses)
        if (input.ConsumeBool())
            input.ConsumeData(&address.emplace(), sizeof(Octets));
    const auto saved = Save(
        settings, network, ExchangeNetworkSettings,
        {"sys.hostname", "nwk.bootproto", "nwk.ipaddr", "nwk.netmask", "sys.gateway", "sys.dns"});
    if (!saved)
        return;
    const auto back = Loaded<NetworkValues>(*saved, ExchangeNetworkSettings);
    Require(back.hostName == network.hostName && back.dhcp == network.dhcp);
    for (std::size_t i = 0; i < network.addresses.size() && !network.dhcp; ++i)
        Require(back.addresses[i].value_or(Octets{}) == network.addresses[i].value_or(Octets{}));
}

void CheckDateTime(FuzzedDataProvider& input) {
    const std::string settings = input.ConsumeRandomLengthString(1200);
    auto dateTime = Loaded<DateTimeValues>(settings, ExchangeDateTimeSettings);
    const auto some = [&input] { return input.ConsumeIntegralInRange(-5, 120); };
    dateTime.zoneRow = input.ConsumeIntegralInRange(-3, kTimeZoneRows + 2);
    dateTime.date = {input.ConsumeIntegral<int>(), some(), some()};
    dateTime.time = {some(), some(), some()};
    const int ntp = input.ConsumeIntegralInRange(-2, 1 + int(dateTime.ntpItems.size()));
    dateTime.ntpSelected = ntp;
    const auto saved = Save(settings, dateTime, ExchangeDateTimeSettings,
                            {"sys.Time.timeZone", "date", "time", "sys.Time.ntpServer"});
    if (!saved)
        return;
    // Written or unchanged, zone and server read back as chosen (a server case aside).
    const auto back = Loaded<DateTimeValues>(*saved, ExchangeDateTimeSettings);
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    const bool ntpShown = ntp >= 0 && ntp < int(dateTime.ntpItems.size());
    Require((ZoneWord(dateTime.zoneRow).empty() || back.zoneRow == dateTime.zoneRow) &&
            "date=" + GetSetting(*saved, "date") == DatePair("date", dateTime.date) &&
            "time=" + GetSetting(*saved, "time") == TimePair("time", dateTime.time) &&
            (!ntpShown ||
             (back.ntpSelected >= 0 && std::ranges::equal(back.ntpItems[back.ntpSelected],
                                                          back.ntpItems[ntp], {}, lower, lower))));
}

// A valid reading moves forward by exactly the interval to a valid one, stopping at the
// last second a picker holds; moves add up; anything else stays.
void CheckClock(FuzzedDataProvider& input) {
    using namespace std::chrono;
    const auto in = [&input](int low, int high) { return input.ConsumeIntegralInRange(low, high); };
    const ClockReading reading{{in(1590, 10010), in(-1, 13), in(-1, 32)},
                               {in(-1, 24), in(-1, 60), in(-1, 60)}};
    const auto interval = [&] { return input.ConsumeIntegral<long long>() >> in(0, 62); };
    const long long a = interval(), b = interval() & LLONG_MAX;
    const ClockReading advanced = AdvanceClock(reading, a);
    const auto valid = [](const ClockReading& r) {
        const auto [d, t] = r;
        return d.year >= 1601 && d.year <= 9999 &&
               year_month_day(year(d.year), month(d.month), day(d.day)).ok() &&
               unsigned(t.hour) < 24 && unsigned(t.minute) < 60 && unsigned(t.second) < 60;
    };
    if (!valid(reading) || a < 0)
        return Require(advanced == reading);
    const auto instant = [](const ClockReading& r) {
        return sys_days(year(r.date.year) / r.date.month / r.date.day) + hours(r.time.hour) +
               minutes(r.time.minute) + seconds(r.time.second);
    };
    const sys_seconds start = instant(reading), last = instant({{9999, 12, 31}, {23, 59, 59}});
    Require(valid(advanced) &&
            instant(advanced) == (a > (last - start).count() ? last : start + seconds(a)));
    Require(AdvanceClock(advanced, b) ==
            AdvanceClock(reading, a > LLONG_MAX - b ? LLONG_MAX : a + b));
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    FUZZ_CHECK(input);
    return 0;
}
