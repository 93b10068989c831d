// The wizard's pages through their real buttons, keys and controls: the moves
// between them, and what steps 2 and 3 show and leave in the working settings.
#include "app/welcome_dlg.h"
#include "core/settings/settings.h"
#include "pages/page_layouts.h"
#include "pages/password_dlg.h"
#include "pages/web_page.h"
#include "pages/wizard.h"
#include "res/messages.h"
#include "res/resource.h"
#include "tests/gui/gui_test.h"
#include "tests/gui/user_script.h"
#include "win/text.h"

#include <winsock2.h>

#include <commctrl.h>

#include <array>
#include <chrono>
#include <map>
#include <span>
#include <utility>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

CWizard g_wizard({CheckPassword, OpenWebPage});

// The welcome window as the main window, `page` opened for a run on `settings`
// whose date and time were read `readAgo` ago (a reading from the future keeps
// the clock still). Closing the welcome window takes every page with it.
struct Wizard {
    CWelcomeDlg welcome{[] { g_wizard.OnStart(); }};
    std::shared_ptr<WizardRun> run;
    explicit Wizard(CWizardPage* page = nullptr, const std::string& settings = {},
                    Clock::duration readAgo = -1h)
        : run(std::make_shared<WizardRun>(
              WizardRun::Of({"", settings, "", Clock::now() - readAgo}))) {
        welcome.Create();
        SetMainWnd(&welcome);
        if (page)
            g_wizard.MoveTo(nullptr, *page, run);
    }
    ~Wizard() {
        welcome.DestroyWindow();
        SetMainWnd(nullptr);
    }
};

int PageWindowCount() {
    int count = 0;
    for (UINT id : {IDD_SEARCH_PAGE, IDD_NETWORK_PAGE, IDD_DATETIME_PAGE, IDD_REVIEW_PAGE})
        count += static_cast<int>(guitest::DialogWindows(id).size());
    return count;
}

// Unknown keys around and between step 2's own.
const std::string kNetwork =
    "x.fw=1.2&sys.dns=8.8.8.8&sys.hostname=NAS-Upper-abcdefghij&nwk.bootproto=none&"
    "nwk.ipaddr=192.168.0.5&nwk.netmask=255.255.255.0&sys.gateway=192.168.0.1&nwk.mac=00:11";
const std::string kDateTime =
    "sys.hostname=nas1&sys.Time.timeZone=Taipei&date=2006/12/31&time=23:59:58"
    "&sys.Time.ntpServerList=a.ntp,a.ntp2&sys.Time.ntpServer=a.ntp";

std::string With(std::string settings, const std::string& key, const std::string& value) {
    ok(ReplaceSetting(settings, key, key + "=" + value), "expected %s to fit", key.c_str());
    return settings;
}

HWND Step2(int id) {
    return g_wizard.networkPage.GetDlgItem(id);
}

HWND Step3(int id) {
    return g_wizard.dateTimePage.GetDlgItem(id);
}

// Types in an emptied host name box.
std::string Rename(const std::wstring& keys) {
    SetWindowTextW(Step2(IDC_HOSTNAME), L"");
    return guitest::Narrow(guitest::Type(Step2(IDC_HOSTNAME), keys));
}

void ExpectMode(bool dhcp) {
    for (const int id : {IDC_DHCP, IDC_MANUAL_IP})
        ok(IsDlgButtonChecked(g_wizard.networkPage.m_hWnd, id) == (dhcp == (id == IDC_DHCP)),
           "expected %s marked alone (%d)", dhcp ? "DHCP" : "manual", id);
    // The fields inside show whether the control is drawn disabled.
    for (int id : {IDC_IPADDR, IDC_NETMASK, IDC_GATEWAY, IDC_DNS})
        for (const HWND control : {Step2(id), GetWindow(Step2(id), GW_CHILD)})
            ok(IsWindowEnabled(control) != dhcp, "address %d: expected %s", id,
               dhcp ? "disabled" : "enabled");
}

