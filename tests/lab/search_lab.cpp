// Step 1 end to end: the wizard's own windows on real Winsock under Wine,
// against the simulated arrays of the lab network. Run by search_lab_test.sh
// inside the lab; one case per run:
//   search_lab list FILE      the arrays of FILE (one settings string a line,
//                             with the expected texts in keys expect.*):
//                             layout, list, selection, web address; five
//                             searches from "开始" to the filled list, timed
//   search_lab moves FLAG     password refused and accepted, step 2 already
//                             open, then a search nobody answers (the script
//                             stops the arrays once FLAG's file is asked for)
//   search_lab repeated       every reply comes twice: listed twice, no warning
//   search_lab shared         two arrays report one address: the warning
//   search_lab nobody         no reply is for us: empty list after tick 16
//   search_lab twice          two step-1 windows search at once; a search
//                             that cannot listen keeps its list
//   search_lab burst N [BYTES]   N arrays answer at once: all of them listed;
//                             BYTES is the receive buffer asked for (a measurement)
#include "app/app_objects.h"
#include "app/page_moves.h"
#include "app/welcome_dlg.h"
#include "app/wizard_state.h"
#include "messaging/settings.h"
#include "messaging/winsock_io.h"
#include "pages/page_layouts.h"
#include "pages/search_page.h"
#include "res/resource.h"
#include "tests/gui/gui_test.h"
#include "tests/gui/user_script.h"
#include "win/text.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

using guitest::EndScript;
using guitest::NowMs;
using guitest::StartScript;
using guitest::Step;
using guitest::WindowText;

// ---- Stand-in for the browser: the addresses the page asked to open.
std::vector<std::wstring> g_opened;

