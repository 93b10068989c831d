// Hostile settings strings, keys, values and datagrams against the settings
// operations, the reply parser and the device list; hostile settings and page
// values against the exchange blocks of steps 2 and 3; hostile readings and
// intervals against the running clock. Sanitizers catch any bad read; the
// checks below catch wrong results.
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
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

std::vector<std::string_view> Pairs(std::string_view text) {
    std::vector<std::string_view> pairs;
    for (;;) {
        std::size_t amp = text.find('&');
        pairs.push_back(text.substr(0, amp));
        if (amp == std::string_view::npos)
            return pairs;
        text.remove_prefix(amp + 1);
    }
}

bool IsPairOf(std::string_view pair, std::string_view key) {
    return pair.size() > key.size() && pair.starts_with(key) && pair[key.size()] == '=';
}

// The settings text with the first pair of `key` replaced by `pair`, or the
// pair appended: what ReplaceSetting must give, worked out pair by pair.
std::string Expected(std::string_view settings, std::string_view key, std::string_view pair) {
    std::vector<std::string_view> pairs = Pairs(settings);
    bool replaced = false;
    std::string result;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        std::string_view old = pairs[i];
        if (i > 0)
            result += '&';
        if (!replaced && IsPairOf(old, key)) {
            result += pair;
            replaced = true;
        } else {
            result += old;
        }
    }
    if (!replaced)
        result = settings.empty() ? std::string(pair) : result + "&" + std::string(pair);
    return result;
}

void CheckSettings(const std::string& settings, const std::string& key, const std::string& value) {
    std::string read = GetSetting(settings, key);
    Require(read.size() <= settings.size());
    Require(read.find('&') == std::string::npos);

    std::string pair = key + "=" + value;
    std::string edited = settings;
    bool usable = !key.empty() &&
                  key.find_first_of(std::string_view("&=\0", 3)) == std::string::npos &&
                  value.find_first_of(std::string_view("&\0", 2)) == std::string::npos;
    if (!ReplaceSetting(edited, key, pair)) {
        Require(edited == settings);
        Require(!usable || Expected(settings, key, pair).size() > kMaxSettingsLength);
        return;
    }
    Require(usable);
    Require(edited.size() <= kMaxSettingsLength);
    Require(GetSetting(edited, key) == value);
    Require(edited == Expected(settings, key, pair));
}

void CheckReply(const std::string& datagram, const std::string& local) {
    Reply reply = ParseReply(datagram, {local});
    std::string_view text = std::string_view(datagram).substr(0, datagram.find('\0'));
    std::string_view field = text.substr(0, kAddressFieldLength);
    field.remove_prefix(std::min(field.size(), field.find_first_not_of(' ')));
    bool forUs = !local.empty() && local.find(' ') == std::string::npos &&
                 field.starts_with(local) &&
                 (field.size() == local.size() || field[local.size()] == ' ');
    Require(reply.accepted == forUs);
    if (!reply.accepted)
        return;
    Require(reply.command.size() <= kCommandFieldLength);
    Require(reply.command.find(' ') == std::string::npos);
    Require(reply.payload.size() <= text.size());
    Require(reply.payload.find('\0') == std::string::npos);

    DeviceList list;
    bool added = list.AddDevice(reply.payload);
    Require(added == (reply.payload.size() <= kMaxSettingsLength));
    if (added) {
        Require(list.size() == 1 && list.At(-1) == list.At(0) && list.At(1) == nullptr);
        Require(list.At(0)->settings == reply.payload);
        // The name is the host name cut to whole characters: at most the
        // limit, and never more than one byte (half a character) short of it.
        const std::string host = GetSetting(reply.payload, "sys.hostname");
        const std::string& name = list.At(0)->name;
        Require(host.compare(0, name.size(), name) == 0);
        Require(name.size() <= kMaxDeviceNameLength);
        Require(name.size() + 1 >= std::min(host.size(), kMaxDeviceNameLength));
    } else {
        Require(list.size() == 0);
    }
}

// What BuildRequest puts in a field, ParseReply must read back.
std::string FieldWord(std::string text, std::size_t length) {
    std::erase_if(text, [](char c) { return c == ' ' || c == '\0'; });
    return text.substr(0, length);
}

void CheckRoundTrip(const std::string& address, const std::string& command, std::string payload) {
    std::string a = FieldWord(address, kAddressFieldLength);
    std::string c = FieldWord(command, kCommandFieldLength);
    std::erase(payload, '\0');
    std::string request = BuildRequest(a, c, payload);
    if (payload.size() > kMaxPayloadLength) {
        Require(request.empty());
        return;
    }
    Require(request.size() == kHeaderLength + payload.size());
    Reply reply = ParseReply(request, {a});
    Require(reply.accepted == !a.empty());
    if (reply.accepted) {
        Require(reply.command == c);
        Require(reply.payload == payload);
    }
}

