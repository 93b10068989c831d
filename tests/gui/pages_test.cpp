// The wizard's pages through their real buttons, keys and controls: the moves
// between them, and what steps 2 and 3 show and leave in the working settings.
#include "app/app_objects.h"
#include "app/page_moves.h"
#include "app/welcome_dlg.h"
#include "app/wizard_state.h"
#include "messaging/settings.h"
#include "pages/page_layouts.h"
#include "pages/search_page.h"
#include "res/resource.h"
#include "tests/gui/gui_test.h"
#include "tests/gui/user_script.h"

#include <commctrl.h>

#include <chrono>
#include <span>

static INT_PTR g_passwordAnswer = IDOK;
static int g_passwordChecks = 0;

// Taken by the linker in place of the library's, so step 1 moves without an array to ask.
INT_PTR RunPasswordCheck() {
    ++g_passwordChecks;
    return g_passwordAnswer;
}

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// The welcome window as the main window, `page` opened on `settings` whose date
// and time were read `readAgo` ago (a reading from the future keeps the clock
// still). Closing the welcome window takes every page with it.
struct Wizard {
    CWelcomeDlg welcome;
    explicit Wizard(CDialog* page = nullptr, const std::string& settings = {},
                    Clock::duration readAgo = -1h) {
        welcome.Create();
        SetMainWnd(&welcome);
        g_passwordAnswer = IDOK;
        g_passwordChecks = 0;
        g_deviceList.FreeDeviceList();
        g_deviceList.AddDevice("sys.hostname=nas1");
        g_workingSettings = settings;
        g_clockReadAt = Clock::now() - readAgo;
        if (page)
            MoveToPage(nullptr, *page);
    }
    ~Wizard() {
        welcome.DestroyWindow();
        SetMainWnd(nullptr);
        g_deviceList.FreeDeviceList();
    }
};

// Step 1 searches as it opens; with only loopback it keeps the device list.
void AwaitSearch() {
    for (int wait = 0; wait < 100 && g_searchProgress.IsWindow(); ++wait)
        guitest::PumpFor(20);
}

int PageWindowCount() {
    int count = 0;
    for (UINT id : {IDD_SEARCH_PAGE, IDD_NETWORK_PAGE, IDD_DATETIME_PAGE, IDD_REVIEW_PAGE})
        count += static_cast<int>(guitest::DialogWindows(id).size());
    return count;
}

// Unknown keys around and between step 2's own.
const std::string kNetwork =
    "x.fw=1.2&sys.dns=8.8.8.8&sys.hostname=abcdefghijklmnopqrst&nwk.bootproto=none&"
    "nwk.ipaddr=192.168.0.5&nwk.netmask=255.255.255.0&sys.gateway=192.168.0.1&nwk.mac=00:11";
const std::string kDateTime =
    "sys.hostname=nas1&sys.Time.timeZone=Taipei&date=2006/12/31&time=23:59:58"
    "&sys.Time.ntpServerList=a.ntp,a.ntp2&sys.Time.ntpServer=a.ntp";

std::string With(std::string settings, const std::string& key, const std::string& value) {
    ok(ReplaceSetting(settings, key, key + "=" + value), "expected %s to fit", key.c_str());
    return settings;
}

HWND Step2(int id) {
    return g_networkPage.GetDlgItem(id);
}

HWND Step3(int id) {
    return g_dateTimePage.GetDlgItem(id);
}

// Key by key in an emptied host name box, as typed.
std::string Type(const std::wstring& keys) {
    SetWindowTextW(Step2(IDC_HOSTNAME), L"");
    for (wchar_t key : keys)
        SendMessageW(Step2(IDC_HOSTNAME), WM_CHAR, key, 1);
    return guitest::Narrow(guitest::WindowText(Step2(IDC_HOSTNAME)));
}

void ExpectMode(bool dhcp) {
    ok(IsDlgButtonChecked(g_networkPage.m_hWnd, IDC_DHCP) == dhcp &&
           IsDlgButtonChecked(g_networkPage.m_hWnd, IDC_MANUAL_IP) == !dhcp,
       "expected %s marked alone", dhcp ? "DHCP" : "manual");
    for (int id : {IDC_IPADDR, IDC_NETMASK, IDC_GATEWAY, IDC_DNS}) {
        // The fields inside show whether the control is drawn disabled.
        ok(IsWindowEnabled(Step2(id)) != dhcp &&
               IsWindowEnabled(GetWindow(Step2(id), GW_CHILD)) != dhcp,
           "address %d: expected %s", id, dhcp ? "disabled" : "enabled");
    }
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
    SendMessageW(Step3(IDC_DATE), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&date));
    SendMessageW(Step3(IDC_TIME), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    return Text(date, time);
}