// ---- What the user sees.
bool Visible(HWND window) {
    return IsWindow(window) && IsWindowVisible(window);
}
bool Enabled(HWND page, int id) {
    return IsWindowEnabled(GetDlgItem(page, id)) != FALSE;
}
HWND List(HWND page) {
    return GetDlgItem(page, IDC_DEVICE_LIST);
}
std::vector<std::wstring> Lines(HWND page) {
    std::vector<std::wstring> lines;
    const int count = static_cast<int>(SendMessageW(List(page), LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::wstring line(SendMessageW(List(page), LB_GETTEXTLEN, i, 0), L'\0');
        SendMessageW(List(page), LB_GETTEXT, i, reinterpret_cast<LPARAM>(line.data()));
        lines.push_back(line);
    }
    return lines;
}
int Selected(HWND page) {
    return static_cast<int>(SendMessageW(List(page), LB_GETCURSEL, 0, 0));
}
// The controls the page made at run time, in the order it made them.
std::vector<HWND> RunTimeControls(HWND page) {
    std::vector<HWND> controls;
    for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (LOWORD(GetDlgCtrlID(child)) == 0xFFFF)
            controls.push_back(child);
    return controls;
}
std::vector<std::wstring> Fields(HWND page) {
    std::vector<std::wstring> fields;
    const std::vector<HWND> controls = RunTimeControls(page);
    for (std::size_t row = kSearchFirstField; row < controls.size(); ++row)
        fields.push_back(WindowText(controls[row]));
    return fields;
}
bool ProgressOpen() {
    return g_searchProgress.IsWindow();
}
// A page neither searching nor held by anything: its list is final.
bool Idle(HWND page) {
    return Visible(page) && !ProgressOpen() && IsWindowEnabled(page) &&
           Enabled(page, IDC_SEARCH_AGAIN) && !guitest::FindMessageBox();
}

// Posted, as a click arrives: a button that opens a modal window must not
// run it inside the script's step.
void Press(HWND window, int id) {
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}
// For a button that opens no window of its own: the click is over on return.
void PressNow(HWND window, int id) {
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}
// A click on line `index` with the mouse; a second one makes it a double click.
void ClickLine(HWND page, int index, bool twice = false) {
    const HWND list = List(page);
    SendMessageW(list, LB_SETTOPINDEX, index, 0);
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
    if (twice) {
        SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        SendMessageW(list, WM_LBUTTONUP, 0, at);
    }
}

std::wstring Wide(const std::string& bytes) {
    return win::WideFromAnsi(bytes);
}

// ---- The wizard: the welcome window's own modal loop runs the script.
CWelcomeDlg* g_welcome = nullptr;
HWND Step1() {
    return g_searchPage.m_hWnd;
}

void RunWizard(std::vector<Step> steps) {
    CWelcomeDlg welcome;
    g_welcome = &welcome;
    SetMainWnd(&welcome);
    steps.push_back({"the end", [] { return !guitest::FindMessageBox(); },
                     [] { g_welcome->EndDialog(IDCANCEL); }});
    StartScript(std::move(steps));
    welcome.DoModal();
    EndScript();
    SetMainWnd(nullptr);
    ok(!g_searchPage.IsWindow() && !g_searchProgress.IsWindow(),
       "the pages and the progress window went with the welcome window");
}

Step PressStart() {
    return {"the welcome window", [] { return g_welcome->IsWindow(); },
            [] { Press(g_welcome->m_hWnd, IDC_START); }};
}
Step WhenIdle(const char* what, std::function<HWND()> page, std::function<void()> act) {
    return {what, [page] { return Idle(page()); }, std::move(act)};
}

// ---- Exchange ticks the step-1 windows took from the queue.
unsigned g_ticks = 0;
LRESULT CALLBACK CountTicks(int code, WPARAM removal, LPARAM message) {
    const MSG* msg = reinterpret_cast<const MSG*>(message);
    if (code == HC_ACTION && removal == PM_REMOVE && msg->message == WM_TIMER &&
        msg->wParam == IDT_EXCHANGE) {
        const CDialog* dialog = CDialog::FromHandle(msg->hwnd);
        g_ticks += dialog != nullptr && dialog->TemplateId() == IDD_SEARCH_PAGE;
    }
    return CallNextHookEx(nullptr, code, removal, message);
}

// ---- Layout: every run-time control where its formula puts it, measured on
// the page as the page measured its fonts, in its font and colours.
struct Expected {
    unsigned textId; // 0: a detail field
    double left, top, right, bottom;
    int height; // of the font: point fonts negative (in pixels), bold ones positive
    const wchar_t* face;
    COLORREF colour;
};

void CheckLayout(HWND page) {
    const auto& fonts = static_cast<CWizardPage*>(CDialog::FromHandle(page))->MeasuredFonts();
    RECT client{};
    GetClientRect(page, &client);
    const double W = client.right, H = client.bottom;
    const double avgA = fonts[kFontA].avgCharWidth, hA = fonts[kFontA].height;
    const double avgB = fonts[kFontB].avgCharWidth, hB = fonts[kFontB].height;
    const double avgD = fonts[kFontD].avgCharWidth, hD = fonts[kFontD].height;
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const auto points = [dpi](int tenths) { return -(dpi * tenths / 720); };
    const double row = 0.052 * H;
    const double y[6] = {0.43 * H,
                         0.43 * H + 1.7 * row,
                         0.43 * H + 2.7 * row,
                         0.43 * H + 3.7 * row,
                         0.43 * H + 4.7 * row,
                         0.43 * H + 6.4 * row};
    const std::vector<HWND> controls = RunTimeControls(page);
    ok(controls.size() == 16, "sixteen run-time controls (found %zu)", controls.size());
    if (controls.size() != 16)
        return;
    const unsigned rowLabels[6] = {IDS_STEP1_NAME,    IDS_STEP1_IPADDR, IDS_STEP1_NETMASK,
                                   IDS_STEP1_GATEWAY, IDS_STEP1_DNS,    IDS_STEP1_MAC};
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const std::wstring text = WindowText(controls[i]);
        const double n = static_cast<double>(win::AnsiFromWide(text).size());
        Expected e{};
        if (i == 0)
            e = {IDS_STEP1_HEADING, 0.04 * W,    0.02 * H,         0.04 * W + (n + 1) * avgA,
                 0.02 * H + hA,     points(220), L"Comic Sans MS", 0x000080FF};
        else if (i == 1)
            e = {IDS_STEP1_TITLE,  0.23 * W,
                 0.05 * H,         0.23 * W + std::trunc(1.1 * (n + 1) * avgB),
                 0.05 * H + hB,    points(150),
                 L"Comic Sans MS", 0x000080FF};
        else if (i == 2)
            e = {IDS_STEP1_DESCRIPTION,
                 0.05 * W,
                 0.15 * H,
                 W - std::trunc(0.05 * W),
                 std::trunc(0.15 * H) + std::trunc(0.24 * H),
                 points(110),
                 L"Comic Sans MS",
                 0x00FFFFFF};
        else if (i == 3)
            e = {IDS_STEP1_GROUP, 0.05 * W, 0.385 * H,        W - 0.05 * W,
                 0.845 * H,       20,       L"Comic Sans MS", 0x000080FF};
        else if (i < kSearchFirstField)
            e = {rowLabels[i - 4], 0.41 * W,    y[i - 4],         0.41 * W + (n + 3) * avgD,
                 y[i - 4] + hD,    points(100), L"Comic Sans MS", 0x00FFFFFF};
        else
            e = {0,
                 0.64 * W,
                 y[i - kSearchFirstField],
                 0.94 * W,
                 y[i - kSearchFirstField] + hD,
                 17,
                 L"Arial",
                 0x000080FF};
        RECT place{};
        GetWindowRect(controls[i], &place);
        MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&place), 2);
        const RECT want = {static_cast<LONG>(e.left), static_cast<LONG>(e.top),
                           static_cast<LONG>(e.right), static_cast<LONG>(e.bottom)};
        ok(EqualRect(&place, &want), "control %zu at (%ld,%ld)-(%ld,%ld), got (%ld,%ld)-(%ld,%ld)",
           i + 1, want.left, want.top, want.right, want.bottom, place.left, place.top, place.right,
           place.bottom);
        if (e.textId != 0)
            ok(text == win::LoadResourceString(e.textId), "control %zu reads string %u", i + 1,
               e.textId);
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(controls[i], WM_GETFONT, 0, 0)),
                   sizeof font, &font);
        ok(font.lfHeight == e.height && std::wstring(font.lfFaceName) == e.face &&
               (e.height > 0) == (font.lfWeight == FW_BOLD),
           "control %zu in its font: height %d %s (got %ld %s, weight %ld)", i + 1, e.height,
           guitest::Narrow(e.face).c_str(), font.lfHeight, guitest::Narrow(font.lfFaceName).c_str(),
           font.lfWeight);
        HDC dc = CreateCompatibleDC(nullptr);
        SendMessageW(page, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(controls[i]));
        ok(GetTextColor(dc) == e.colour && GetBkColor(dc) == RGB(0, 128, 128),
           "control %zu draws in %06lx on the page colour (got %06lx on %06lx)", i + 1, e.colour,
           GetTextColor(dc), GetBkColor(dc));
        DeleteDC(dc);
    }
}