// "2006/12/31 23:59:59": the date of `d`, the time of `t`.
std::string Text(const SYSTEMTIME& d, const SYSTEMTIME& t) {
    char text[40];
    snprintf(text, sizeof text, "%d/%02d/%02d %02d:%02d:%02d", d.wYear, d.wMonth, d.wDay, t.wHour,
             t.wMinute, t.wSecond);
    return text;
}

// The value and notification a change by the user's keys or calendar gives.
void Change(int picker, SYSTEMTIME time) {
    SendMessageW(Step3(picker), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
    NMDATETIMECHANGE change = {{Step3(picker), (UINT_PTR)picker, DTN_DATETIMECHANGE}, 0, time};
    SendMessageW(g_wizard.dateTimePage.m_hWnd, WM_NOTIFY, picker,
                 reinterpret_cast<LPARAM>(&change));
}

} // namespace

// A click or Enter destroys the page and shows the target, owned by the welcome
// window; Back keeps the run and stores nothing. A target that has a window
// already (hidden by Esc, here another run's) is made anew for the run of the
// page it is entered from, so that no page shows what its run would not send;
// a step 1 that has a window is only shown, and nothing else happens.
GUI_TEST(moves_make_the_target_page_for_the_run) {
    const struct {
        CWizardPage* from; // null: the welcome window
        int button;
        CWizardPage* to;
    } moves[] = {{nullptr, IDC_START, &g_wizard.searchPage},
                 {&g_wizard.networkPage, IDC_NETWORK_NEXT, &g_wizard.dateTimePage},
                 {&g_wizard.dateTimePage, IDC_DATETIME_NEXT, &g_wizard.reviewPage},
                 {&g_wizard.reviewPage, IDC_REVIEW_BACK, &g_wizard.dateTimePage},
                 {&g_wizard.dateTimePage, IDC_DATETIME_BACK, &g_wizard.networkPage},
                 {&g_wizard.networkPage, IDC_NETWORK_BACK, &g_wizard.backSearchPage}};
    for (const bool open : {false, true})
        for (const auto& move : moves) {
            Wizard wizard(nullptr, kNetwork);
            const UINT id = move.to->TemplateId();
            const bool step1 = id == IDD_SEARCH_PAGE, kept = open && step1;
            if (open) {
                g_wizard.MoveTo(nullptr, *move.to, step1 ? nullptr : std::make_shared<WizardRun>());
                guitest::PressKey(move.to->m_hWnd, VK_ESCAPE);
            }
            const HWND target = move.to->m_hWnd;
            if (move.from)
                g_wizard.MoveTo(nullptr, *move.from, wizard.run);
            guitest::AwaitIdle(); // step 1 searches as it opens: nobody answers
            ok(!open || (IsWindow(target) && !IsWindowVisible(target)),
               "%u: expected Esc to hide it", id);
            const HWND from = move.from ? move.from->m_hWnd : wizard.welcome.m_hWnd;
            const HWND button = GetDlgItem(from, move.button);
            SendMessageW(from, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(button), TRUE); // for Enter
            (&move - moves + open) % 2 ? guitest::PressKey(button, VK_RETURN)
                                       : guitest::Press(from, move.button);
            ok(move.to->IsWindowVisible() && PageWindowCount() == 1 + (kept && move.from),
               "%u (open %d): expected it shown alone", id, open);
            ok((move.to->m_hWnd == target) == kept, "%u (open %d): made anew", id, open);
            ok(GetWindow(move.to->m_hWnd, GW_OWNER) == wizard.welcome.m_hWnd,
               "%u: owned by the welcome window", id);
            ok(move.from ? IsWindow(from) == kept : IsWindowEnabled(from),
               "%u (open %d): the page before gone", id, open);
            ok(move.to->Run() == (step1 ? nullptr : wizard.run), "%u: made for the run", id);
            // Back leads to a template of a lower number.
            ok(!move.from || id > move.from->TemplateId() || wizard.run->working == kNetwork,
               "%u: nothing stored", id);
            if (!step1 || !move.from || open)
                continue;
            // Back's step 1 is its own: "开始" opens another beside, "退出" closes one.
            guitest::AwaitIdle();
            guitest::Press(wizard.welcome.m_hWnd, IDC_START);
            ok(PageWindowCount() == 2, "expected \"开始\" to open a step 1 beside");
            guitest::Press(move.to->m_hWnd, IDC_SEARCH_EXIT);
            ok(PageWindowCount() == 1 && g_wizard.searchPage.IsWindow(),
               "expected 退出 to close its own");
        }
}

