// Step 1 end to end: the wizard's windows on real Winsock under Wine against
// the lab's simulated arrays, run by search_lab_test.sh; one case per run:
//   list FILE FLAG  the arrays of FILE (a settings string a line, expected texts
//                   in keys expect.*): list, fields, web address, five searches
//                   timed; passwords, step 2, then a search nobody answers (the
//                   script stops the arrays once FLAG is asked for)
//   shared | nobody | twice       see the cases below
//   burst N [BYTES] N arrays answer at once; BYTES: the receive buffer asked for
#include "app/app_objects.h"
#include "app/page_frame.h"
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
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

using guitest::FindMessageBox;
using guitest::NowMs;
using guitest::Step;
using win::WideFromAnsi;

std::vector<std::wstring> g_opened; // what the page asked the browser to open
CWelcomeDlg* g_welcome = nullptr;
unsigned g_ticks = 0; // exchange ticks the step-1 windows took

const auto Step1 = [] { return g_searchPage.m_hWnd; };
const auto ProgressOpen = [] { return g_searchProgress.IsWindow(); };
const auto Shown = [](HWND window) { return IsWindow(window) && IsWindowVisible(window); };
const auto Enabled = [](HWND page, int id) { return IsWindowEnabled(GetDlgItem(page, id)) != 0; };
LRESULT ToList(HWND page, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(GetDlgItem(page, IDC_DEVICE_LIST), message, wParam, lParam);
}
std::vector<std::wstring> Lines(HWND page) {
    std::vector<std::wstring> lines;
    for (int i = 0; i < ToList(page, LB_GETCOUNT); ++i) {
        lines.emplace_back(ToList(page, LB_GETTEXTLEN, i), L'\0');
        ToList(page, LB_GETTEXT, i, reinterpret_cast<LPARAM>(lines.back().data()));
    }
    return lines;
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
        fields.push_back(guitest::WindowText(controls[row]));
    return fields;
}
// Neither searching nor held by anything: its list is final.
bool Idle(HWND page) {
    return Shown(page) && !ProgressOpen() && IsWindowEnabled(page) &&
           Enabled(page, IDC_SEARCH_AGAIN) && !FindMessageBox();
}
// Posted, as a click arrives: a modal window must not run inside a step.
void Press(HWND window, int id) {
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}
// A mouse click on line `index`, a double click when `twice`.
void ClickLine(HWND page, int index, bool twice = false) {
    ToList(page, LB_SETTOPINDEX, index);
    RECT item{};
    ToList(page, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    for (UINT down : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}) {
        ToList(page, down, MK_LBUTTON, at);
        ToList(page, WM_LBUTTONUP, 0, at);
        if (!twice)
            break;
    }
}
HWND PasswordWindow() {
    for (HWND window : guitest::DialogWindows(IDD_PASSWORD))
        if (Shown(window))
            return window;
    return nullptr;
}

// The welcome window's modal loop runs the script.
void RunWizard(std::vector<Step> steps) {
    CWelcomeDlg welcome;
    g_welcome = &welcome;
    SetMainWnd(&welcome);
    steps.push_back(
        {"the end", [] { return !FindMessageBox(); }, [] { g_welcome->EndDialog(IDCANCEL); }});
    guitest::StartScript(std::move(steps));
    welcome.DoModal();
    guitest::EndScript();
    SetMainWnd(nullptr);
    ok(!g_searchPage.IsWindow() && !ProgressOpen(), "the pages went with the welcome window");
}
Step WhenIdle(std::function<HWND()> page, std::function<void()> act) {
    return {"a step-1 window idle", [page] { return Idle(page()); }, std::move(act)};
}
Step PressStart(double* at = nullptr) {
    return {"the welcome window", [] { return g_welcome->IsWindow() && !g_searchPage.IsWindow(); },
            [at] {
                if (at)
                    *at = NowMs();
                Press(g_welcome->m_hWnd, IDC_START);
            }};
}
// Types `password` and presses "确定"; an empty one cancels.
Step InPasswordWindow(const std::string& password) {
    return {"the password window", [] { return PasswordWindow() && !FindMessageBox(); },
            [password] {
                for (const wchar_t character : WideFromAnsi(password))
                    SendMessageW(GetDlgItem(PasswordWindow(), IDC_PASSWORD), WM_CHAR, character, 1);
                Press(PasswordWindow(), password.empty() ? IDCANCEL : IDOK);
            }};
}

