#include "tools/array_sim/sim_arrays.h"

#include "core/settings/settings.h"

#include <cstdio>

namespace {

using namespace std::chrono;

struct Template {
    const char* hostname;
    bool dhcp;
    const char* model;
    const char* timeZone;
    const char* ntpServer;
    const char* raidLevel;
    int disks;
};

// Cycled through when more arrays are asked for than there are rows; the
// host names then get a number.
constexpr Template kTemplates[] = {
    {"Q6-Store01", false, "Q6-4200", "Beijing", "pool.ntp.org", "5", 4},
    {"Q6-Backup", true, "Q6-2100", "Taipei", "none", "1", 2},
    {"Q6-Media", false, "Q6-8400", "Tokyo", "time.nist.gov", "6", 8},
    {"Q6-Archive", true, "Q6-4200", "Beijing", "asia.pool.ntp.org", "10", 4},
};
constexpr int kTemplateCount = sizeof kTemplates / sizeof kTemplates[0];

std::string Format(const char* format, auto... values) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, values...);
    return buffer;
}

std::string DateText(SimTime t) {
    const year_month_day ymd{floor<days>(t)};
    return Format("%d/%02u/%02u", int(ymd.year()), unsigned(ymd.month()), unsigned(ymd.day()));
}

std::string TimeText(SimTime t) {
    const hh_mm_ss hms{t - floor<days>(t)};
    return Format("%02d:%02d:%02d", int(hms.hours().count()), int(hms.minutes().count()),
                  int(hms.seconds().count()));
}

// "YYYY/MM/DD" and "HH:MM:SS" (one-digit fields too) as one point in time.
std::optional<SimTime> ParseClock(std::string_view date, std::string_view time) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    char tail = 0;
    if (std::sscanf(std::string(date).c_str(), "%d/%d/%d%c", &y, &mo, &d, &tail) != 3 ||
        std::sscanf(std::string(time).c_str(), "%d:%d:%d%c", &h, &mi, &s, &tail) != 3)
        return std::nullopt;
    const year_month_day ymd{year{y}, month(unsigned(mo)), day(unsigned(d))};
    if (!ymd.ok() || y < 1970 || y > 2100 || h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0 ||
        s > 59)
        return std::nullopt;
    return SimTime{sys_days{ymd}} + hours{h} + minutes{mi} + seconds{s};
}

} // namespace

std::string ArrayAddress(int index) {
    return Format("10.77.%d.%d", 1 + index / 254, 1 + index % 254);
}

std::vector<SimArray> DefaultArrays(int count) {
    std::vector<SimArray> arrays;
    for (int i = 0; i < count; ++i) {
        const Template& t = kTemplates[i % kTemplateCount];
        const std::string hostname =
            i < kTemplateCount ? t.hostname : Format("%s-%d", t.hostname, i + 1);
        std::string s = "sys.model=" + std::string(t.model) + "&sys.fwversion=2.3.7";
        s += "&sys.hostname=" + hostname;
        s += std::string("&nwk.bootproto=") + (t.dhcp ? "dhcp" : "none");
        s += "&nwk.ipaddr=" + ArrayAddress(i) + "&nwk.netmask=255.255.0.0";
        s += "&sys.gateway=10.77.0.254&sys.dns=10.77.0.253";
        s +=
            Format("&nwk.mac=00:1B:7A:%02X:%02X:%02X", (i >> 16) & 0xFF, (i >> 8) & 0xFF, i & 0xFF);
        s += "&date=2000/01/01&time=00:00:00";
        s += std::string("&sys.Time.timeZone=") + t.timeZone;
        s += std::string("&sys.Time.ntpServer=") + t.ntpServer;
        s += "&sys.Time.ntpServerList=pool.ntp.org,time.nist.gov,asia.pool.ntp.org";
        s += std::string("&raid.level=") + t.raidLevel + Format("&disk.count=%d", t.disks);
        s += "&web.port=80";
        arrays.push_back({std::move(s), std::string(kDefaultPassword), {}});
    }
    return arrays;
}

std::optional<std::vector<SimArray>> LoadArrays(std::istream& in, std::string& error) {
    std::vector<SimArray> arrays;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        if (line.size() > kMaxSettingsLength) {
            error = Format("line %d: longer than %zu bytes", number, kMaxSettingsLength);
            return std::nullopt;
        }
        arrays.push_back({line, std::string(kDefaultPassword), {}});
    }
    if (arrays.empty()) {
        error = "no arrays";
        return std::nullopt;
    }
    return arrays;
}

std::string ReportedSettings(const SimArray& array, SimTime now) {
    std::string settings = array.settings;
    const SimTime clock = now + array.clockOffset;
    // Only keys the array has are refreshed; an array without a clock keeps none.
    if (!GetSetting(settings, "date").empty())
        ReplaceSetting(settings, "date", "date=" + DateText(clock));
    if (!GetSetting(settings, "time").empty())
        ReplaceSetting(settings, "time", "time=" + TimeText(clock));
    return settings;
}

void TakeSettings(SimArray& array, std::string settings, SimTime now) {
    if (const auto clock = ParseClock(GetSetting(settings, "date"), GetSetting(settings, "time")))
        array.clockOffset = *clock - now;
    array.settings = std::move(settings);
}