HHOOK g_hook = nullptr;

// Clicks step 4's "保存" from inside step 1's next tick.
LRESULT CALLBACK SaveInTick(int code, WPARAM removal, LPARAM lParam) {
    const MSG* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && removal == PM_REMOVE && message->message == WM_TIMER &&
        message->hwnd == g_wizard.searchPage.m_hWnd && g_hook) {
        PostMessageW(g_wizard.reviewPage.GetDlgItem(IDC_SAVE), BM_CLICK, 0, 0);
        UnhookWindowsHookEx(std::exchange(g_hook, nullptr));
    }
    return CallNextHookEx(nullptr, code, removal, lParam);
}

// The confirmation of a "保存" pressed while step 1 searches runs inside the
// search's tick: the search must still end on its own ticks, or it would hold
// the port for as long as the confirmation stays open. A queued notification
// of a socket that is not the search's shows no box.
GUI_TEST(a_search_ends_while_its_tick_runs_a_modal_loop) {
    const Wizard wizard(&g_wizard.reviewPage, kNetwork);
    g_wizard.OnStart();
    PostMessageW(g_wizard.searchPage.m_hWnd, WM_PING_ASYNCH, 0xDEAD,
                 WSAMAKESELECTREPLY(FD_READ, WSAECONNRESET));
    g_hook = SetWindowsHookExW(WH_GETMESSAGE, SaveInTick, nullptr, GetCurrentThreadId());
    guitest::StartScript(
        {{"the confirmation", [] { return !guitest::DialogWindows(IDD_CONFIRM).empty(); }, [] {}},
         {"the search over", [] { return !g_wizard.searchProgress.IsWindow(); },
          [] {
              ok(!guitest::FindMessageBox(), "no box for another socket's notification");
              PostMessageW(guitest::DialogWindows(IDD_CONFIRM).at(0), WM_COMMAND, IDCANCEL, 0);
          }}});
    while (g_wizard.searchProgress.IsWindow() || !guitest::DialogWindows(IDD_CONFIRM).empty())
        guitest::PumpFor(10);
    guitest::PumpFor(50);
    guitest::EndScript();
    ok(g_wizard.reviewPage.IsWindowVisible(), "the confirmation cancelled, step 4 stays");
}

// The stored mode is marked alone, the stored name shown whole and as it is,
// capitals too, though typing stops at the array's 15 bytes and lowers what
// it types. DHCP keeps the array's addresses, so clicking it after edits shows
// the stored ones again, disabled, and keeps the name typed.
GUI_TEST(network_page_shows_the_stored_values_and_limits_typing) {
    {
        const Wizard wizard(&g_wizard.networkPage, "nwk.bootproto=dhcp");
        ExpectMode(true);
    }
    const Wizard wizard(&g_wizard.networkPage, kNetwork);
    ExpectMode(false);
    const std::wstring shown = guitest::WindowText(Step2(IDC_HOSTNAME));
    ok(shown == L"NAS-Upper-abcdefghij", "the stored name whole: %s",
       guitest::Narrow(shown).c_str());
    for (const auto& [keys, kept] : {std::pair{L"NAS-Server-Number-1", L"nas-server-numb"},
                                     {L"网络存储阵列名称", L"网络存储阵列名"}})
        ok(Rename(keys) == guitest::Narrow(kept), "typed %s, 15 bytes in lower case kept",
           guitest::Narrow(keys).c_str());
    SendMessageW(Step2(IDC_IPADDR), IPM_SETADDRESS, 0, MAKEIPADDRESS(9, 9, 9, 9));
    guitest::Press(g_wizard.networkPage.m_hWnd, IDC_DHCP);
    ExpectMode(true);
    DWORD address = 0;
    SendMessageW(Step2(IDC_IPADDR), IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address));
    ok(guitest::WindowText(Step2(IDC_HOSTNAME)) == L"网络存储阵列名", "the name typed kept");
    ok(address == MAKEIPADDRESS(192, 168, 0, 5), "the stored address shown again");
}

