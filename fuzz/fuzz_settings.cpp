// Hostile settings, keys, values and datagrams against the settings operations,
// the reply parser and the device list; hostile settings and page values
// against the exchange blocks of steps 2 and 3; hostile readings and intervals
// against the running clock. Sanitizers catch bad reads; Require wrong results.
#include "app/device_list.h"
#include "messaging/message.h"
#include "messaging/settings.h"
#include "messaging/settings_exchange.h"
#include "pages/datetime_settings.h"
#include "pages/network_settings.h"
#include "pages/running_clock.h"
#include "pages/time_zones.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Keys = std::vector<std::string_view>;

void Require(bool condition) {
    if (!condition)
        std::abort();
}

bool Has(std::string_view text, std::string_view characters) {
    return text.find_first_of(characters) != std::string_view::npos;
}
constexpr std::string_view kAmpOrNul("&\0", 2);

// The pairs that name none of `keys`, in order: what an edit passes on byte for byte.
std::vector<std::string_view> Foreign(std::string_view text, const Keys& keys) {
    std::vector<std::string_view> pairs;
    for (std::size_t at = 0; !text.empty() && at <= text.size();) {
        const std::size_t end = std::min(text.find('&', at), text.size());
        const std::string_view pair = text.substr(at, end - at);
        if (std::none_of(keys.begin(), keys.end(), [&](std::string_view key) {
                return pair.size() > key.size() && pair.starts_with(key) && pair[key.size()] == '=';
            }))
            pairs.push_back(pair);
        at = end + 1;
    }
    return pairs;
}

void CheckSettings(const std::string& settings, const std::string& key, const std::string& value) {
    Require(!Has(GetSetting(settings, key), "&"));
    const std::string pair = key + "=" + value;
    const bool usable =
        !key.empty() && !Has(key, std::string_view("&=\0", 3)) && !Has(value, kAmpOrNul);
    std::string edited = settings;
    if (!ReplaceSetting(edited, key, pair)) {
        // Appending is the longest any replacement gets.
        Require(edited == settings &&
                (!usable || settings.size() + 1 + pair.size() > kMaxSettingsLength));
        return;
    }
    Require(usable && edited.size() <= kMaxSettingsLength && GetSetting(edited, key) == value);
    Require(Foreign(edited, {key}) == Foreign(settings, {key}));
}

void CheckReply(const std::string& datagram, const std::string& local) {
    const Reply reply = ParseReply(datagram, {local});
    std::string_view field = std::string_view(datagram.c_str()).substr(0, kAddressFieldLength);
    field.remove_prefix(std::min(field.size(), field.find_first_not_of(' ')));
    Require(reply.accepted == (!local.empty() && !Has(local, " ") && field.starts_with(local) &&
                               (field.size() == local.size() || field[local.size()] == ' ')));
    if (!reply.accepted)
        return;
    Require(reply.command.size() <= kCommandFieldLength && !Has(reply.command, " ") &&
            !Has(reply.payload, std::string_view("\0", 1)));
    DeviceList list;
    Require(list.AddDevice(reply.payload) == (reply.payload.size() <= kMaxSettingsLength));
    if (list.size() == 0)
        return;
    Require(list.At(-1) == list.At(0) && list.At(1) == nullptr &&
            list.At(0)->settings == reply.payload);
    // The host name cut to whole characters: never more than half of one short.
    const std::string host = GetSetting(reply.payload, "sys.hostname");
    const std::string& name = list.At(0)->name;
    Require(host.starts_with(name) && name.size() <= kMaxDeviceNameLength &&
            name.size() + 1 >= std::min(host.size(), kMaxDeviceNameLength));
}

// What BuildRequest puts in its fields, ParseReply must read back.
void CheckRoundTrip(std::string address, std::string command, std::string payload) {
    for (auto [field, length] :
         {std::pair{&address, kAddressFieldLength}, std::pair{&command, kCommandFieldLength}}) {
        std::erase_if(*field, [](char c) { return c == ' ' || c == '\0'; });
        field->resize(std::min(field->size(), length));
    }
    std::erase(payload, '\0');
    const std::string request = BuildRequest(address, command, payload);
    if (payload.size() > kMaxPayloadLength)
        return Require(request.empty());
    Require(request.size() == kHeaderLength + payload.size());
    const Reply reply = ParseReply(request, {address});
    Require(reply.accepted == !address.empty());
    Require(!reply.accepted || (reply.command == command && reply.payload == payload));
}

