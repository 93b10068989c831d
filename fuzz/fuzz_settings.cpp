// Hostile settings strings, keys, values and datagrams against the settings
// operations, the reply parser and the device list. Sanitizers catch any bad
// read; the checks below catch wrong results.
#include "app/device_list.h"
#include "messaging/message.h"
#include "messaging/settings.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    std::string settings = input.ConsumeRandomLengthString(1200);
    std::string key = input.ConsumeRandomLengthString(120);
    std::string value = input.ConsumeRandomLengthString(1100);
    std::string local = input.ConsumeRandomLengthString(20);
    std::string datagram = input.ConsumeRemainingBytesAsString();

    CheckSettings(settings, key, value);
    CheckReply(datagram, local);
    CheckRoundTrip(local, key, value);
    return 0;
}