// A switch of mode either way shows the stored addresses again, an empty one blank:
// an address typed for the fixed mode does not outlive DHCP and back. A click on the
// mode in force keeps what is typed.
GUI_TEST(network_page_switches_show_the_stored_addresses) {
    const Wizard wizard(&g_wizard.networkPage, With(kNetwork, "sys.gateway", ""));
    const auto gateway = [] {
        DWORD address = 0;
        const LRESULT filled =
            SendMessageW(Step2(IDC_GATEWAY), IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address));
        return filled == 0 ? std::string("blank") : std::to_string(FOURTH_IPADDRESS(address));
    };
    const struct {
        int button; // 0: type 10.0.0.9 into the gateway
        const char* shown;
    } clicks[] = {{0, "9"}, {IDC_MANUAL_IP, "9"}, {IDC_DHCP, "blank"},     {IDC_MANUAL_IP, "blank"},
                  {0, "9"}, {IDC_DHCP, "blank"},  {IDC_MANUAL_IP, "blank"}};
    for (const auto& click : clicks) {
        if (click.button)
            guitest::Press(g_wizard.networkPage.m_hWnd, click.button);
        else
            SendMessageW(Step2(IDC_GATEWAY), IPM_SETADDRESS, 0, MAKEIPADDRESS(10, 0, 0, 9));
        ok(gateway() == click.shown, "after %d: the gateway %s, expected %s", click.button,
           gateway().c_str(), click.shown);
    }
    guitest::Press(g_wizard.networkPage.m_hWnd, IDC_NETWORK_NEXT);
    ok(GetSetting(wizard.run->working, "sys.gateway").empty(), "no gateway written");
}

// A refused Next writes nothing and the page stays: a host name with a
// separator (its box then has the focus, the name selected), or settings past
// the limit (step 3's padded date fits, its padded time then does not).
GUI_TEST(a_refused_next_writes_nothing) {
    const std::string separators = "Host name must not contain \"&\" or \"=\"!";
    const std::string tooLong = kSettingsTooLongText;
    std::string fullNetwork = With(kNetwork, "sys.hostname", "nas") + "&pad=";
    fullNetwork.resize(kMaxSettingsLength - 4, 'p');
    std::string fullDateTime = With(With(kDateTime, "date", "2006/3/7"), "time", "9:5:0") + "&pad=";
    fullDateTime.resize(kMaxSettingsLength - 3, 'x');
    const struct {
        CWizardPage* page;
        std::string settings;
        const wchar_t* name; // typed on step 2
        std::string box;
    } cases[] = {{&g_wizard.networkPage, kNetwork, L"x&nwk.bootproto", separators},
                 {&g_wizard.networkPage, kNetwork, L"a=b", separators},
                 {&g_wizard.networkPage, fullNetwork, L"nas12345", tooLong},
                 {&g_wizard.dateTimePage, fullDateTime, nullptr, tooLong}};
    for (const auto& c : cases) {
        const Wizard wizard(c.page, c.settings);
        const bool step2 = c.page == &g_wizard.networkPage;
        if (c.name)
            Rename(c.name);
        guitest::StartScript({guitest::ExpectBox("Error", c.box)});
        guitest::Press(c.page->m_hWnd, step2 ? IDC_NETWORK_NEXT : IDC_DATETIME_NEXT);
        guitest::EndScript();
        const LRESULT selection = SendMessageW(Step2(IDC_HOSTNAME), EM_GETSEL, 0, 0);
        const std::string what = c.name ? guitest::Narrow(c.name) : "step 3";
        ok(wizard.run->working == c.settings, "%s: nothing written", what.c_str());
        ok(c.page->IsWindowVisible() &&
               !(step2 ? g_wizard.dateTimePage.IsWindow() : g_wizard.reviewPage.IsWindow()),
           "%s: the page kept", what.c_str());
        ok(c.box == tooLong || (GetFocus() == Step2(IDC_HOSTNAME) && LOWORD(selection) == 0 &&
                                HIWORD(selection) == wcslen(c.name)),
           "%s: the name focused and selected", what.c_str());
    }
}