template <class Values, class Block> Values Load(const std::string& settings, Block block) {
    Values values;
    SettingsExchange dx = SettingsExchange::Loading(settings);
    block(dx, values);
    return values;
}

// A page's save: all or nothing, never over the limit, other keys' pairs kept.
template <class Values, class Block>
bool Save(const std::string& settings, Values values, Block block, const Keys& owned,
          std::string& saved) {
    saved = settings;
    SettingsExchange dx = SettingsExchange::Saving(settings);
    block(dx, values);
    if (!dx.Commit(saved))
        return Require(saved == settings), false;
    Require(saved.size() <= kMaxSettingsLength &&
            Foreign(saved, owned) == Foreign(settings, owned));
    return true;
}

const Keys kNetworkKeys = {"sys.hostname", "nwk.bootproto", "nwk.ipaddr",
                           "nwk.netmask",  "sys.gateway",   "sys.dns"};

void CheckNetworkBlock(const std::string& settings, FuzzedDataProvider& input) {
    NetworkValues values = Load<NetworkValues>(settings, ExchangeNetworkSettings);
    Require(values.dhcp == (GetSetting(settings, "nwk.bootproto") == "dhcp"));
    if (input.ConsumeBool())
        values.hostName = input.ConsumeRandomLengthString(40);
    values.dhcp = input.ConsumeBool();
    for (std::optional<Octets>& address : values.addresses)
        if (input.ConsumeBool())
            address = Octets{
                input.ConsumeIntegral<std::uint8_t>(), input.ConsumeIntegral<std::uint8_t>(),
                input.ConsumeIntegral<std::uint8_t>(), input.ConsumeIntegral<std::uint8_t>()};
    std::string saved;
    if (!Save(settings, values, ExchangeNetworkSettings, kNetworkKeys, saved)) {
        // Six pairs of at most 39 bytes besides the host name fit a short string.
        Require(settings.size() + values.hostName.size() + 6 * 40 > kMaxSettingsLength ||
                Has(values.hostName, kAmpOrNul));
        return;
    }
    const NetworkValues reloaded = Load<NetworkValues>(saved, ExchangeNetworkSettings);
    Require(reloaded.hostName == values.hostName && reloaded.dhcp == values.dhcp);
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string_view key = kNetworkKeys[i + 2];
        Require(values.dhcp ? GetSetting(saved, key) == GetSetting(settings, key)
                            : reloaded.addresses[i].value_or(Octets{}) ==
                                  values.addresses[i].value_or(Octets{}));
    }
}

bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
        return lower(x) == lower(y);
    });
}

const Keys kDateTimeKeys = {"sys.Time.timeZone", "date", "time", "sys.Time.ntpServer"};