// ---- The case "list": each array's expected texts travel in its own
// settings, in keys the wizard passes through untouched.
std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream in("Z:" + path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            lines.push_back(line);
    ok(!lines.empty(), "the arrays of %s", path.c_str());
    return lines;
}

void CheckShows(HWND page, int index, const std::string& settings) {
    const std::vector<std::wstring> want = {
        Wide(GetSetting(settings, "sys.hostname")), Wide(GetSetting(settings, "expect.ip")),
        Wide(GetSetting(settings, "nwk.netmask")),  Wide(GetSetting(settings, "sys.gateway")),
        Wide(GetSetting(settings, "sys.dns")),      Wide(GetSetting(settings, "nwk.mac"))};
    const std::vector<std::wstring> shown = Fields(page);
    ok(Selected(page) == index, "line %d selected (got %d)", index, Selected(page));
    for (std::size_t row = 0; row < want.size() && row < shown.size(); ++row)
        ok(shown[row] == want[row],
           "line %d, row %zu shows \"%.60s\" whole (got \"%.60s\", %zu chars)", index, row,
           guitest::Narrow(want[row]).c_str(), guitest::Narrow(shown[row]).c_str(),
           shown[row].size());
    ok(g_reportedSettings == settings && g_workingSettings == settings,
       "line %d: both settings strings hold its reply", index);
    const DeviceRecord* record = g_deviceList.At(index);
    ok(record != nullptr && g_clockReadAt == record->receivedAt,
       "line %d: the clock was read when its reply came", index);
}