std::string Written() {
    return GetSetting(g_workingSettings, "date") + " " + GetSetting(g_workingSettings, "time");
}

// The value and notification a change by the user's keys or calendar gives.
void Change(int picker, SYSTEMTIME time) {
    SendMessageW(Step3(picker), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
    NMDATETIMECHANGE change = {{Step3(picker), (UINT_PTR)picker, DTN_DATETIMECHANGE}, 0, time};
    SendMessageW(g_dateTimePage.m_hWnd, WM_NOTIFY, picker, reinterpret_cast<LPARAM>(&change));
}

} // namespace

// A click or Enter destroys the page and shows the next, owned by the welcome
// window (step 1 after the password check, emptying the device list). A target
// open already, hidden by Esc, is only shown, and nothing is stored.
GUI_TEST(forward_moves_replace_the_page_or_show_an_open_one) {
    const struct {
        CDialog* from; // null: the welcome window
        int button;
        CDialog* to;
    } moves[] = {{nullptr, IDC_START, &g_searchPage},
                 {&g_searchPage, IDOK, &g_networkPage},
                 {&g_networkPage, IDC_NETWORK_NEXT, &g_dateTimePage},
                 {&g_dateTimePage, IDC_DATETIME_NEXT, &g_reviewPage}};
    for (const bool open : {false, true})
        for (const auto& move : moves) {
            Wizard wizard;
            const UINT id = move.to->TemplateId();
            if (open) {
                MoveToPage(nullptr, *move.to);
                guitest::PressKey(move.to->m_hWnd, VK_ESCAPE);
            }
            const HWND target = move.to->m_hWnd;
            if (move.from)
                MoveToPage(nullptr, *move.from);
            AwaitSearch();
            ok(!open || (IsWindow(target) && !IsWindowVisible(target)),
               "%u: expected Esc to hide it", id);
            const HWND from = move.from ? move.from->m_hWnd : wizard.welcome.m_hWnd;
            const std::string before = g_workingSettings;
            const HWND button = GetDlgItem(from, move.button);
            (&move - moves + open) % 2 ? guitest::PressKey(button, VK_RETURN)
                                       : guitest::Click(button);
            const bool step1 = move.from == &g_searchPage;
            ok(move.to->IsWindowVisible() && (!open || move.to->m_hWnd == target) &&
                   GetWindow(move.to->m_hWnd, GW_OWNER) == wizard.welcome.m_hWnd &&
                   (move.from ? IsWindowVisible(from) == open && PageWindowCount() == 1 + open
                              : IsWindowEnabled(from) && PageWindowCount() == 1) &&
                   g_deviceList.size() == !(step1 && !open) && g_passwordChecks == step1 &&
                   (!open || g_workingSettings == before),
               "%u (open %d): the page before %s? %d password checks, %zu devices, settings \"%s\"",
               id, open, open ? "kept" : "gone", g_passwordChecks, g_deviceList.size(),
               g_workingSettings.c_str());
        }
}

// Back moves to the page object's own previous step, not the application-wide
// one, and stores nothing. A refused password leaves step 1 as it was; its exit
// closes it and empties the device list.
GUI_TEST(back_moves_to_the_pages_own_previous_step_and_step1_stays_or_exits) {
    const std::string edited = "sys.hostname=edited&nwk.bootproto=none";
    Wizard wizard(&g_reviewPage, edited);
    HWND page = g_reviewPage.m_hWnd;
    const struct {
        int button;
        UINT previous;
    } backs[] = {{IDC_REVIEW_BACK, IDD_DATETIME_PAGE},
                 {IDC_DATETIME_BACK, IDD_NETWORK_PAGE},
                 {IDC_NETWORK_BACK, IDD_SEARCH_PAGE}};
    for (const auto& back : backs) {
        guitest::Click(GetDlgItem(page, back.button));
        const std::vector<HWND> made = guitest::DialogWindows(back.previous);
        ok(!IsWindow(page) && made.size() == 1 && !g_dateTimePage.IsWindow() &&
               !g_networkPage.IsWindow() && !g_searchPage.IsWindow() && IsWindowVisible(made[0]) &&
               GetWindow(made[0], GW_OWNER) == wizard.welcome.m_hWnd && g_workingSettings == edited,
           "to %u: expected the page gone, its own previous step shown, nothing stored",
           back.previous);
        page = made.empty() ? nullptr : made[0];
    }
    AwaitSearch();
    g_passwordAnswer = IDCANCEL;
    guitest::Click(GetDlgItem(page, IDOK));
    ok(IsWindowVisible(page) && PageWindowCount() == 1 && g_deviceList.size() == 1,
       "expected a refused password to leave step 1 as it was");
    guitest::Click(GetDlgItem(page, IDC_SEARCH_EXIT));
    ok(PageWindowCount() == 0 && g_deviceList.size() == 0, "expected 退出 to empty the list");
}

