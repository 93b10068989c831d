#include "cli/named_values.h"

#include "cli/text.h"
#include "core/protocol/conversation.h"
#include "core/setup/network_settings.h"
#include "core/setup/running_clock.h"
#include "core/setup/time_zones.h"

#include <algorithm>
#include <charconv>

namespace {

// Three numbers joined by `separator`: the first of `firstShortest` to
// `firstLongest` digits, the others of one or two.
std::optional<std::array<int, 3>> ThreeNumbers(std::string_view text, char separator,
                                               std::size_t firstShortest,
                                               std::size_t firstLongest) {
    std::array<int, 3> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const std::size_t end = text.find(separator);
        if ((end == text.npos) != (i + 1 == numbers.size()))
            return std::nullopt;
        const std::string_view piece = text.substr(0, end);
        const std::size_t shortest = i == 0 ? firstShortest : 1,
                          longest = i == 0 ? firstLongest : 2;
        if (piece.size() < shortest || piece.size() > longest ||
            piece.find_first_not_of("0123456789") != piece.npos)
            return std::nullopt;
        std::from_chars(piece.data(), piece.data() + piece.size(), numbers[i]);
        text.remove_prefix(end == text.npos ? text.size() : end + 1);
    }
    return numbers;
}

bool DigitsAndDots(std::string_view text) {
    return text.find_first_not_of("0123456789.") == text.npos;
}

std::optional<std::string> TakeHostName(std::string_view text, bool keepable, NamedValues& named) {
    const std::optional<std::string> bytes = BytesOf(text);
    if (!bytes)
        return std::string(text) + " is no text q6 reads: not UTF-8, a backslash that starts "
                                   "neither \\xHH nor \\\\, or a character code page 936 lacks";
    const std::string lowered = LowerHostName(*bytes);
    // No array reports an "&" in a value: it would end the pair.
    if (lowered.find('&') != lowered.npos || (!keepable && HostNameRefused(lowered)))
        return std::string(text) + " holds \"&\" or \"=\", which the array reads as separators";
    if (!keepable && lowered.size() > static_cast<std::size_t>(kHostNameBytes))
        return std::string(text) + " takes " + std::to_string(lowered.size()) +
               " bytes in code page 936, more than " + std::to_string(kHostNameBytes);
    named.hostName = *bytes;
    return std::nullopt;
}

} // namespace

std::optional<std::string> AddressText(std::string_view text) {
    if (text.find_first_not_of("0123456789.") != text.npos)
        return std::nullopt;
    const std::size_t dots = static_cast<std::size_t>(std::count(text.begin(), text.end(), '.'));
    if (dots != 3)
        return std::nullopt;
    Octets octets{};
    for (std::size_t i = 0; i < octets.size(); ++i) {
        const std::size_t dot = text.find('.');
        const std::string_view piece = text.substr(0, dot);
        int value = 0;
        if (piece.empty() || piece.size() > 3 ||
            std::from_chars(piece.data(), piece.data() + piece.size(), value).ec != std::errc() ||
            value > 255)
            return std::nullopt;
        octets[i] = static_cast<std::uint8_t>(value);
        text.remove_prefix(dot == text.npos ? text.size() : dot + 1);
    }
    // The value AddressPair writes after its "=".
    return AddressPair("", octets).substr(1);
}

std::optional<std::string> TakeValue(Field field, std::string_view text, bool keepable,
                                     NamedValues& named) {
    const std::string shown(text);
    switch (field) {
    case Field::kHostName:
        return TakeHostName(text, keepable, named);
    case Field::kMode:
        if (EqualsIgnoringCase(text, "fixed") || EqualsIgnoringCase(text, "dhcp")) {
            named.dhcp = EqualsIgnoringCase(text, "dhcp");
            return std::nullopt;
        }
        return shown + " is neither fixed nor dhcp";
    case Field::kIp:
    case Field::kNetmask:
    case Field::kGateway:
    case Field::kDns: {
        const auto slot = std::find(kAddressFields.begin(), kAddressFields.end(), field);
        std::optional<std::string>& value = named.addresses[slot - kAddressFields.begin()];
        if (const std::optional<std::string> address = AddressText(text)) {
            value = address;
            return std::nullopt;
        }
        if (keepable && !DigitsAndDots(text)) {
            value = BytesOf(text);
            if (value)
                return std::nullopt;
        }
        return shown + " is no IPv4 address";
    }
    case Field::kTimeZone:
        if (IsZoneWord(text) || keepable) {
            named.timeZone = BytesOf(text);
            if (named.timeZone)
                return std::nullopt;
        }
        return shown + " is no zone word of the table (q6 zones lists them)";
    case Field::kDate: {
        const auto numbers = ThreeNumbers(text, '/', 4, 4);
        const SettingDate date =
            numbers ? SettingDate{(*numbers)[0], (*numbers)[1], (*numbers)[2]} : SettingDate{};
        if (!IsValidReading({date, {}}))
            return shown + " is no date YYYY/MM/DD from 1601 to 9999";
        named.date = date;
        return std::nullopt;
    }
    case Field::kTime: {
        const auto numbers = ThreeNumbers(text, ':', 1, 2);
        const SettingTime time =
            numbers ? SettingTime{(*numbers)[0], (*numbers)[1], (*numbers)[2]} : SettingTime{-1};
        if (!IsValidReading({{2000, 1, 1}, time}))
            return shown + " is no time HH:MM:SS";
        named.time = time;
        return std::nullopt;
    }
    case Field::kMac:
        break;
    }
    return shown + " cannot be set";
}

std::optional<std::string> PasswordProblem(std::string_view bytes) {
    if (bytes.size() <= static_cast<std::size_t>(kPasswordBytes))
        return std::nullopt;
    return "the password takes " + std::to_string(bytes.size()) +
           " bytes in code page 936, more than the array's " + std::to_string(kPasswordBytes);
}