void CaseList(const std::string& path) {
    const std::vector<std::string> arrays = ReadLines(path);
    std::vector<double> times;
    double pressedAt = 0;
    std::vector<Step> steps;
    for (int run = 0; run < 5; ++run) {
        steps.push_back({"the welcome window alone", [] { return !g_searchPage.IsWindow(); },
                         [&] {
                             pressedAt = NowMs();
                             Press(g_welcome->m_hWnd, IDC_START);
                         }});
        steps.push_back(WhenIdle("the list filled", Step1, [&, run] {
            times.push_back(NowMs() - pressedAt);
            ok(Lines(Step1()).size() == arrays.size(), "search %d lists %zu arrays (got %zu)",
               run + 1, arrays.size(), Lines(Step1()).size());
            if (run > 0)
                return Press(Step1(), IDC_SEARCH_EXIT);
            CheckLayout(Step1());
            std::vector<std::wstring> want;
            for (const std::string& settings : arrays)
                want.push_back(Wide(GetSetting(settings, "expect.name")));
            ok(Lines(Step1()) == want, "the arrays in arrival order, by their (cut) host names");
            ok(Enabled(Step1(), IDOK) && Enabled(Step1(), IDC_SEARCH_AGAIN),
               "\"确定\" and \"再次搜索\" enabled");
            CheckShows(Step1(), 0, arrays[0]);
            for (int line = static_cast<int>(arrays.size()) - 1; line >= 0; --line) {
                ClickLine(Step1(), line);
                CheckShows(Step1(), line, arrays[line]);
                g_opened.clear();
                ClickLine(Step1(), line, true);
                const std::wstring address =
                    L"http://" + Wide(GetSetting(arrays[line], "nwk.ipaddr"));
                ok(g_opened.size() == 1 && g_opened[0] == address,
                   "a double click on line %d opens %s (got %zu: %s)", line,
                   guitest::Narrow(address).c_str(), g_opened.size(),
                   g_opened.empty() ? "" : guitest::Narrow(g_opened[0]).c_str());
            }
            Press(Step1(), IDC_SEARCH_EXIT);
        }));
        steps.push_back({"\"退出\"", [] { return !g_searchPage.IsWindow(); },
                         [] {
                             ok(g_deviceList.size() == 0, "\"退出\" empties the device list");
                             ok(Visible(g_welcome->m_hWnd) && IsWindowEnabled(g_welcome->m_hWnd),
                                "the welcome window stays, usable");
                         }});
    }
    RunWizard(std::move(steps));
    std::sort(times.begin(), times.end());
    if (times.size() == 5)
        std::printf("from \"开始\" to the filled list: median %.0f ms (%.0f to %.0f)\n", times[2],
                    times[0], times[4]);
}

// ---- Password window.
HWND PasswordWindow() {
    for (HWND window : guitest::DialogWindows(IDD_PASSWORD))
        if (Visible(window))
            return window;
    return nullptr;
}
Step InPasswordWindow(const std::string& password) {
    return {"the password window", [] { return PasswordWindow() && !guitest::FindMessageBox(); },
            [password] {
                const HWND box = GetDlgItem(PasswordWindow(), IDC_PASSWORD);
                for (const wchar_t character : Wide(password))
                    SendMessageW(box, WM_CHAR, character, 1);
                Press(PasswordWindow(), password.empty() ? IDCANCEL : IDOK);
            }};
}
Step CancelPasswordWindow() {
    return InPasswordWindow("");
}

