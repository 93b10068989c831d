#include "core/setup/datetime_settings.h"

#include "core/setup/time_zones.h"

namespace {

constexpr std::string_view kNone = "None";

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

std::vector<std::string> NtpItems(std::string_view serverList) {
    std::vector<std::string> items{std::string(kNone)};
    while (!serverList.empty()) {
        std::size_t comma = serverList.find(',');
        std::string_view piece = serverList.substr(0, comma);
        if (!piece.empty())
            items.emplace_back(piece);
        serverList.remove_prefix(comma == std::string_view::npos ? serverList.size() : comma + 1);
    }
    return items;
}

} // namespace

// A list changed when its selection is not the one the stored value selects:
// an empty zone (row 62) or server ("None") the user left as it was stays
// empty. With no zone row or NTP item selected, the page has nothing to put in
// the stored value's place. The server list is only read.
void ExchangeDateTimeSettings(SettingsExchange& dx, DateTimeValues& values) {
    dx.Selection("sys.Time.timeZone", values.zoneRow, RowForZone, ZoneWord);
    dx.Date("date", values.date);
    dx.Time("time", values.time);
    if (!dx.IsSaving())
        values.ntpItems = NtpItems(dx.Stored("sys.Time.ntpServerList"));
    dx.Selection(
        "sys.Time.ntpServer", values.ntpSelected,
        [&values](std::string_view stored) { return NtpItemFor(values.ntpItems, stored); },
        [&values](int item) -> std::string {
            if (item < 0 || static_cast<std::size_t>(item) >= values.ntpItems.size())
                return {};
            return values.ntpItems[static_cast<std::size_t>(item)] == kNone
                       ? "none"
                       : values.ntpItems[static_cast<std::size_t>(item)];
        });
}

int NtpItemFor(const std::vector<std::string>& items, std::string_view stored) {
    if (stored.empty())
        return items.empty() ? -1 : 0;
    const std::size_t count = items.size();
    for (std::size_t step = 0; step < count; ++step) {
        std::size_t item = (2 + step) % count;
        if (EqualIgnoringAsciiCase(items[item], stored))
            return static_cast<int>(item);
    }
    return -1;
}