// The stored mode is marked alone, the stored name shown whole though typing
// stops at the array's 15 bytes. DHCP keeps the array's addresses, so clicking
// it after edits shows the stored ones again, disabled.
GUI_TEST(network_page_shows_the_stored_values_and_limits_typing) {
    {
        const Wizard wizard(&g_networkPage, "nwk.bootproto=dhcp");
        ExpectMode(true);
    }
    const Wizard wizard(&g_networkPage, kNetwork);
    ExpectMode(false);
    const std::string typed = Type(L"NAS-Server-Number-1"), chinese = Type(L"网络存储阵列名称");
    ok(typed == "nas-server-numb" && chinese == guitest::Narrow(L"网络存储阵列名"),
       "expected 15 characters in lower case, 7 Chinese ones, got %s and %s", typed.c_str(),
       chinese.c_str());
    SendMessageW(Step2(IDC_IPADDR), IPM_SETADDRESS, 0, MAKEIPADDRESS(9, 9, 9, 9));
    guitest::Click(Step2(IDC_DHCP));
    ExpectMode(true);
    DWORD address = 0;
    SendMessageW(Step2(IDC_IPADDR), IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address));
    ok(guitest::WindowText(Step2(IDC_HOSTNAME)) == L"abcdefghijklmnopqrst" &&
           address == MAKEIPADDRESS(192, 168, 0, 5),
       "expected the stored name, whole, and address shown again");
}

// A refused Next writes nothing and the page stays: a host name with a
// separator (its box then has the focus, the name selected), or settings past
// the limit (step 3's padded date fits, its padded time then does not).
GUI_TEST(a_refused_next_writes_nothing) {
    const std::string separators = "Host name must not contain \"&\" or \"=\"!";
    const std::string tooLong = guitest::Narrow(kSettingsTooLongText);
    std::string fullNetwork = With(kNetwork, "sys.hostname", "nas") + "&pad=";
    fullNetwork.resize(kMaxSettingsLength - 4, 'p');
    std::string fullDateTime = With(With(kDateTime, "date", "2006/3/7"), "time", "9:5:0") + "&pad=";
    fullDateTime.resize(kMaxSettingsLength - 3, 'x');
    const struct {
        CDialog* page;
        std::string settings;
        const wchar_t* name; // typed on step 2
        std::string box;
    } cases[] = {{&g_networkPage, kNetwork, L"x&nwk.bootproto", separators},
                 {&g_networkPage, kNetwork, L"a=b", separators},
                 {&g_networkPage, fullNetwork, L"nas12345", tooLong},
                 {&g_dateTimePage, fullDateTime, nullptr, tooLong}};
    for (const auto& c : cases) {
        const Wizard wizard(c.page, c.settings);
        const bool step2 = c.page == &g_networkPage;
        if (c.name)
            Type(c.name);
        guitest::StartScript({guitest::ExpectBox("Error", c.box)});
        guitest::Click(c.page->GetDlgItem(step2 ? IDC_NETWORK_NEXT : IDC_DATETIME_NEXT));
        guitest::EndScript();
        const LRESULT selection = SendMessageW(Step2(IDC_HOSTNAME), EM_GETSEL, 0, 0);
        ok(g_workingSettings == c.settings && c.page->IsWindowVisible() &&
               !(step2 ? g_dateTimePage.IsWindow() : g_reviewPage.IsWindow()) &&
               (c.box == tooLong || (GetFocus() == Step2(IDC_HOSTNAME) && LOWORD(selection) == 0 &&
                                     HIWORD(selection) == wcslen(c.name))),
           "%s: expected nothing written, the page kept",
           c.name ? guitest::Narrow(c.name).c_str() : "step 3");
    }
}

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
        const Wizard wizard(&g_dateTimePage, kDateTime, 1500ms);
        ok(Shown() == "2006/12/31 23:59:59", "expected 23:59:59 shown, got %s", Shown().c_str());
        if (c.change)
            Change(c.picker, {2006, 5, 0, 5, 12, 0, 0, 0});
        else if (c.picker)
            SetFocus(Step3(c.picker));
        guitest::PumpFor(1300);
        guitest::Click(Step3(IDC_DATETIME_NEXT));
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
    const Wizard wizard(&g_dateTimePage, With(kDateTime, "date", ""));
    const std::string opened = Shown();
    guitest::PumpFor(1300);
    ok(Shown() != opened, "expected this computer's clock running from %s", opened.c_str());
    guitest::Click(Step3(IDC_DATETIME_NEXT));
    ok(before <= Written() && Written() <= local(), "expected this computer's clock %s, got %s",
       before.c_str(), Written().c_str());
}

