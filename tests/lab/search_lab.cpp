// Step 1 end to end against the lab's arrays (what it sends: lab_test.sh).
// search_burst N [BYTES]: BYTES is the receive buffer asked for.
#include "app/winsock_io.h"
#include "core/settings/settings.h"
#include "pages/page_layouts.h"
#include "pages/search_page.h"
#include "tests/lab/lab_driver.h"

#include <fstream>
#include <utility>

namespace {

using guitest::FindMessageBox, guitest::On, guitest::Press, guitest::Step;
using lab::ClickLine, lab::Lines, lab::RunWizard, win::WideFromAnsi;

HWND g_first = nullptr; // list: the step-1 window step 2 made

const auto Step1 = [] { return lab::Wizard().searchPage.m_hWnd; };
const auto Enabled = [](HWND page, int id) { return IsWindowEnabled(GetDlgItem(page, id)) != 0; };
const auto Selected = [](HWND page) {
    return SendDlgItemMessageW(page, IDC_DEVICE_LIST, LB_GETCURSEL, 0, 0);
};
const auto Fields = [] { return lab::Rows(Step1(), kSearchPageLayout, kSearchDetails); };
const Step kPressStart = On(IDD_WELCOME, {}, IDC_START);

void CheckList(const std::vector<std::string>& arrays) {
    // Line 0 as the search left it, then each clicked from the last up: in arrival
    // order, its reply shown whole and made the settings; a double click opens its address.
    const int count = static_cast<int>(arrays.size());
    for (int click = 0; click <= count; ++click) {
        const int line = (count - click) % count;
        if (click > 0)
            ClickLine(Step1(), line);
        const std::string& array = arrays[line];
        std::string want; // '|' before each field
        for (const char* key :
             {"sys.hostname", "expect.ip", "nwk.netmask", "sys.gateway", "sys.dns", "nwk.mac"})
            want.append("|").append(guitest::Narrow(WideFromAnsi(GetSetting(array, key))));
        ok(Lines(Step1()).at(line) == WideFromAnsi(GetSetting(array, "expect.name")),
           "line %d named", line);
        ok(Selected(Step1()) == line && Enabled(Step1(), IDOK), "line %d selected, 确定 on", line);
        ok(Fields() == want.substr(1), "line %d shown whole: %s", line, Fields().c_str());
        lab::g_opened.clear();
        ClickLine(Step1(), line, true);
        ok(lab::g_opened == std::vector{L"http://" + WideFromAnsi(GetSetting(array, "nwk.ipaddr"))},
           "a double click on line %d opens its address", line);
    }
}

Step WarningBox(int answer) {
    const char text[] = "Another array also answers for 10.77.1.1.\nThe password check and the new "
                        "settings will reach every array with this address.\nGo on?";
    return guitest::ExpectBox("lab_driver", text, [answer] {
        ok(guitest::DialogWindows(IDD_PASSWORD).empty(), "the warning first");
        PostMessageW(FindMessageBox()->window, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
    });
}

// This computer's one adapter down: the search says at once that it could not
// be sent, then runs out its 16 ticks with nothing listed. (The password check
// and the save end such a send as one that cannot listen or cannot name its
// array: lab_password_checks, lab_review_saves.)
GUI_TEST(search_unplugged) {
    RunWizard(
        {kPressStart, guitest::ExpectBox(kSendCaption, kSendText), On(IDD_SEARCH_PAGE, [](HWND) {
             ok(lab::g_ticks == 16, "the search ends after tick 16 (%u)", lab::g_ticks);
             ok(Lines(Step1()).empty(), "none listed");
             ok(!Enabled(Step1(), IDOK), "确定 off");
         })});
}

// The arrays of FILE, each reply twice, in two step-1 windows, from step 2's
// "上一步" and "开始", each with its own list: the one that cannot listen sends
// nothing and keeps its list as it was, empty at first; a search that finds
// the port held changes nothing either; a line chosen in one window is what
// that window's double click opens. Then the list of the second, line by line,
// and "确定" on the last array (line 14), whose address the first reports too.
GUI_TEST(search_list) {
    static std::vector<std::string> arrays;
    std::ifstream in("Z:" + win::AnsiFromWide(args.at(0)), std::ios::binary);
    for (std::string line; std::getline(in, line);) // every reply comes twice
        arrays.insert(arrays.end(), {line, line});
    static SOCKET held = INVALID_SOCKET;
    const Step bindBox =
        guitest::ExpectBox("bind error", "Failed to bind CLIENT_PORT!\nError Code");
    const auto bothIdle = [] {
        return guitest::Idle() && Enabled(g_first, IDC_SEARCH_AGAIN) &&
               Enabled(Step1(), IDC_SEARCH_AGAIN);
    };
    RunWizard({
        {"the welcome window", [] { return GetMainWnd()->IsWindow(); },
         [] {
             CWizard& wizard = lab::Wizard();
             wizard.MoveTo(nullptr, wizard.networkPage, std::make_shared<WizardRun>());
             Press(wizard.networkPage.m_hWnd, IDC_NETWORK_BACK);
         }},
        {"the first searching", [] { return lab::Wizard().searchProgress.IsWindow(); },
         [] {
             g_first = lab::Wizard().backSearchPage.m_hWnd;
             Press(GetMainWnd()->m_hWnd, IDC_START);
         }},
        bindBox,
        {"both searches ended", bothIdle,
         [] {
             ok(Lines(g_first).size() == arrays.size(), "the first lists every array");
             ok(Lines(Step1()).empty() && !Enabled(Step1(), IDOK), "the second, unheard, none");
             ClickLine(g_first, 1);
             held = lab::HoldClientPort(); // and the next search cannot listen
             Press(g_first, IDC_SEARCH_AGAIN);
         }},
        bindBox,
        {"that search ended", bothIdle,
         [] {
             closesocket(held);
             ok(Lines(g_first).size() == arrays.size(), "the list as it was");
             ok(Selected(g_first) == 1 && Enabled(g_first, IDOK), "its selection, 确定 on");
             Press(Step1(), IDC_SEARCH_AGAIN);
         }},
        On(IDD_SEARCH_PAGE,
           [](HWND) {
               ok(Lines(Step1()).size() == arrays.size(), "each window its own list");
               CheckList(arrays);
               ClickLine(Step1(), 2);
               lab::g_opened.clear();
               ClickLine(g_first, 0, true);
               ok(lab::g_opened ==
                      std::vector{L"http://" + WideFromAnsi(GetSetting(arrays[0], "nwk.ipaddr"))},
                  "a double click opens its own window's line");
               Press(Step1(), IDOK); // on line 2
           }),
        lab::Password(L""), // a repeated reply is no second array: no warning
        On(IDD_SEARCH_PAGE,
           [](HWND) {
               ClickLine(Step1(), 14);
               Press(Step1(), IDOK);
           }),
        WarningBox(IDNO),
        On(IDD_SEARCH_PAGE,
           [](HWND) {
               ok(guitest::DialogWindows(IDD_PASSWORD).empty(), "\"No\": no password window");
               ok(Selected(Step1()) == 14, "\"No\": the selection as it was");
               Press(Step1(), IDOK);
           }),
        WarningBox(IDYES),
        lab::Password(L"admin"),
        On(IDD_NETWORK_PAGE),
    });
}

// Right after the search's progress window is given its message the ticks
// start, and the probe follows once this computer's addresses are looked up
// (some milliseconds): the burst's clock starts with the ticks. The hook goes
// at once: a hook on every message sent would slow the reading and listing.
double g_probedAt = 0;
HHOOK g_probeHook = nullptr;
LRESULT CALLBACK NoteProbe(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    const LRESULT next = CallNextHookEx(nullptr, code, wParam, lParam);
    if (code == HC_ACTION && call->message == WM_SETTEXT && g_probeHook &&
        GetDlgCtrlID(call->hwnd) == IDC_PROGRESS_MESSAGE) {
        g_probedAt = guitest::NowMs();
        UnhookWindowsHookEx(std::exchange(g_probeHook, nullptr));
    }
    return next;
}

GUI_TEST(search_burst) {
    const std::string count = win::AnsiFromWide(args.at(0));
    if (args.size() > 1)
        g_receiveBufferRequest = std::stoi(args[1]);
    g_probeHook = SetWindowsHookExW(WH_CALLWNDPROC, NoteProbe, nullptr, GetCurrentThreadId());
    RunWizard({kPressStart, On(IDD_SEARCH_PAGE, [&](HWND) {
                   const int listed = static_cast<int>(Lines(Step1()).size());
                   std::printf("burst of %s arrays: %d listed %.0f ms after the probe\n",
                               count.c_str(), listed, guitest::NowMs() - g_probedAt);
                   ok(std::to_string(listed) == count, "all %s arrays listed", count.c_str());
                   ClickLine(Step1(), listed - 1);
                   ok(Fields().starts_with(guitest::Narrow(Lines(Step1()).back()) + "|"),
                      "the last one's settings whole: %.40s", Fields().c_str());
               })});
    if (g_probeHook)
        UnhookWindowsHookEx(g_probeHook);
}

} // namespace