LRESULT CALLBACK CountTicks(int code, WPARAM removal, LPARAM message) {
    const MSG* msg = reinterpret_cast<const MSG*>(message);
    g_ticks += code == HC_ACTION && removal == PM_REMOVE && msg->message == WM_TIMER &&
               msg->wParam == IDT_EXCHANGE;
    return CallNextHookEx(nullptr, code, removal, message);
}

// Each run-time control placed, lettered, in its font and coloured by its row.
void CheckWiring(HWND page) {
    const std::vector<HWND> controls = RunTimeControls(page);
    ok(controls.size() == kSearchPageLayout.size(), "16 run-time controls");
    RECT client{};
    GetClientRect(page, &client);
    HDC dc = CreateCompatibleDC(nullptr);
    const LONG dpi = GetDeviceCaps(dc, LOGPIXELSY);
    const int tenths[kMeasuredFonts] = {220, 150, 110, 100}; // bold E, F: 20, 17 pixels
    for (std::size_t i = 0; i < controls.size() && i < kSearchPageLayout.size(); ++i) {
        const RunTimeControl& row = kSearchPageLayout[i];
        const std::wstring text = guitest::WindowText(controls[i]);
        const PixelRect want =
            Place(row, {double(client.right), double(client.bottom), double(win::AnsiLength(text)),
                        static_cast<CWizardPage*>(CDialog::FromHandle(page))->MeasuredFonts()});
        RECT place{};
        GetWindowRect(controls[i], &place);
        MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&place), 2);
        const PixelRect got = {place.left, place.top, place.right, place.bottom};
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(controls[i], WM_GETFONT, 0, 0)),
                   sizeof font, &font);
        SendMessageW(page, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(controls[i]));
        ok(got == want && (row.textId == 0 || text == win::LoadResourceString(row.textId)) &&
               font.lfHeight == (row.font < kMeasuredFonts ? -(dpi * tenths[row.font] / 720)
                                 : row.font == kFontE      ? 20
                                                           : 17) &&
               (font.lfWeight == FW_BOLD) == (row.font >= kFontE) &&
               std::wstring(font.lfFaceName) == (row.font == kFontF ? L"Arial" : kPageFace) &&
               GetTextColor(dc) == row.colour && GetBkColor(dc) == kPageColour,
           "control %zu: (%d,%d)-(%d,%d) got (%d,%d)-(%d,%d); font %ld %s; colour %06lx", i,
           want.left, want.top, want.right, want.bottom, got.left, got.top, got.right, got.bottom,
           font.lfHeight, guitest::Narrow(font.lfFaceName).c_str(), GetTextColor(dc));
    }
    DeleteDC(dc);
}

// Line `index` selected: its reply shown whole and made the settings.
void CheckShows(int index, const std::string& settings) {
    std::vector<std::wstring> want;
    for (const char* key :
         {"sys.hostname", "expect.ip", "nwk.netmask", "sys.gateway", "sys.dns", "nwk.mac"})
        want.push_back(WideFromAnsi(GetSetting(settings, key)));
    const DeviceRecord* record = g_deviceList.At(index);
    ok(ToList(Step1(), LB_GETCURSEL) == index && Fields(Step1()) == want &&
           g_reportedSettings == settings && g_workingSettings == settings && record &&
           g_clockReadAt == record->receivedAt,
       "line %d selected: shown whole, both settings, the clock read at its reply", index);
}