// The zone list gives the chosen row; the hidden NTP list its server, whole.
GUI_TEST(datetime_the_lists_pass_their_choices_through) {
    // The stored server in capitals selects its own item, not one it begins, and Next writes it.
    const std::string server(250, 'n');
    const std::string settings =
        With(With(kDateTime, "sys.Time.ntpServerList", server + "," + server + "2"),
             "sys.Time.ntpServer", std::string(250, 'N'));
    const Wizard wizard(&g_dateTimePage, settings);
    SendMessageW(Step3(IDC_TIMEZONE), CB_SETCURSEL, 4, 0);
    guitest::Click(Step3(IDC_DATETIME_NEXT));
    const std::string expected =
        With(With(settings, "sys.Time.timeZone", "Pacific"), "sys.Time.ntpServer", server);
    ok(g_workingSettings == expected, "expected \"%s\", got \"%s\"", expected.c_str(),
       g_workingSettings.c_str());
}

// At the screen's DPI the bold fonts, given in pixels for 96 DPI, grow with the
// point fonts, and every text shows whole on one line in its own font: each
// label, and in each value field the widest value it will be given.
GUI_TEST(pages_scale_their_pixel_fonts_and_show_every_text_whole) {
    const int dpi = SystemDpi();
    const wchar_t *name = L"nas-server-numb", *ip = L"255.255.255.255", *date = L"2006/03/07",
                  *hms = L"09:05:00";
    const struct {
        CDialog* page;
        std::span<const RunTimeControl> layout;
        int pixelsE, pixelsF;             // at 96 DPI
        std::vector<std::wstring> values; // of the fields in their order (step 4: each column)
    } pages[] = {
        {&g_searchPage, kSearchPageLayout, 20, 17, {name, ip, ip, ip, ip, L"00:11:22:33:44:55"}},
        {&g_networkPage, kNetworkPageLayout, 20, 0, {}},
        {&g_dateTimePage, kDateTimePageLayout, 20, 0, {}},
        {&g_reviewPage, kReviewPageLayout, 17, 19, {name, ip, ip, ip, L"Fixed", date, hms}}};
    for (const auto& p : pages) {
        const Wizard wizard(p.page, kNetwork);
        AwaitSearch();
        HWND control = GetWindow(p.page->m_hWnd, GW_CHILD); // made first, in table order
        std::size_t value = 0;
        for (const RunTimeControl& row : p.layout) {
            if (row.textId == 0)
                SetWindowTextW(control, p.values[value++ % p.values.size()].c_str());
            const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
            LOGFONTW logFont = {};
            GetObjectW(font, sizeof logFont, &logFont);
            const int pixels = row.font == kFontE ? p.pixelsE : row.font == kFontF ? p.pixelsF : 0;
            const std::wstring text = guitest::WindowText(control);
            SIZE needed = TextExtent(control, font, text);
            // A radio button's text begins past its circle.
            const bool measured =
                row.kind != ControlKind::kButton || row.id == -1 ||
                SendMessageW(control, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&needed));
            RECT box = {};
            GetClientRect(control, &box);
            ok((!pixels || logFont.lfHeight == MulDiv(pixels, dpi, 96)) && measured &&
                   (row.wraps || needed.cx <= box.right),
               "%u, text %u \"%s\": font %ld px at %d DPI, %ld px wide in %ld",
               p.page->TemplateId(), row.textId, guitest::Narrow(text).c_str(), logFont.lfHeight,
               dpi, needed.cx, box.right);
            control = GetWindow(control, GW_HWNDNEXT);
        }
    }
}