void CheckDateTimeBlock(const std::string& settings, FuzzedDataProvider& input) {
    DateTimeValues values = Load<DateTimeValues>(settings, ExchangeDateTimeSettings);
    const std::vector<std::string> items = values.ntpItems;
    const std::string server = GetSetting(settings, "sys.Time.ntpServer");
    const auto matches = [](std::string_view stored) {
        return [stored](const std::string& item) { return SameIgnoringAsciiCase(item, stored); };
    };
    // Only a whole item selects: a prefix would change the array's server.
    Require(values.ntpSelected >= 0
                ? (server.empty() ? values.ntpSelected == 0
                                  : matches(server)(items.at(values.ntpSelected)))
                : std::none_of(items.begin(), items.end(), matches(server)));
    Require(values.zoneRow >= -1 && values.zoneRow < kTimeZoneRows);

    const auto some = [&input] { return input.ConsumeIntegralInRange(-5, 120); };
    if (input.ConsumeBool())
        values.zoneRow = input.ConsumeIntegralInRange(-3, kTimeZoneRows + 2);
    if (input.ConsumeBool())
        values.date = {input.ConsumeIntegral<int>(), some(), some()};
    if (input.ConsumeBool())
        values.time = {some(), some(), some()};
    if (input.ConsumeBool())
        values.ntpSelected = input.ConsumeIntegralInRange(-2, static_cast<int>(items.size()) + 1);

    std::string saved;
    if (!Save(settings, values, ExchangeDateTimeSettings, kDateTimeKeys, saved)) {
        // Four pairs of at most 200 bytes besides the server name, itself from the settings.
        Require(2 * settings.size() + 200 > kMaxSettingsLength || Has(settings, {"\0", 1}));
        return;
    }
    const DateTimeValues reloaded = Load<DateTimeValues>(saved, ExchangeDateTimeSettings);
    const bool zoneRow = values.zoneRow >= 0 && values.zoneRow < kTimeZoneRows;
    Require(zoneRow
                ? reloaded.zoneRow == values.zoneRow
                : GetSetting(saved, kDateTimeKeys[0]) == GetSetting(settings, kDateTimeKeys[0]));
    const auto twoDigits = [](std::initializer_list<int> numbers) {
        return std::all_of(numbers.begin(), numbers.end(), [](int n) { return n >= 0 && n <= 99; });
    };
    Require(!twoDigits({values.date.month, values.date.day}) || reloaded.date == values.date);
    Require(!twoDigits({values.time.hour, values.time.minute, values.time.second}) ||
            reloaded.time == values.time);
    const std::string savedServer = GetSetting(saved, kDateTimeKeys[3]);
    if (values.ntpSelected < 0 || values.ntpSelected >= static_cast<int>(items.size()))
        return Require(savedServer == server);
    const std::string& item = items[values.ntpSelected];
    Require(savedServer == (item == "None" ? "none" : item) && reloaded.ntpSelected >= 0 &&
            matches(savedServer)(items[reloaded.ntpSelected]));
}

// The reading's second on the system clock, when it is a valid reading.
std::optional<std::chrono::sys_seconds> Instant(const ClockReading& r) {
    using namespace std::chrono;
    const year_month_day date{year(r.date.year), month(static_cast<unsigned>(r.date.month)),
                              day(static_cast<unsigned>(r.date.day))};
    if (r.date.year < 1601 || r.date.year > 9999 || r.date.month < 1 || r.date.day < 1 ||
        !date.ok() || r.time.hour < 0 || r.time.hour > 23 || r.time.minute < 0 ||
        r.time.minute > 59 || r.time.second < 0 || r.time.second > 59)
        return std::nullopt;
    return sys_days(date) + hours(r.time.hour) + minutes(r.time.minute) + seconds(r.time.second);
}

// A valid reading moves by exactly the interval, stopping at the last second;
// moves add up; anything else stays.
void CheckClock(FuzzedDataProvider& input) {
    using namespace std::chrono;
    const auto in = [&input](int low, int high) { return input.ConsumeIntegralInRange(low, high); };
    const ClockReading reading{{in(1590, 10010), in(-1, 13), in(-1, 32)},
                               {in(-1, 24), in(-1, 60), in(-1, 60)}};
    const auto interval = [&input] {
        return input.ConsumeIntegralInRange<long long>(0, LLONG_MAX) >>
               input.ConsumeIntegralInRange(0, 62);
    };
    const long long a = interval(), b = interval();
    const ClockReading advanced = AdvanceClock(reading, a);
    const std::optional<sys_seconds> start = Instant(reading);
    if (!start)
        return Require(advanced == reading);
    const sys_seconds last = sys_days(year(9999) / 12 / 31) + hours(23) + minutes(59) + seconds(59);
    Require(Instant(advanced) == (a > (last - *start).count() ? last : *start + seconds(a)));
    Require(AdvanceClock(advanced, b) ==
            AdvanceClock(reading, a > LLONG_MAX - b ? LLONG_MAX : a + b));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string settings = input.ConsumeRandomLengthString(1200);
    switch (input.ConsumeIntegralInRange(0, 2)) {
    case 0: {
        const std::string key = input.ConsumeRandomLengthString(120);
        const std::string value = input.ConsumeRandomLengthString(1100);
        const std::string local = input.ConsumeRandomLengthString(20);
        CheckSettings(settings, key, value);
        CheckReply(input.ConsumeRemainingBytesAsString(), local);
        CheckRoundTrip(local, key, value);
        break;
    }
    case 1:
        CheckNetworkBlock(settings, input);
        CheckDateTimeBlock(settings, input);
        break;
    default:
        CheckClock(input);
    }
    return 0;
}
