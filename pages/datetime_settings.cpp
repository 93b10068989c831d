#include "pages/datetime_settings.h"

#include "pages/time_zones.h"

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

void LoadDateTime(SettingsExchange& dx, DateTimeValues& values) {
    std::string zone, serverList, server;
    dx.Text("sys.Time.timeZone", zone);
    values.zoneRow = RowForZone(zone);
    dx.Date("date", values.date);
    dx.Time("time", values.time);
    dx.Text("sys.Time.ntpServerList", serverList);
    values.ntpItems = NtpItems(serverList);
    dx.Text("sys.Time.ntpServer", server);
    values.ntpSelected = NtpItemFor(values.ntpItems, server);
}

// A list changed when its selection is not the one the stored value selects: an
// empty zone (row 62) or server ("None") the user left as it was stays empty.
void SaveDateTime(SettingsExchange& dx, DateTimeValues& values) {
    std::string zone = ZoneWord(values.zoneRow);
    if (!zone.empty() && values.zoneRow != RowForZone(dx.Stored("sys.Time.timeZone")))
        dx.Text("sys.Time.timeZone", zone);
    dx.Date("date", values.date);
    dx.Time("time", values.time);
    if (values.ntpSelected >= 0 &&
        static_cast<std::size_t>(values.ntpSelected) < values.ntpItems.size() &&
        values.ntpSelected != NtpItemFor(values.ntpItems, dx.Stored("sys.Time.ntpServer"))) {
        std::string server = values.ntpItems[static_cast<std::size_t>(values.ntpSelected)];
        if (server == kNone)
            server = "none";
        dx.Text("sys.Time.ntpServer", server);
    }
}

} // namespace

void ExchangeDateTimeSettings(SettingsExchange& dx, DateTimeValues& values) {
    if (dx.IsSaving())
        SaveDateTime(dx, values);
    else
        LoadDateTime(dx, values);
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
