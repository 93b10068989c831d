// Step 3 driven through its real controls: what it shows for the working
// settings, and what Next leaves in them, byte for byte.
#include "app/app_objects.h"
#include "app/page_moves.h"
#include "app/wizard_state.h"
#include "messaging/settings.h"
#include "pages/time_zones.h"
#include "res/resource.h"
#include "tests/gui/gui_test.h"
#include "tests/gui/user_script.h"

#include <commctrl.h>

#include <chrono>
#include <utility>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Values = std::vector<std::pair<std::string, std::string>>;

const std::string kSettings =
    "sys.hostname=nas1&sys.Time.timeZone=Taipei&date=2006/03/07&time=09:05:00"
    "&sys.Time.ntpServerList=a.ntp,a.ntp2&sys.Time.ntpServer=a.ntp&nwk.ipaddr=10.77.1.1";

std::string With(std::string settings, const Values& values) {
    for (const auto& [key, value] : values)
        ReplaceSetting(settings, key, key + "=" + value);
    return settings;
}

SYSTEMTIME At(int year, int month, int day, int hour, int minute, int second) {
    const auto w = [](int value) { return static_cast<WORD>(value); };
    return {w(year), w(month), 0, w(day), w(hour), w(minute), w(second), 0};
}

std::string Text(const char* format, int a, int b, int c) {
    char text[40];
    snprintf(text, sizeof(text), format, a, b, c);
    return text;
}

// Step 3 opened on `settings`, their date and time read `readAgo` ago. A
// reading seemingly taken in the future keeps the clock still, so that what
// Next writes compares byte for byte.
class Step3 {
public:
    explicit Step3(const std::string& settings, Clock::duration readAgo = -1h) {
        g_workingSettings = settings;
        g_clockReadAt = Clock::now() - readAgo;
        MoveToPage(nullptr, g_dateTimePage);
    }
    ~Step3() {
        g_dateTimePage.DestroyWindow();
        g_reviewPage.DestroyWindow();
    }
    Step3(const Step3&) = delete;
    Step3& operator=(const Step3&) = delete;