void CaseMoves(const std::string& flag) {
    std::vector<std::wstring> fields;
    std::string reported;
    RunWizard({
        PressStart(),
        WhenIdle("the list filled", Step1,
                 [] {
                     ok(Lines(Step1()).size() == 3, "three arrays listed");
                     ClickLine(Step1(), 1);
                     Press(Step1(), IDOK);
                 }),
        InPasswordWindow("wrong"),
        guitest::ExpectBox("Error", "Wrong password!"),
        CancelPasswordWindow(),
        WhenIdle("step 1 again", Step1,
                 [] {
                     ok(!g_networkPage.IsWindow(), "a refused password stays on step 1");
                     ok(Selected(Step1()) == 1 && g_deviceList.size() == 3,
                        "line 1 still selected, the device list kept");
                     Press(Step1(), IDOK);
                 }),
        InPasswordWindow("admin"),
        {"step 2", [] { return Visible(g_networkPage.m_hWnd); },
         [] {
             ok(!g_searchPage.IsWindow(), "the step-1 window is destroyed");
             ok(g_deviceList.size() == 0, "the device list is emptied");
             Press(g_welcome->m_hWnd, IDC_START);
         }},
        WhenIdle("a new step 1 beside step 2", Step1, [] { Press(Step1(), IDOK); }),
        InPasswordWindow("admin"),
        {"step 2 shown again", [] { return !PasswordWindow() && !guitest::FindMessageBox(); },
         [flag] {
             ok(Visible(g_networkPage.m_hWnd) && Visible(Step1()),
                "with step 2 open, both pages stay");
             ok(g_deviceList.size() == 3, "and the device list is kept (%zu)", g_deviceList.size());
             // The script stops the arrays, then makes the file.
             std::printf("search_lab: stop the arrays\n");
             std::fflush(stdout);
         }},
        {"the arrays stopped",
         [flag] { return GetFileAttributesA(("Z:" + flag).c_str()) != INVALID_FILE_ATTRIBUTES; },
         [&] {
             fields = Fields(Step1());
             reported = g_reportedSettings;
             Press(Step1(), IDC_SEARCH_AGAIN);
         }},
        {"the search started", [] { return ProgressOpen(); }, [] {}},
        WhenIdle("a search nobody answered", Step1,
                 [&] {
                     ok(Lines(Step1()).empty() && g_deviceList.size() == 0, "an empty list");
                     ok(!Enabled(Step1(), IDOK), "\"确定\" stays disabled");
                     ok(Fields(Step1()) == fields && !fields[0].empty(),
                        "the fields still show the array");
                     ok(g_reportedSettings == reported && g_workingSettings == reported,
                        "the settings still hold it");
                 }),
    });
}