// The pairs that name none of `owned`, in order: what a block must pass on untouched.
std::vector<std::string_view> ForeignPairs(std::string_view text,
                                           std::span<const std::string_view> owned) {
    std::vector<std::string_view> foreign;
    if (text.empty())
        return foreign;
    for (std::string_view pair : Pairs(text)) {
        if (std::none_of(owned.begin(), owned.end(),
                         [&](std::string_view key) { return IsPairOf(pair, key); }))
            foreign.push_back(pair);
    }
    return foreign;
}

// Saves `values` through `block` over `settings` into `target`, as the page
// saves into the working settings, and checks what every save must keep.
template <class Values, class Block>
bool Save(const std::string& settings, Values values, Block block,
          std::span<const std::string_view> owned, std::string& target) {
    target = settings;
    SettingsExchange dx = SettingsExchange::Saving(settings);
    block(dx, values);
    bool committed = dx.Commit(target);
    if (!committed) {
        Require(target == settings);
        return false;
    }
    Require(target.size() <= kMaxSettingsLength);
    Require(ForeignPairs(target, owned) == ForeignPairs(settings, owned));
    return true;
}

template <class Values, class Block> Values Load(const std::string& settings, Block block) {
    Values values;
    SettingsExchange dx = SettingsExchange::Loading(settings);
    block(dx, values);
    return values;
}

constexpr std::string_view kNetworkKeys[] = {"sys.hostname", "nwk.bootproto", "nwk.ipaddr",
                                             "nwk.netmask",  "sys.gateway",   "sys.dns"};

void CheckNetworkBlock(const std::string& settings, FuzzedDataProvider& input) {
    NetworkValues values = Load<NetworkValues>(settings, ExchangeNetworkSettings);
    Require(values.hostName == GetSetting(settings, "sys.hostname"));
    Require(values.dhcp == (GetSetting(settings, "nwk.bootproto") == "dhcp"));
    for (std::size_t i = 0; i < 4; ++i)
        Require(values.addresses[i].has_value() ==
                !GetSetting(settings, kNetworkKeys[i + 2]).empty());

    // What a user could do on the page.
    if (input.ConsumeBool())
        values.hostName = input.ConsumeRandomLengthString(40);
    values.dhcp = input.ConsumeBool();
    for (std::optional<Octets>& address : values.addresses) {
        if (input.ConsumeBool())
            address = Octets{
                input.ConsumeIntegral<std::uint8_t>(), input.ConsumeIntegral<std::uint8_t>(),
                input.ConsumeIntegral<std::uint8_t>(), input.ConsumeIntegral<std::uint8_t>()};
        else if (input.ConsumeBool())
            address.reset();
    }

    std::string saved;
    bool committed = Save(settings, values, ExchangeNetworkSettings, kNetworkKeys, saved);
    // Six pairs of at most 39 bytes plus the host name always fit a short string.
    bool fits = settings.size() + values.hostName.size() + 6 * 40 <= kMaxSettingsLength;
    Require(committed || !fits ||
            values.hostName.find_first_of(std::string_view("&\0", 2)) != std::string::npos);
    if (!committed)
        return;

    NetworkValues reloaded = Load<NetworkValues>(saved, ExchangeNetworkSettings);
    Require(reloaded.hostName == values.hostName && reloaded.dhcp == values.dhcp);
    for (std::size_t i = 0; i < 4; ++i) {
        std::string_view key = kNetworkKeys[i + 2];
        if (values.dhcp) {
            Require(GetSetting(saved, key) == GetSetting(settings, key));
        } else {
            Octets written = values.addresses[i].value_or(Octets{});
            Require(reloaded.addresses[i] ==
                    (written == Octets{} ? std::nullopt : std::optional<Octets>(written)));
        }
    }
}

bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
    auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

constexpr std::string_view kDateTimeKeys[] = {"sys.Time.timeZone", "date", "time",
                                              "sys.Time.ntpServer"};

