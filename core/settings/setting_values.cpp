#include "core/settings/setting_values.h"

#include <climits>
#include <optional>

namespace {

bool IsCSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// One decimal number as "%d" and atoi read it: white space, an optional sign,
// then digits. Consumes what it read from `text`. Nothing when no digit
// follows. A number beyond int saturates at INT_MAX or INT_MIN, as strtol does
// with a 32-bit long, instead of the undefined result the C functions allow.
std::optional<int> ScanInt(std::string_view& text) {
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i == text.size() || !IsDigit(text[i]))
        return std::nullopt;
    long long magnitude = 0;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > limit)
            magnitude = limit;
    }
    text.remove_prefix(i);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

// Scans "%d<sep>%d<sep>%d" into the three fields; the fields after the first
// that does not scan keep their value, like sscanf.
void ScanTriple(std::string_view text, char separator, int& first, int& second, int& third) {
    int* fields[] = {&first, &second, &third};
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            if (text.empty() || text.front() != separator)
                return;
            text.remove_prefix(1);
        }
        std::optional<int> value = ScanInt(text);
        if (!value)
            return;
        *fields[i] = *value;
    }
}

// The value as "%d%d" writes tens and units, which for 0 to 99 is two digits.
std::string TwoDigits(int value) {
    return std::to_string(value / 10) + std::to_string(value % 10);
}

} // namespace

std::string DateText(const SettingDate& date) {
    return std::to_string(date.year) + "/" + TwoDigits(date.month) + "/" + TwoDigits(date.day);
}

std::string TimeText(const SettingTime& time) {
    return TwoDigits(time.hour) + ":" + TwoDigits(time.minute) + ":" + TwoDigits(time.second);
}

std::string DatePair(std::string_view key, const SettingDate& date) {
    return std::string(key) + "=" + DateText(date);
}

std::string TimePair(std::string_view key, const SettingTime& time) {
    return std::string(key) + "=" + TimeText(time);
}

SettingDate ParseDate(std::string_view value) {
    SettingDate date;
    ScanTriple(value, '/', date.year, date.month, date.day);
    return date;
}

SettingTime ParseTime(std::string_view value) {
    SettingTime time;
    ScanTriple(value, ':', time.hour, time.minute, time.second);
    return time;
}

std::string AddressPair(std::string_view key, const Octets& octets) {
    std::string pair = std::string(key) + "=";
    if (octets == Octets{})
        return pair;
    for (std::size_t i = 0; i < octets.size(); ++i) {
        if (i > 0)
            pair += '.';
        pair += std::to_string(octets[i]);
    }
    return pair;
}

Octets ParseOctets(std::string_view value) {
    Octets octets{};
    std::size_t count = 0;
    while (count < octets.size() && !value.empty()) {
        std::size_t dot = value.find('.');
        std::string_view piece = value.substr(0, dot);
        value = dot == std::string_view::npos ? std::string_view() : value.substr(dot + 1);
        if (piece.empty())
            continue;
        // Keeping the low 8 bits is what the address control does with a wider number.
        octets[count++] = static_cast<std::uint8_t>(ScanInt(piece).value_or(0));
    }
    return octets;
}