// Read 1.5 s before the page opens, the stored clock shows a second on and
// turns midnight while the test waits, in the pickers the user left alone. A
// date the pickers refuse leaves both at this computer's clock, running from
// now, not from when the settings were read (here an hour ahead). Saved an
// hour later, a date or time the user set goes as set, the other runs on with
// the array's clock; step 3 reopened from step 4 keeps what was set.
GUI_TEST(datetime_pickers_run_from_the_stored_clock_until_touched) {
    static const struct {
        int picker; // 0: untouched
        bool change;
        const char* written; // "00:00:0" where the time runs; null: this computer's clock
        const char* sent;    // an hour later
    } cases[] = {
        {0, false, "2007/01/01 00:00:0", "2007/01/01 01:00:0"},
        {IDC_DATE, false, "2006/12/31 00:00:0", "2007/01/01 01:00:0"},
        {IDC_DATE, true, "2006/05/05 00:00:0", "2006/05/05 01:00:0"},
        {IDC_TIME, false, "2007/01/01 23:59:59", "2007/01/01 01:00:0"},
        {IDC_TIME, true, "2007/01/01 12:00:00", "2007/01/01 12:00:00"},
        {0, false, nullptr, nullptr},
    };
    const auto local = [] {
        SYSTEMTIME now;
        GetLocalTime(&now);
        return Text(now, now);
    };
    const auto clock = [](const std::string& settings) {
        return GetSetting(settings, "date") + " " + GetSetting(settings, "time");
    };
    for (const auto& c : cases) {
        const std::string before = local();
        const Wizard wizard(&g_wizard.dateTimePage,
                            c.written ? kDateTime : With(kDateTime, "date", ""),
                            c.written ? Clock::duration(1500ms) : -1h);
        SYSTEMTIME date = {}, time = {};
        SendMessageW(Step3(IDC_DATE), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&date));
        SendMessageW(Step3(IDC_TIME), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
        const std::string shown = Text(date, time);
        ok(!c.written || shown == "2006/12/31 23:59:59", "expected 23:59:59 shown, got %s",
           shown.c_str());
        if (c.change)
            Change(c.picker, {2006, 5, 0, 5, 12, 0, 0, 0});
        else if (c.picker)
            SetFocus(Step3(c.picker));
        guitest::PumpFor(1300);
        for (const bool again : {false, true}) {
            if (again) {
                guitest::Press(g_wizard.reviewPage.m_hWnd, IDC_REVIEW_BACK);
                guitest::Press(g_wizard.dateTimePage.m_hWnd, IDC_DATETIME_NEXT);
            } else {
                guitest::Press(g_wizard.dateTimePage.m_hWnd, IDC_DATETIME_NEXT);
                const std::string written = clock(wizard.run->working);
                ok(c.written ? written.starts_with(c.written)
                             : before < written && written <= local(),
                   "picker %d%s: expected %s, got %s", c.picker, c.change ? " changed" : "",
                   c.written ? c.written : "this computer's clock", written.c_str());
            }
            const std::string sent = clock(wizard.run->SettingsToSend(Clock::now() + 1h));
            ok(!c.sent || sent.starts_with(c.sent), "picker %d%s, pass %d: sent %s, expected %s",
               c.picker, c.change ? " changed" : "", again, sent.c_str(), c.sent);
        }
    }
}