// A warning box: checks its text and answers it.
Step WarningBox(const char* address, int answer) {
    const std::string text = std::string("Another array also answers for ") + address +
                             ".\nThe password check and the new settings will reach every array "
                             "with this address.\nGo on?";
    return {"the warning", [] { return guitest::FindMessageBox().has_value(); },
            [text, answer] {
                const auto box = *guitest::FindMessageBox();
                ok(guitest::Narrow(box.text) == text, "the warning (got \"%s\")",
                   guitest::Narrow(box.text).c_str());
                ok(!PasswordWindow(), "no password window before the answer");
                PostMessageW(box.window, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
            }};
}

void CaseShared() {
    RunWizard({
        PressStart(),
        WhenIdle("the list filled", Step1,
                 [] {
                     ok(Lines(Step1()).size() == 3, "three arrays listed");
                     Press(Step1(), IDOK);
                 }),
        WarningBox("10.77.1.1", IDNO),
        WhenIdle("step 1 as it was", Step1,
                 [] {
                     ok(!PasswordWindow() && Selected(Step1()) == 0 && g_deviceList.size() == 3,
                        "\"No\": step 1 as it was, no password window");
                     ClickLine(Step1(), 2);
                     Press(Step1(), IDOK);
                 }),
        // The array with an address of its own: no warning.
        CancelPasswordWindow(),
        WhenIdle("step 1", Step1,
                 [] {
                     ClickLine(Step1(), 1);
                     Press(Step1(), IDOK);
                 }),
        WarningBox("10.77.1.1", IDYES),
        InPasswordWindow("admin"),
        {"step 2", [] { return Visible(g_networkPage.m_hWnd); }, [] {}},
    });
}

void CaseRepeated() {
    RunWizard({
        PressStart(),
        WhenIdle("the list filled", Step1,
                 [] {
                     const std::vector<std::wstring> want = {L"Q6-Store01", L"Q6-Store01",
                                                             L"Q6-Backup", L"Q6-Backup"};
                     ok(Lines(Step1()) == want, "each reply listed, the repeated ones too");
                     Press(Step1(), IDOK);
                 }),
        // A repeated reply is no second array: straight to the password.
        CancelPasswordWindow(),
    });
}

void CaseNobody() {
    double pressedAt = 0;
    RunWizard({
        {"the welcome window", [] { return g_welcome->IsWindow(); },
         [&] {
             g_ticks = 0;
             pressedAt = NowMs();
             Press(g_welcome->m_hWnd, IDC_START);
         }},
        {"searching", [] { return ProgressOpen(); },
         [] {
             ok(!IsWindowEnabled(Step1()) && !Enabled(Step1(), IDOK) &&
                    !Enabled(Step1(), IDC_SEARCH_AGAIN),
                "while searching the page and its two buttons are disabled");
         }},
        WhenIdle("the search ended", Step1,
                 [&] {
                     std::printf("search without replies ended after %.0f ms\n",
                                 NowMs() - pressedAt);
                     ok(g_ticks == 16, "on the 16th tick (got %u)", g_ticks);
                     ok(Lines(Step1()).empty(), "nothing listed");
                     ok(!Enabled(Step1(), IDOK), "\"确定\" disabled");
                     const std::vector<std::wstring> empty(6);
                     ok(Fields(Step1()) == empty, "the fields empty");
                 }),
    });
}

// The step-1 page that step 2's "上一步" made.
HWND g_nested = nullptr;

SOCKET HoldClientPort() {
    const SOCKET holder = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    local.sin_port = htons(CLIENT_PORT);
    if (bind(holder, reinterpret_cast<const sockaddr*>(&local), sizeof local) == SOCKET_ERROR) {
        closesocket(holder);
        return INVALID_SOCKET;
    }
    return holder;
}

std::vector<std::wstring> DeviceNames() {
    std::vector<std::wstring> names;
    for (const DeviceRecord& record : g_deviceList)
        names.push_back(Wide(record.name));
    return names;
}

void CaseTwice() {
    SOCKET held = INVALID_SOCKET;
    std::vector<std::wstring> before;
    unsigned ticksAtEnd = 0;
    const Step bindBox =
        guitest::ExpectBox("bind error", "Failed to bind CLIENT_PORT!\nError Code");
    RunWizard({
        {"the welcome window", [] { return g_welcome->IsWindow(); },
         [] {
             MoveToPage(nullptr, g_networkPage);
             Press(g_networkPage.m_hWnd, IDC_NETWORK_BACK);
         }},
        {"step 2's step 1 searching", [] { return ProgressOpen(); },
         [] {
             g_nested = guitest::DialogWindows(IDD_SEARCH_PAGE).at(0);
             // "开始" while it searches: a second step-1 window, a second search.
             Press(g_welcome->m_hWnd, IDC_START);
         }},
        bindBox,
        {"both searches ended", [] { return Idle(g_nested) && Idle(Step1()); },
         [&] {
             // The first lists every record. The second lists those there
             // were at its end: all, or, when its bind message held up the
             // first search's tick, those that had come by then.
             const std::vector<std::wstring> all = DeviceNames(), second = Lines(Step1());
             ok(Lines(g_nested) == all && !all.empty(),
                "the first window lists the device list (%zu records)", all.size());
             ok(second.size() <= all.size() &&
                    std::equal(second.begin(), second.end(), all.begin()),
                "the second lists the records that had come at its end (%zu)", second.size());
             std::printf("second step-1 window: %zu of %zu records listed\n", second.size(),
                         all.size());
             ticksAtEnd = g_ticks;
             held = HoldClientPort();
             ok(held != INVALID_SOCKET, "no socket holds port %u any more", CLIENT_PORT);
             // A search that cannot listen, on a page that has lines.
             before = Lines(Step1());
             Press(Step1(), IDC_SEARCH_AGAIN);
         }},
        bindBox,
        WhenIdle("the search that could not listen ended", Step1,
                 [&] {
                     closesocket(held);
                     std::vector<std::wstring> want = before;
                     for (const std::wstring& name : DeviceNames())
                         want.push_back(name);
                     ok(Lines(Step1()) == want,
                        "it keeps its lines and appends the records once more (%zu lines)",
                        Lines(Step1()).size());
                     ok(Selected(Step1()) == 0 && Enabled(Step1(), IDOK), "line 0 selected");
                     // The first searches anew: the device list now holds
                     // fewer records than the second window has lines.
                     Press(g_nested, IDC_SEARCH_AGAIN);
                 }),
        {"the first window searching", [] { return ProgressOpen(); }, [] {}},
        WhenIdle(
            "the first window's search ended", [] { return g_nested; },
            [] {
                const std::vector<std::wstring> lines = Lines(Step1());
                const int last = static_cast<int>(lines.size()) - 1;
                ok(last >= static_cast<int>(g_deviceList.size()),
                   "more lines (%d) than records (%zu)", last + 1, g_deviceList.size());
                ClickLine(Step1(), last);
                ok(Fields(Step1()).at(0) == lines[last] &&
                       Wide(GetSetting(g_reportedSettings, "sys.hostname")) == lines[last],
                   "the second window's last line still selects the array it names");
                // Both search again; the second leaves while it runs.
                Press(g_nested, IDC_SEARCH_AGAIN);
                Press(Step1(), IDC_SEARCH_AGAIN);
            }),
        bindBox,
        {"the first still searching", [] { return !guitest::FindMessageBox(); },
         [] {
             ok(ProgressOpen() && !IsWindowEnabled(g_nested), "the first search holds its window");
             ok(IsWindowEnabled(Step1()), "the second window is usable");
             PressNow(Step1(), IDC_SEARCH_EXIT);
             ok(!g_searchPage.IsWindow() && ProgressOpen() && !IsWindowEnabled(g_nested),
                "\"退出\" closes the second window, not the first one's progress window");
         }},
        {"the first search ended", [] { return Idle(g_nested); },
         [&] {
             ok(!Lines(g_nested).empty(), "its list filled (%zu)", Lines(g_nested).size());
             held = HoldClientPort();
             ok(held != INVALID_SOCKET, "no socket holds port %u", CLIENT_PORT);
             closesocket(held);
             ticksAtEnd = g_ticks;
         }},
        {"a while", [] { return true; }, [] { guitest::PumpFor(300); }},
        {"no timer left", [] { return true; },
         [&] {
             ok(g_ticks == ticksAtEnd, "no exchange timer ticks on (%u)", g_ticks - ticksAtEnd);
         }},
    });
}

void CaseBurst(const std::string& count) {
    double pressedAt = 0;
    RunWizard({
        {"the welcome window", [] { return g_welcome->IsWindow(); },
         [&] {
             pressedAt = NowMs();
             Press(g_welcome->m_hWnd, IDC_START);
         }},
        WhenIdle("the list filled", Step1,
                 [&] {
                     const std::size_t listed = Lines(Step1()).size();
                     std::printf("burst of %s arrays: %zu listed after %.0f ms\n", count.c_str(),
                                 listed, NowMs() - pressedAt);
                     ok(std::to_string(listed) == count, "all %s arrays listed (got %zu)",
                        count.c_str(), listed);
                     const DeviceRecord* last = g_deviceList.At(static_cast<int>(listed) - 1);
                     ok(last != nullptr && last->settings.size() == kMaxSettingsLength,
                        "full-size settings kept whole");
                 }),
    });
}

} // namespace