void CheckList(const std::vector<std::string>& arrays) {
    CheckWiring(Step1());
    std::vector<std::wstring> names;
    for (const std::string& settings : arrays)
        names.push_back(WideFromAnsi(GetSetting(settings, "expect.name")));
    ok(Lines(Step1()) == names && Enabled(Step1(), IDOK), "the arrays in arrival order; 确定 on");
    CheckShows(0, arrays[0]);
    for (int line = static_cast<int>(arrays.size()) - 1; line >= 0; --line) {
        ClickLine(Step1(), line);
        CheckShows(line, arrays[line]);
        g_opened.clear();
        ClickLine(Step1(), line, true);
        const std::wstring address =
            L"http://" + WideFromAnsi(GetSetting(arrays[line], "nwk.ipaddr"));
        ok(g_opened == std::vector{address}, "a double click on line %d opens its address", line);
    }
}

void CaseList(const std::string& path, const std::string& flag) {
    std::vector<std::string> arrays;
    std::ifstream in("Z:" + path, std::ios::binary);
    for (std::string line; std::getline(in, line);)
        arrays.push_back(line);
    std::vector<double> times;
    double pressedAt = 0;
    std::vector<Step> steps;
    for (int run = 0; run < 5; ++run) {
        steps.push_back(PressStart(&pressedAt));
        steps.push_back(WhenIdle(Step1, [&, run] {
            times.push_back(NowMs() - pressedAt);
            ok(Lines(Step1()).size() == arrays.size(), "search %d lists every array", run);
            if (run == 0)
                CheckList(arrays);
            if (run < 4)
                return Press(Step1(), IDC_SEARCH_EXIT);
            ClickLine(Step1(), 1);
            Press(Step1(), IDOK);
        }));
        if (run == 0)
            steps.push_back({"退出", [] { return !g_searchPage.IsWindow(); },
                             [] {
                                 ok(g_deviceList.size() == 0 && Shown(g_welcome->m_hWnd) &&
                                        IsWindowEnabled(g_welcome->m_hWnd),
                                    "\"退出\" empties the device list, the welcome stays");
                             }});
    }
    const std::size_t count = arrays.size();
    std::vector<std::wstring> fields;
    const std::vector<Step> moves = {
        InPasswordWindow("wrong"),
        guitest::ExpectBox("Error", "Wrong password!"),
        InPasswordWindow(""),
        WhenIdle(Step1,
                 [count] {
                     ok(!g_networkPage.IsWindow() && ToList(Step1(), LB_GETCURSEL) == 1 &&
                            g_deviceList.size() == count,
                        "a refused password stays on step 1, line 1 and the device list kept");
                     Press(Step1(), IDOK);
                 }),
        InPasswordWindow("admin"),
        {"step 2", [] { return Shown(g_networkPage.m_hWnd); },
         [] {
             ok(!g_searchPage.IsWindow() && g_deviceList.size() == 0,
                "step 1 destroyed, the device list emptied");
             Press(g_welcome->m_hWnd, IDC_START);
         }},
        WhenIdle(Step1, [] { Press(Step1(), IDOK); }),
        InPasswordWindow("admin"),
        {"step 2 shown again", [] { return !PasswordWindow() && !FindMessageBox(); },
         [count] {
             ok(Shown(g_networkPage.m_hWnd) && Shown(Step1()) && g_deviceList.size() == count,
                "with step 2 open, both pages and the device list stay");
             std::printf("search_lab: stop the arrays\n");
             std::fflush(stdout);
         }},
        {"the arrays stopped",
         [flag] { return GetFileAttributesA(("Z:" + flag).c_str()) != INVALID_FILE_ATTRIBUTES; },
         [&] {
             fields = Fields(Step1());
             g_ticks = 0;
             Press(Step1(), IDC_SEARCH_AGAIN);
         }},
        WhenIdle(Step1,
                 [&] {
                     ok(g_ticks == 16 && Lines(Step1()).empty() && g_deviceList.size() == 0 &&
                            !Enabled(Step1(), IDOK),
                        "no answer: empty list, 确定 off, 再次搜索 on after tick 16 (%u)", g_ticks);
                     ok(Fields(Step1()) == fields && !fields[0].empty() &&
                            g_reportedSettings == arrays[0] && g_workingSettings == arrays[0],
                        "the fields and settings still hold line 0");
                 }),
    };
    steps.insert(steps.end(), moves.begin(), moves.end());
    RunWizard(std::move(steps));
    std::sort(times.begin(), times.end());
    if (times.size() == 5)
        std::printf("from \"开始\" to the filled list: median %.0f ms (%.0f to %.0f)\n", times[2],
                    times[0], times[4]);
}

