// Step 3's wiring through its real controls: the pickers and their running
// clock, the lists, and what Next and Back leave in the working settings.
#include "app/app_objects.h"
#include "app/page_moves.h"
#include "app/wizard_state.h"
#include "messaging/settings.h"
#include "res/resource.h"
#include "tests/gui/gui_test.h"
#include "tests/gui/user_script.h"

#include <commctrl.h>

#include <chrono>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

const std::string kSettings =
    "sys.hostname=nas1&sys.Time.timeZone=Taipei&date=2006/12/31&time=23:59:58"
    "&sys.Time.ntpServerList=a.ntp,a.ntp2&sys.Time.ntpServer=a.ntp";

std::string With(std::string settings, const std::string& key, const std::string& value) {
    ReplaceSetting(settings, key, key + "=" + value);
    return settings;
}

// Step 3 opened on `settings`, their date and time read `readAgo` ago. A
// reading seemingly taken in the future keeps the clock still.
struct Step3 {
    explicit Step3(const std::string& settings, Clock::duration readAgo = -1h) {
        g_workingSettings = settings;
        g_clockReadAt = Clock::now() - readAgo;
        MoveToPage(nullptr, g_dateTimePage);
    }
    ~Step3() {
        g_dateTimePage.DestroyWindow();
        g_reviewPage.DestroyWindow();
    }
};

HWND Item(int id) {
    return g_dateTimePage.GetDlgItem(id);
}

// "2006/12/31 23:59:59": the date of `d`, the time of `t`.
std::string Text(const SYSTEMTIME& d, const SYSTEMTIME& t) {
    char text[40];
    snprintf(text, sizeof text, "%d/%02d/%02d %02d:%02d:%02d", d.wYear, d.wMonth, d.wDay, t.wHour,
             t.wMinute, t.wSecond);
    return text;
}

std::string Shown() {
    SYSTEMTIME date = {}, time = {};
    SendMessageW(Item(IDC_DATE), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&date));
    SendMessageW(Item(IDC_TIME), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    return Text(date, time);
}

std::string Written() {
    return GetSetting(g_workingSettings, "date") + " " + GetSetting(g_workingSettings, "time");
}

// The value and notification a change by the user's keys or calendar gives.
void Change(int picker, SYSTEMTIME time) {
    SendMessageW(Item(picker), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
    NMDATETIMECHANGE change = {{Item(picker), (UINT_PTR)picker, DTN_DATETIMECHANGE}, 0, time};
    SendMessageW(g_dateTimePage.m_hWnd, WM_NOTIFY, picker, reinterpret_cast<LPARAM>(&change));
}

} // namespace

// Read 1.5 s before the page opens, the stored clock shows a second on and
// turns midnight while the test waits, in the pickers the user left alone.
GUI_TEST(datetime_pickers_run_from_the_stored_clock_until_touched) {
    static const struct {
        int picker; // 0: untouched
        bool change;
        const char* written; // "00:00:0" where the time runs
    } cases[] = {
        {0, false, "2007/01/01 00:00:0"},        {IDC_DATE, false, "2006/12/31 00:00:0"},
        {IDC_DATE, true, "2006/05/05 00:00:0"},  {IDC_TIME, false, "2007/01/01 23:59:59"},
        {IDC_TIME, true, "2007/01/01 12:00:00"},
    };
    for (const auto& c : cases) {
        Step3 page(kSettings, 1500ms);
        ok(Shown() == "2006/12/31 23:59:59", "expected 23:59:59 shown, got %s", Shown().c_str());
        if (c.change)
            Change(c.picker, {2006, 5, 0, 5, 12, 0, 0, 0});
        else if (c.picker)
            SetFocus(Item(c.picker));
        guitest::PumpFor(1300);
        guitest::Click(Item(IDC_DATETIME_NEXT));
        ok(Written().starts_with(c.written), "picker %d%s: expected %s, got %s", c.picker,
           c.change ? " changed" : "", c.written, Written().c_str());
        // Step 3 reopened from step 4 runs from what Next wrote, not from the reply.
        ok(Clock::now() - g_clockReadAt < 1s, "expected the written clock read at Next");
    }
}

GUI_TEST(datetime_a_refused_date_leaves_this_computers_clock) {
    const auto local = [] {
        SYSTEMTIME now;
        GetLocalTime(&now);
        return Text(now, now);
    };
    const std::string before = local();
    Step3 page(With(kSettings, "date", ""));
    const std::string opened = Shown();
    guitest::PumpFor(1300);
    ok(Shown() != opened, "expected this computer's clock running from %s", opened.c_str());
    guitest::Click(Item(IDC_DATETIME_NEXT));
    ok(before <= Written() && Written() <= local(), "expected this computer's clock %s, got %s",
       before.c_str(), Written().c_str());
}

// The zone list gives the chosen row; the hidden NTP list its server, whole.
GUI_TEST(datetime_the_lists_pass_their_choices_through) {
    // The stored server in capitals selects its item, which Next writes.
    const std::string server(300, 'n');
    const std::string settings = With(With(kSettings, "sys.Time.ntpServerList", "a.ntp," + server),
                                      "sys.Time.ntpServer", std::string(300, 'N'));
    Step3 page(settings);
    ok(!IsWindowVisible(Item(IDC_NTP_SERVER)), "expected the NTP list hidden");
    SendMessageW(Item(IDC_TIMEZONE), CB_SETCURSEL, 4, 0);
    guitest::Click(Item(IDC_DATETIME_NEXT));
    const std::string expected =
        With(With(settings, "sys.Time.timeZone", "Pacific"), "sys.Time.ntpServer", server);
    ok(g_workingSettings == expected, "expected \"%s\", got \"%s\"", expected.c_str(),
       g_workingSettings.c_str());
}

GUI_TEST(datetime_next_to_an_open_step4_and_back_write_nothing) {
    for (bool back : {false, true}) {
        if (!back)
            g_reviewPage.Create();
        Step3 page(kSettings);
        Change(IDC_DATE, {2001, 1, 0, 1, 0, 0, 0, 0});
        guitest::Click(Item(back ? IDC_DATETIME_BACK : IDC_DATETIME_NEXT));
        ok(g_workingSettings == kSettings && g_dateTimePage.IsWindowVisible() != back &&
               g_reviewPage.IsWindowVisible() != back,
           "%s: expected nothing written", back ? "Back" : "Next");
        for (HWND step2 : guitest::DialogWindows(IDD_NETWORK_PAGE))
            DestroyWindow(step2);
    }
}

GUI_TEST(datetime_next_past_the_settings_limit_writes_nothing) {
    // Padding the date fits within the limit, padding the time then would not.
    std::string settings = With(With(kSettings, "date", "2006/3/7"), "time", "9:5:0") + "&pad=";
    settings.resize(kMaxSettingsLength - 3, 'x');
    Step3 page(settings);
    guitest::StartScript({guitest::ExpectBox("Error", guitest::Narrow(kSettingsTooLongText))});
    guitest::Click(Item(IDC_DATETIME_NEXT));
    guitest::EndScript();
    ok(g_workingSettings == settings && g_dateTimePage.IsWindowVisible() &&
           !g_reviewPage.IsWindow(),
       "expected nothing written and step 3 to stay");
}