// At the screen's DPI the bold fonts, given in pixels for 96 DPI, grow with the
// point fonts, and every text shows whole on one line in its own font and colour: each
// label, and in each value field the widest value it will be given.
GUI_TEST(pages_scale_their_pixel_fonts_and_show_every_text_whole) {
    const int dpi = SystemDpi();
    const wchar_t *name = L"nas-server-numb", *ip = L"255.255.255.255", *date = L"2006/03/07",
                  *hms = L"09:05:00", *mac = L"00:11:22:33:44:55";
    const std::array<std::wstring, kDetailRows> step1 = {name, ip, ip, ip, ip, mac};
    const std::array<std::wstring, kReviewRows> step4 = {name, ip, ip, ip, L"Fixed", date, hms};
    std::map<int, std::wstring> values; // of the fields, by name
    for (std::size_t row = 0; row < step1.size(); ++row)
        values[kSearchDetails[row]] = step1[row];
    for (std::size_t row = 0; row < step4.size(); ++row)
        values[kReviewBeforeColumn[row]] = values[kReviewNewColumn[row]] = step4[row];
    const struct {
        CWizardPage* page;
        std::span<const RunTimeControl> layout;
        int pixelsE, pixelsF; // at 96 DPI
    } pages[] = {{&g_wizard.searchPage, kSearchPageLayout, 20, 17},
                 {&g_wizard.networkPage, kNetworkPageLayout, 20, 0},
                 {&g_wizard.dateTimePage, kDateTimePageLayout, 20, 0},
                 {&g_wizard.reviewPage, kReviewPageLayout, 17, 19}};
    const HDC dc = CreateCompatibleDC(nullptr);
    for (const auto& p : pages) {
        const Wizard wizard(p.page, kNetwork);
        guitest::AwaitIdle(); // step 1 searches as it opens: nobody answers
        // Made first, in table order; a row named by its own control id is found
        // by it: step 2's mode buttons have since moved behind the host name box
        // in the tab order.
        HWND label = GetWindow(p.page->m_hWnd, GW_CHILD);
        for (const RunTimeControl& row : p.layout) {
            const bool byId = row.name == row.id;
            while (!byId && GetDlgCtrlID(label) != row.id)
                label = GetWindow(label, GW_HWNDNEXT);
            const HWND control = byId ? GetDlgItem(p.page->m_hWnd, row.id) : label;
            if (row.text == 0)
                SetWindowTextW(control, values.at(row.name).c_str());
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
            const std::string what = guitest::Narrow(text);
            ok(!pixels || logFont.lfHeight == MulDiv(pixels, dpi, 96),
               "\"%s\": font %ld px at %d DPI", what.c_str(), logFont.lfHeight, dpi);
            ok(measured && (row.wraps || needed.cx <= box.right), "\"%s\": %ld px wide in %ld",
               what.c_str(), needed.cx, box.right);
            ok(row.text == 0 || text == win::LoadResourceString(row.text), "\"%s\": text %u",
               what.c_str(), row.text);
            SendMessageW(p.page->m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(control));
            ok(GetTextColor(dc) == row.colour && GetBkColor(dc) == kPageColour,
               "\"%s\": colour %06lx on %06lx", what.c_str(), GetTextColor(dc), GetBkColor(dc));
            if (control == label)
                label = GetWindow(label, GW_HWNDNEXT);
        }
    }
    DeleteDC(dc);
}