Step WarningBox(int answer) {
    return {"the warning", [] { return FindMessageBox().has_value(); },
            [answer] {
                const auto box = *FindMessageBox();
                ok(box.text == L"Another array also answers for 10.77.1.1.\nThe password check "
                               L"and the new settings will reach every array with this "
                               L"address.\nGo on?" &&
                       !PasswordWindow(),
                   "the warning first (got \"%s\")", guitest::Narrow(box.text).c_str());
                PostMessageW(box.window, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
            }};
}

// Every reply comes twice; A and B report one address.
void CaseShared() {
    RunWizard({
        PressStart(),
        WhenIdle(Step1,
                 [] {
                     const std::vector<std::wstring> want = {L"Fresh-A", L"Fresh-A", L"Fresh-B",
                                                             L"Fresh-B", L"Other",   L"Other"};
                     ok(Lines(Step1()) == want, "each reply listed, the repeated ones too");
                     Press(Step1(), IDOK);
                 }),
        WarningBox(IDNO),
        WhenIdle(Step1,
                 [] {
                     ok(!PasswordWindow() && ToList(Step1(), LB_GETCURSEL) == 0,
                        "\"No\": step 1 as it was");
                     ClickLine(Step1(), 4);
                     Press(Step1(), IDOK);
                 }),
        InPasswordWindow(""), // a repeated reply is no second array: no warning
        WhenIdle(Step1,
                 [] {
                     ClickLine(Step1(), 2);
                     Press(Step1(), IDOK);
                 }),
        WarningBox(IDYES),
        InPasswordWindow("admin"),
        {"step 2", [] { return Shown(g_networkPage.m_hWnd); }, [] {}},
    });
}

// Every reply goes to another computer.
void CaseNobody() {
    RunWizard({PressStart(), WhenIdle(Step1, [] { ok(Lines(Step1()).empty(), "none listed"); })});
}

// A socket on the port replies come to; INVALID_SOCKET while another holds it.
SOCKET HoldClientPort() {
    SOCKET holder = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(CLIENT_PORT);
    if (bind(holder, reinterpret_cast<const sockaddr*>(&local), sizeof local) == SOCKET_ERROR) {
        closesocket(holder);
        holder = INVALID_SOCKET;
    }
    return holder;
}

// Two step-1 windows search at once: the one step 2's "上一步" made and one
// from "开始"; only one of them can listen.
void CaseTwice() {
    static HWND first = nullptr;
    SOCKET held = INVALID_SOCKET;
    std::vector<std::wstring> before;
    const Step bindBox =
        guitest::ExpectBox("bind error", "Failed to bind CLIENT_PORT!\nError Code");
    RunWizard({
        {"the welcome window", [] { return g_welcome->IsWindow(); },
         [] {
             MoveToPage(nullptr, g_networkPage);
             Press(g_networkPage.m_hWnd, IDC_NETWORK_BACK);
         }},
        {"the first searching", ProgressOpen,
         [] {
             first = guitest::DialogWindows(IDD_SEARCH_PAGE).at(0);
             Press(g_welcome->m_hWnd, IDC_START);
         }},
        bindBox,
        {"both searches ended", [] { return Idle(first) && Idle(Step1()); },
         [&] {
             // The second lists the records that had come by its end.
             const std::vector<std::wstring> all = Lines(first), second = Lines(Step1());
             ok(all.size() == g_deviceList.size() && !all.empty() && second.size() <= all.size() &&
                    std::equal(second.begin(), second.end(), all.begin()),
                "both list the device list (%zu, %zu)", all.size(), second.size());
             held = HoldClientPort(); // and the next search cannot listen
             ok(held != INVALID_SOCKET, "no socket left on port %u", CLIENT_PORT);
             before = Lines(Step1());
             Press(Step1(), IDC_SEARCH_AGAIN);
         }},
        bindBox,
        WhenIdle(Step1,
                 [&] {
                     closesocket(held);
                     std::vector<std::wstring> want = before, all = Lines(first);
                     want.insert(want.end(), all.begin(), all.end());
                     ok(Lines(Step1()) == want && ToList(Step1(), LB_GETCURSEL) == 0,
                        "it keeps its lines and appends the records once more");
                     Press(first, IDC_SEARCH_AGAIN);
                     Press(Step1(), IDC_SEARCH_AGAIN);
                 }),
        bindBox,
        {"the first searching alone", [] { return !FindMessageBox(); },
         [] {
             ok(ProgressOpen() && !IsWindowEnabled(first) && IsWindowEnabled(Step1()),
                "the first search holds its own window only");
             // The device list refills: the second's last line is beyond it.
             const std::vector<std::wstring> lines = Lines(Step1());
             ClickLine(Step1(), static_cast<int>(lines.size()) - 1);
             ok(lines.size() > g_deviceList.size() && Fields(Step1()).at(0) == lines.back() &&
                    WideFromAnsi(GetSetting(g_reportedSettings, "sys.hostname")) == lines.back(),
                "the second window's last line still selects the array it names");
             SendMessageW(Step1(), WM_COMMAND, MAKEWPARAM(IDC_SEARCH_EXIT, BN_CLICKED), 0);
             ok(!g_searchPage.IsWindow() && ProgressOpen(),
                "\"退出\" closes the second window, not the first one's search");
         }},
        {"the first search ended", [] { return Idle(first); },
         [&] {
             held = HoldClientPort();
             ok(!Lines(first).empty() && held != INVALID_SOCKET,
                "its list filled, its socket closed");
             closesocket(held);
             const unsigned ticks = g_ticks;
             guitest::PumpFor(300);
             ok(g_ticks == ticks, "no exchange timer ticks on (%u)", g_ticks - ticks);
         }},
    });
}

void CaseBurst(const std::string& count) {
    double pressedAt = 0;
    RunWizard({PressStart(&pressedAt), WhenIdle(Step1, [&] {
                   const std::size_t listed = Lines(Step1()).size();
                   std::printf("burst of %s arrays: %zu listed after %.0f ms\n", count.c_str(),
                               listed, NowMs() - pressedAt);
                   const DeviceRecord* last = g_deviceList.At(static_cast<int>(listed) - 1);
                   ok(std::to_string(listed) == count && last &&
                          last->settings.size() == kMaxSettingsLength,
                      "all %s arrays listed, full-size settings whole", count.c_str());
               })});
}

} // namespace