    HWND Item(int id) const { return g_dateTimePage.GetDlgItem(id); }
    int Selected(int list) const { return (int)SendMessageW(Item(list), CB_GETCURSEL, 0, 0); }
    std::vector<std::string> Items(int list) const {
        std::vector<std::string> items((int)SendMessageW(Item(list), CB_GETCOUNT, 0, 0));
        for (std::size_t i = 0; i < items.size(); ++i) {
            wchar_t text[400] = {};
            SendMessageW(Item(list), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            items[i] = guitest::Narrow(text);
        }
        return items;
    }
    // "2006/3/7 9:5:0": the date picker's date, the time picker's time.
    std::string Shown() const {
        SYSTEMTIME date = {}, time = {};
        SendMessageW(Item(IDC_DATE), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&date));
        SendMessageW(Item(IDC_TIME), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
        return Text("%d/%d/%d ", date.wYear, date.wMonth, date.wDay) +
               Text("%d:%d:%d", time.wHour, time.wMinute, time.wSecond);
    }

    void Choose(int row) {
        SendMessageW(Item(IDC_TIMEZONE), CB_SETCURSEL, row, 0);
        SendMessageW(g_dateTimePage.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_TIMEZONE, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(Item(IDC_TIMEZONE)));
    }
    void Focus(int picker) {
        SetFocus(Item(picker));
        guitest::Pump();
    }
    // The value and notification a change by the user's keys or calendar gives.
    void Change(int picker, SYSTEMTIME time) {
        SendMessageW(Item(picker), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
        NMDATETIMECHANGE change = {{Item(picker), (UINT_PTR)picker, DTN_DATETIMECHANGE}, 0, time};
        SendMessageW(g_dateTimePage.m_hWnd, WM_NOTIFY, picker, reinterpret_cast<LPARAM>(&change));
    }
    void Next() { guitest::Click(Item(IDC_DATETIME_NEXT)); }
};

} // namespace

GUI_TEST(datetime_date_and_time_are_shown_and_written_padded) {
    static const struct {
        const char *date, *time;
        SYSTEMTIME user; // year 0: pickers untouched
        const char *writtenDate, *writtenTime;
    } cases[] = {
        {"2006/3/7", "9:5:0", {}, "2006/03/07", "09:05:00"},
        {"1999/12/31", "0:0:0", At(2000, 2, 29, 23, 59, 59), "2000/02/29", "23:59:59"},
    };
    for (const auto& c : cases) {
        Step3 page(With(kSettings, {{"date", c.date}, {"time", c.time}}));
        const std::string stored = std::string(c.date) + " " + c.time;
        ok(page.Shown() == stored, "expected %s shown, got %s", stored.c_str(),
           page.Shown().c_str());
        if (c.user.wYear != 0) {
            for (int picker : {IDC_DATE, IDC_TIME}) {
                page.Focus(picker);
                page.Change(picker, c.user);
            }
        }
        page.Next();
        const std::string expected =
            With(kSettings, {{"date", c.writtenDate}, {"time", c.writtenTime}});
        ok(g_workingSettings == expected, "%s: expected \"%s\", got \"%s\"", stored.c_str(),
           expected.c_str(), g_workingSettings.c_str());
    }
}

GUI_TEST(datetime_a_refused_date_leaves_this_computers_clock) {
    auto local = [] {
        SYSTEMTIME now;
        GetLocalTime(&now);
        return Text("%d/%02d/%02d", now.wYear, now.wMonth, now.wDay) +
               Text(" %02d:%02d:%02d", now.wHour, now.wMinute, now.wSecond);
    };
    const std::string before = local();
    Step3 page(With(kSettings, {{"date", ""}}));
    page.Next();
    const std::string written =
        GetSetting(g_workingSettings, "date") + " " + GetSetting(g_workingSettings, "time");
    ok(before <= written && written <= local(), "expected this computer's clock %s, got %s",
       before.c_str(), written.c_str());
}

GUI_TEST(datetime_untouched_pickers_run_and_next_writes_the_advanced_clock) {
    const std::string stored = With(kSettings, {{"date", "2006/12/31"}, {"time", "23:59:58"}});
    {
        Step3 page(stored, 1h + 2s);
        ok(page.Shown() == "2007/1/1 1:0:0", "expected an hour on, got %s", page.Shown().c_str());
    }
    // Read 1.5 s ago: 23:59:59 now, past midnight at the page's next tick.
    Step3 page(stored, 1500ms);
    ok(page.Shown() == "2006/12/31 23:59:59", "expected 23:59:59, got %s", page.Shown().c_str());
    guitest::PumpFor(1300);
    const std::string shown = page.Shown();
    ok(shown == "2007/1/1 0:0:0" || shown == "2007/1/1 0:0:1", "expected past midnight, got %s",
       shown.c_str());
    page.Next();
    const std::string time = GetSetting(g_workingSettings, "time");
    ok((time == "00:00:00" || time == "00:00:01") &&
           g_workingSettings == With(stored, {{"date", "2007/01/01"}, {"time", time}}),
       "expected the running clock written, got \"%s\"", g_workingSettings.c_str());
    // Step 3 reopened from step 4 runs from what Next wrote, not from the reply.
    ok(Clock::now() - g_clockReadAt < 1s, "expected the written clock read at Next");
}

GUI_TEST(datetime_a_focused_or_changed_picker_stops) {
    // One second before midnight, read half a second ago: the date turns while
    // the test waits, in the pickers that still run.
    const std::string stored = With(kSettings, {{"date", "2006/12/31"}, {"time", "23:59:59"}});
    static const struct {
        int picker;
        bool change;
        const char* written; // "00:00:0" where the time runs
    } cases[] = {
        {IDC_DATE, false, "2006/12/31 00:00:0"},
        {IDC_DATE, true, "2006/05/05 00:00:0"},
        {IDC_TIME, false, "2007/01/01 23:59:59"},
        {IDC_TIME, true, "2007/01/01 12:00:00"},
    };
    for (const auto& c : cases) {
        Step3 page(stored, 500ms);
        if (c.change)
            page.Change(c.picker, At(2006, 5, 5, 12, 0, 0));
        else
            page.Focus(c.picker);
        guitest::PumpFor(700);
        page.Next();
        const std::string written =
            GetSetting(g_workingSettings, "date") + " " + GetSetting(g_workingSettings, "time");
        ok(written.starts_with(c.written), "picker %d%s: expected %s, got %s", c.picker,
           c.change ? " changed" : " focused", c.written, written.c_str());
    }
}

GUI_TEST(datetime_time_zone_rows_and_written_zone_words) {
    static const struct {
        const char *stored, *row;
        int choose; // -1: the user picks none
        const char* written;
    } cases[] = {
        {"Taipei", "(GMT+08:00) Taipei", 4, "Pacific"},
        {"Nowhere", "", -1, "Nowhere"},
        {"Nowhere", "", 13, "Atlantic"},
    };
    for (const auto& c : cases) {
        const std::string settings = With(kSettings, {{"sys.Time.timeZone", c.stored}});
        Step3 page(settings);
        const int row = page.Selected(IDC_TIMEZONE);
        const std::string shown = row >= 0 ? page.Items(IDC_TIMEZONE)[row] : "";
        ok(shown == c.row, "\"%s\": expected \"%s\", got \"%s\"", c.stored, c.row, shown.c_str());
        if (c.choose >= 0)
            page.Choose(c.choose);
        page.Next();
        const std::string expected = With(settings, {{"sys.Time.timeZone", c.written}});
        ok(g_workingSettings == expected, "\"%s\": expected \"%s\", got \"%s\"", c.stored,
           expected.c_str(), g_workingSettings.c_str());
    }
}

GUI_TEST(datetime_the_hidden_ntp_choice_passes_through) {
    const std::string longServer(300, 'n');
    const struct Case {
        std::string list, stored;
        std::vector<std::string> items;
        int selected;
        std::string written;
    } cases[] = {
        {"a.ntp,a.ntp2", "a.nt", {"None", "a.ntp", "a.ntp2"}, -1, "a.nt"},
        {"a.ntp," + longServer, longServer, {"None", "a.ntp", longServer}, 2, longServer},
        {"a.ntp", "None", {"None", "a.ntp"}, 0, "none"},
    };
    for (const Case& c : cases) {
        const std::string settings =
            With(kSettings, {{"sys.Time.ntpServerList", c.list}, {"sys.Time.ntpServer", c.stored}});
        Step3 page(settings);
        ok(!IsWindowVisible(page.Item(IDC_NTP_SERVER)), "expected the NTP list hidden");
        ok(page.Items(IDC_NTP_SERVER) == c.items && page.Selected(IDC_NTP_SERVER) == c.selected,
           "\"%s\" in \"%s\": expected item %d of %zu, got %d of %zu", c.stored.c_str(),
           c.list.c_str(), c.selected, c.items.size(), page.Selected(IDC_NTP_SERVER),
           page.Items(IDC_NTP_SERVER).size());
        page.Next();
        const std::string expected = With(settings, {{"sys.Time.ntpServer", c.written}});
        ok(g_workingSettings == expected, "\"%s\": expected \"%s\", got \"%s\"", c.stored.c_str(),
           expected.c_str(), g_workingSettings.c_str());
    }
}

GUI_TEST(datetime_next_to_an_open_step4_and_back_write_nothing) {
    for (bool back : {false, true}) {
        if (!back)
            g_reviewPage.Create();
        Step3 page(kSettings);
        page.Choose(4);
        page.Change(IDC_DATE, At(2001, 1, 1, 0, 0, 0));
        guitest::Click(page.Item(back ? IDC_DATETIME_BACK : IDC_DATETIME_NEXT));
        ok(back ? !g_dateTimePage.IsWindow() && !g_reviewPage.IsWindow()
                : g_dateTimePage.IsWindowVisible() && g_reviewPage.IsWindowVisible(),
           back ? "expected step 3 closed" : "expected steps 3 and 4 shown");
        ok(g_workingSettings == kSettings, "expected nothing written, got \"%s\"",
           g_workingSettings.c_str());
        for (HWND step2 : guitest::DialogWindows(IDD_NETWORK_PAGE))
            DestroyWindow(step2);
    }
}

GUI_TEST(datetime_next_that_would_overflow_the_settings_writes_nothing) {
    // Padding the date fits within the limit, padding the time then would not.
    std::string settings = With(kSettings, {{"date", "2006/3/7"}, {"time", "9:5:0"}}) + "&pad=";
    settings.resize(kMaxSettingsLength - 3, 'x');
    Step3 page(settings);
    guitest::StartScript({guitest::ExpectBox("Error", guitest::Narrow(kSettingsTooLongText))});
    page.Next();
    guitest::EndScript();
    ok(g_dateTimePage.IsWindowVisible() && !g_reviewPage.IsWindow(), "expected step 3 to stay");
    ok(g_workingSettings == settings, "expected nothing written, got \"%s\"",
       g_workingSettings.c_str());
}