// The browser, as the page would start it.
void OpenWebPage(const std::wstring& address) {
    g_opened.push_back(address);
}

int wmain(int argc, wchar_t** argv) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS |
                                                       ICC_INTERNET_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&controls);
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) {
        ok(false, "Winsock starts");
        return guitest::Summary();
    }
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(win::AnsiFromWide(argv[i]));
    const std::string mode = args.empty() ? "" : args[0];
    std::function<void()> run;
    if (mode == "list" && args.size() == 2)
        run = [&] { CaseList(args[1]); };
    else if (mode == "moves" && args.size() == 2)
        run = [&] { CaseMoves(args[1]); };
    else if (mode == "shared" && args.size() == 1)
        run = CaseShared;
    else if (mode == "repeated" && args.size() == 1)
        run = CaseRepeated;
    else if (mode == "nobody" && args.size() == 1)
        run = CaseNobody;
    else if (mode == "twice" && args.size() == 1)
        run = CaseTwice;
    else if (mode == "burst" && (args.size() == 2 || args.size() == 3)) {
        if (args.size() == 3)
            g_receiveBufferRequest = std::stoi(args[2]);
        run = [&] { CaseBurst(args[1]); };
    }
    else {
        std::printf("usage: search_lab list|moves|shared|repeated|nobody|twice|burst ...\n");
        return 2;
    }
    const HHOOK counting =
        SetWindowsHookExW(WH_GETMESSAGE, CountTicks, nullptr, GetCurrentThreadId());
    guitest::RunTest(("lab_search_" + mode).c_str(), run);
    UnhookWindowsHookEx(counting);
    return guitest::Summary();
}