void OpenWebPage(const std::wstring& address) {
    g_opened.push_back(address);
}

int wmain(int argc, wchar_t** argv) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS |
                                                       ICC_INTERNET_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&controls);
    WSADATA data;
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(win::AnsiFromWide(argv[i]));
    const std::string mode = args.empty() ? "" : args[0];
    std::function<void()> run;
    if (mode == "list" && args.size() == 3)
        run = [&] { CaseList(args[1], args[2]); };
    else if (mode == "burst" && (args.size() == 2 || args.size() == 3))
        run = [&] {
            if (args.size() == 3)
                g_receiveBufferRequest = std::stoi(args[2]);
            CaseBurst(args[1]);
        };
    else if (args.size() == 1 && (mode == "shared" || mode == "nobody" || mode == "twice"))
        run = mode == "shared" ? CaseShared : mode == "nobody" ? CaseNobody : CaseTwice;
    if (!run || WSAStartup(MAKEWORD(2, 2), &data) != 0) {
        std::printf("usage: search_lab list FILE FLAG|shared|nobody|twice|burst N [BYTES]\n");
        return 2;
    }
    const HHOOK counting =
        SetWindowsHookExW(WH_GETMESSAGE, CountTicks, nullptr, GetCurrentThreadId());
    guitest::RunTest(("lab_search_" + mode).c_str(), run);
    UnhookWindowsHookEx(counting);
    return guitest::Summary();
}