void CheckDateTimeBlock(const std::string& settings, FuzzedDataProvider& input) {
    DateTimeValues values = Load<DateTimeValues>(settings, ExchangeDateTimeSettings);
    const std::vector<std::string>& items = values.ntpItems;
    Require(!items.empty() && items[0] == "None");
    for (const std::string& item : items)
        Require(!item.empty() && item.find(',') == std::string::npos);
    Require(values.zoneRow >= -1 && values.zoneRow < kTimeZoneRows);
    const std::string server = GetSetting(settings, "sys.Time.ntpServer");
    if (values.ntpSelected >= 0)
        Require(server.empty() ? values.ntpSelected == 0
                               : SameIgnoringAsciiCase(items.at(values.ntpSelected), server));
    else
        Require(values.ntpSelected == -1 && !server.empty() &&
                std::none_of(items.begin(), items.end(),
                             [&](auto& item) { return SameIgnoringAsciiCase(item, server); }));

    if (input.ConsumeBool())
        values.zoneRow = input.ConsumeIntegralInRange(-3, kTimeZoneRows + 2);
    if (input.ConsumeBool())
        values.date = {input.ConsumeIntegral<int>(), input.ConsumeIntegralInRange(-5, 120),
                       input.ConsumeIntegralInRange(-5, 120)};
    if (input.ConsumeBool())
        values.time = {input.ConsumeIntegralInRange(-5, 120), input.ConsumeIntegralInRange(-5, 120),
                       input.ConsumeIntegralInRange(-5, 120)};
    if (input.ConsumeBool())
        values.ntpSelected = input.ConsumeIntegralInRange(-2, static_cast<int>(items.size()) + 1);

    std::string saved;
    bool committed = Save(settings, values, ExchangeDateTimeSettings, kDateTimeKeys, saved);
    // Four pairs of at most 200 bytes besides the server name, itself from the
    // settings; a server name holding NUL is refused as any such pair is.
    Require(committed || 2 * settings.size() + 200 > kMaxSettingsLength ||
            settings.find('\0') != std::string::npos);
    if (!committed)
        return;

    DateTimeValues reloaded = Load<DateTimeValues>(saved, ExchangeDateTimeSettings);
    Require(reloaded.ntpItems == items);
    if (values.zoneRow >= 0 && values.zoneRow < kTimeZoneRows)
        Require(reloaded.zoneRow == values.zoneRow);
    else
        Require(GetSetting(saved, kDateTimeKeys[0]) == GetSetting(settings, kDateTimeKeys[0]));
    auto twoDigits = [](int v) { return v >= 0 && v <= 99; };
    if (twoDigits(values.date.month) && twoDigits(values.date.day))
        Require(reloaded.date == values.date);
    if (twoDigits(values.time.hour) && twoDigits(values.time.minute) &&
        twoDigits(values.time.second))
        Require(reloaded.time == values.time);
    const std::string savedServer = GetSetting(saved, kDateTimeKeys[3]);
    if (values.ntpSelected >= 0 && values.ntpSelected < static_cast<int>(items.size())) {
        const std::string& item = items[values.ntpSelected];
        Require(savedServer == (item == "None" ? "none" : item));
        Require(reloaded.ntpSelected >= 0 &&
                SameIgnoringAsciiCase(items[reloaded.ntpSelected], savedServer));
    } else {
        Require(savedServer == server);
    }
}

// The reading's second on the system clock, when it is a valid reading.
std::optional<std::chrono::sys_seconds> Instant(const ClockReading& r) {
    using namespace std::chrono;
    year_month_day date{year(r.date.year), month(static_cast<unsigned>(r.date.month)),
                        day(static_cast<unsigned>(r.date.day))};
    if (r.date.year < 1601 || r.date.year > 9999 || r.date.month < 1 || r.date.day < 1 ||
        !date.ok() || r.time.hour < 0 || r.time.hour > 23 || r.time.minute < 0 ||
        r.time.minute > 59 || r.time.second < 0 || r.time.second > 59)
        return std::nullopt;
    return sys_days(date) + hours(r.time.hour) + minutes(r.time.minute) + seconds(r.time.second);
}

long long RandomInterval(FuzzedDataProvider& input) {
    return input.ConsumeIntegralInRange<long long>(0, LLONG_MAX) >>
           input.ConsumeIntegralInRange(0, 62);
}

void CheckClock(FuzzedDataProvider& input) {
    using namespace std::chrono;
    ClockReading reading{
        {input.ConsumeIntegralInRange(1590, 10010), input.ConsumeIntegralInRange(-1, 13),
         input.ConsumeIntegralInRange(-1, 32)},
        {input.ConsumeIntegralInRange(-1, 24), input.ConsumeIntegralInRange(-1, 60),
         input.ConsumeIntegralInRange(-1, 60)}};
    const long long a = RandomInterval(input);
    const long long b = RandomInterval(input);
    const ClockReading advanced = AdvanceClock(reading, a);
    const std::optional<sys_seconds> start = Instant(reading);
    if (!start) {
        Require(advanced == reading);
        return;
    }
    const std::optional<sys_seconds> end = Instant(advanced);
    Require(end.has_value());
    const sys_seconds last = sys_days(year(9999) / 12 / 31) + hours(23) + minutes(59) + seconds(59);
    Require(*end == (a > (last - *start).count() ? last : *start + seconds(a)));
    const long long sum = a > LLONG_MAX - b ? LLONG_MAX : a + b;
    Require(AdvanceClock(advanced, b) == AdvanceClock(reading, sum));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    std::string settings = input.ConsumeRandomLengthString(1200);
    switch (input.ConsumeIntegralInRange(0, 2)) {
    case 0: {
        std::string key = input.ConsumeRandomLengthString(120);
        std::string value = input.ConsumeRandomLengthString(1100);
        std::string local = input.ConsumeRandomLengthString(20);
        std::string datagram = input.ConsumeRemainingBytesAsString();
        CheckSettings(settings, key, value);
        CheckReply(datagram, local);
        CheckRoundTrip(local, key, value);
        break;
    }
    case 1:
        CheckNetworkBlock(settings, input);
        CheckDateTimeBlock(settings, input);
        break;
    default:
        CheckClock(input);
        break;
    }
    return 0;
}
