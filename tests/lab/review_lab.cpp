// Step 4 and its save on real Winsock under Wine, against the simulated
// arrays of the lab network. Run by review_lab_test.sh inside the lab; the
// page is made as step 3's Next makes it:
//   review_lab save    the summary of both strings; a cancelled confirmation;
//                      Back and Next; two saves (the first moves array 1 to
//                      10.77.1.9, the second sends it 999 bytes of settings)
//   review_lab other   array 1 answers to another computer: expiry on tick 301
//   review_lab empty   no address reported: nobody answers, expiry on tick 301
//   review_lab cut     an address too long for its field: nothing goes out
#include <winsock2.h>

#include "app/app_objects.h"
#include "app/page_moves.h"
#include "app/wizard_state.h"
#include "messaging/settings.h"
#include "pages/page_layouts.h"
#include "res/resource.h"
#include "tests/gui/gui_test.h"
#include "tests/gui/user_script.h"
#include "win/text.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using guitest::ExpectBox;
using guitest::NowMs;
using guitest::Step;

// Array 1 much as the simulator reports it.
const std::string kArray1 =
    "sys.model=Q6-4200&sys.hostname=Q6-Store01&nwk.bootproto=none&nwk.ipaddr=10.77.1.1"
    "&nwk.netmask=255.255.0.0&sys.gateway=10.77.0.254&sys.dns=10.77.0.253&date=2000/01/01"
    "&time=00:00:00&sys.Time.timeZone=Beijing";
// Steps 2 and 3 changed it: a Chinese host name (code page 936), DHCP, a new
// address, another date and time.
const std::string kMoved = "sys.model=Q6-4200&sys.hostname=\xB4\xE6\xB4\xA2"
                           "01&nwk.bootproto=dhcp&nwk.ipaddr=10.77.1.9&nwk.netmask=255.255.0.0"
                           "&sys.gateway=10.77.0.254&sys.dns=10.77.0.253&date=2024/02/29"
                           "&time=23:59:58&sys.Time.timeZone=Tokyo";

HWND Page() {
    return g_reviewPage.m_hWnd;
}

bool Visible(HWND window) {
    return IsWindowVisible(window) != FALSE;
}

HWND Shown(UINT templateId) {
    for (HWND window : guitest::DialogWindows(templateId))
        if (Visible(window))
            return window;
    return nullptr;
}

bool ProgressOpen() {
    return Shown(IDD_PROGRESS) != nullptr;
}

bool PageReady() {
    return g_reviewPage.IsWindow() && Visible(Page()) && IsWindowEnabled(Page()) &&
           IsWindowEnabled(g_reviewPage.GetDlgItem(IDC_SAVE)) &&
           IsWindowEnabled(g_reviewPage.GetDlgItem(IDC_REVIEW_BACK)) && !ProgressOpen() &&
           !Shown(IDD_CONFIRM) && !guitest::FindMessageBox();
}

void Press(HWND window, int id) {
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

// The page's run-time labels in the order it made them.
std::vector<HWND> Labels() {
    std::vector<HWND> labels;
    EnumChildWindows(
        Page(),
        [](HWND child, LPARAM context) -> BOOL {
            wchar_t name[16] = {};
            GetClassNameW(child, name, 16);
            if (lstrcmpiW(name, L"Static") == 0)
                reinterpret_cast<std::vector<HWND>*>(context)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&labels));
    return labels;
}

std::wstring Shows(int row) {
    const std::vector<HWND> labels = Labels();
    return row < static_cast<int>(labels.size()) ? guitest::WindowText(labels[row]) : L"?";
}

// Ticks of the save's timer that the page has taken from the queue since OK.
unsigned g_ticks = 0;
LRESULT CALLBACK CountTicks(int code, WPARAM removal, LPARAM message) {
    const MSG* msg = reinterpret_cast<const MSG*>(message);
    if (code == HC_ACTION && removal == PM_REMOVE && msg->hwnd != nullptr && msg->hwnd == Page() &&
        msg->message == WM_TIMER && msg->wParam == IDT_EXCHANGE)
        ++g_ticks;
    return CallNextHookEx(nullptr, code, removal, message);
}

double g_okAt = 0;
Step PressSave() {
    return {"step 4 ready", PageReady, [] { Press(Page(), IDC_SAVE); }};
}
Step Confirm(int answer) {
    return {"the confirmation", [] { return Shown(IDD_CONFIRM) != nullptr; },
            [answer] {
                g_ticks = 0;
                g_okAt = NowMs();
                Press(Shown(IDD_CONFIRM), answer);
            }};
}

// Runs `steps` over a page made from the shared settings as they are now,
// until the last step has run.
bool g_done = false;
void RunPage(std::vector<Step> steps) {
    g_done = false;
    steps.push_back({"the end", [] { return true; }, [] { g_done = true; }});
    MoveToPage(nullptr, g_reviewPage);
    guitest::StartScript(std::move(steps));
    while (!g_done) {
        guitest::Pump();
        Sleep(2);
    }
    guitest::EndScript();
}

struct SummaryCase {
    const char* what;
    std::string reported, working;
    std::array<std::wstring, 7> before, after;
};

void CheckSummary() {
    const std::wstring longName(250, L'存');
    const SummaryCase cases[] = {
        {"array 1, edited",
         kArray1,
         kMoved,
         {L"Q6-Store01", L"10.77.1.1", L"255.255.0.0", L"10.77.0.254", L"Fixed", L"2000/01/01",
          L"00:00:00"},
         {L"存储01", L"10.77.1.9", L"255.255.0.0", L"10.77.0.254", L"DHCP", L"2024/02/29",
          L"23:59:58"}},
        {"only lower-case dhcp is DHCP; a missing key in one column only",
         "nwk.bootproto=DHCP&sys.hostname=a&nwk.ipaddr=10.77.1.1",
         "nwk.bootproto=&nwk.ipaddr=10.77.1.2&update=1&time=1:2:3",
         {L"a", L"10.77.1.1", L"", L"", L"Fixed", L"", L""},
         {L"", L"10.77.1.2", L"", L"", L"Fixed", L"", L"1:2:3"}},
        {"long values whole; \"dhcp \" and no IP state are Fixed",
         "sys.gateway=" + std::string(300, 'g') + "&nwk.bootproto=dhcp ",
         "sys.hostname=" + win::AnsiFromWide(longName),
         {L"", L"", L"", std::wstring(300, L'g'), L"Fixed", L"", L""},
         {longName, L"", L"", L"", L"Fixed", L"", L""}},
    };
    for (const SummaryCase& test : cases) {
        g_reportedSettings = test.reported;
        g_workingSettings = test.working;
        MoveToPage(nullptr, g_reviewPage);
        for (int row = 0; row < 7; ++row) {
            const std::wstring before = Shows(kReviewFirstBefore + row);
            const std::wstring after = Shows(kReviewFirstNew + row);
            ok(before == test.before[row] && after == test.after[row],
               "%s: row %d shows \"%.40s\" / \"%.40s\" (got \"%.40s\" / \"%.40s\")", test.what,
               row + 1, guitest::Narrow(test.before[row]).c_str(),
               guitest::Narrow(test.after[row]).c_str(), guitest::Narrow(before).c_str(),
               guitest::Narrow(after).c_str());
        }
        g_reviewPage.DestroyWindow();
    }
}

// One save the array answers: the message, owned by the page, then no page.
std::vector<Step> AnsweredSave() {
    return {PressSave(),
            Confirm(IDOK),
            ExpectBox("Status", "Configurations have saved successfully!",
                      [] {
                          std::printf("save round trip: %.1f ms from OK to the message\n",
                                      NowMs() - g_okAt);
                          ok(GetWindow(guitest::FindMessageBox()->window, GW_OWNER) == Page(),
                             "the success message is the page's own");
                          ok(!ProgressOpen() && g_ticks < 300,
                             "the progress window closed before tick 300 (tick %u)", g_ticks);
                      }),
            {"step 4 gone", [] { return !g_reviewPage.IsWindow(); }, [] {}}};
}

void CaseSave() {
    CheckSummary();

    g_reportedSettings = kArray1;
    g_workingSettings = "sys.hostname=before-back&nwk.ipaddr=10.77.1.1";
    RunPage({
        PressSave(),
        Confirm(IDCANCEL),
        {"the confirmation closed", [] { return !Shown(IDD_CONFIRM); },
         [] {
             ok(PageReady(), "after Cancel step 4 stays, Save and Back enabled, nothing waits");
             Press(Page(), IDC_REVIEW_BACK);
         }},
        {"step 3", [] { return Shown(IDD_DATETIME_PAGE) && !g_reviewPage.IsWindow(); },
         [] {
             g_workingSettings = "sys.hostname=after-back&nwk.ipaddr=10.77.1.3";
             Press(Shown(IDD_DATETIME_PAGE), IDC_DATETIME_NEXT);
         }},
        {"step 4 again", PageReady,
         [] {
             ok(Shows(kReviewFirstNew) == L"after-back" &&
                    Shows(kReviewFirstNew + 1) == L"10.77.1.3" &&
                    Shows(kReviewFirstBefore) == L"Q6-Store01",
                "Back, then Next shows the changed values beside the reported ones");
             g_reviewPage.DestroyWindow();
         }},
    });

    // Array 1 moves to 10.77.1.9: the second save is answered only if it took
    // its new address.
    std::string longest = "sys.hostname=Q6-Long&nwk.ipaddr=10.77.1.9&pad=";
    longest.resize(kMaxSettingsLength, 'x');
    g_reportedSettings = kArray1;
    for (const std::string& working : {kMoved, longest}) {
        g_workingSettings = working;
        RunPage(AnsweredSave());
        g_reportedSettings = working;
    }
}

// Nothing accepted comes back: the page waits the whole 300 ticks.
void CaseUnanswered(const std::string& address, const char* box, const char* caption) {
    g_reportedSettings = kArray1;
    ReplaceSetting(g_reportedSettings, "nwk.ipaddr", "nwk.ipaddr=" + address);
    g_workingSettings = kMoved;
    const std::string reported = g_reportedSettings;
    RunPage({
        PressSave(),
        Confirm(IDOK),
        {"tick 150", [] { return g_ticks >= 150; },
         [] {
             ok(ProgressOpen() && !IsWindowEnabled(Page()),
                "still waiting at tick 150, page disabled");
         }},
        ExpectBox(caption, box,
                  [] {
                      // A tick that comes due while a slow one pumps is
                      // swallowed by it, yet counted here: so at least 301.
                      const double waited = NowMs() - g_okAt;
                      ok(g_ticks >= 301 && waited >= 300.0 * kTickPeriodMs,
                         "the save ends after tick 300 (tick %u, %.0f ms)", g_ticks, waited);
                      ok(!ProgressOpen(), "the progress window closed");
                  }),
        {"step 4 gone", [] { return !g_reviewPage.IsWindow(); }, [] {}},
    });
    ok(g_reportedSettings == reported && g_workingSettings == kMoved,
       "the shared settings keep their contents");
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) {
        ok(false, "Winsock starts");
        return guitest::Summary();
    }
    const std::string mode = argc == 2 ? win::AnsiFromWide(argv[1]) : "";
    const char* const serverGone = "Server does not exist!!";
    std::function<void()> run;
    if (mode == "save")
        run = CaseSave;
    else if (mode == "other")
        run = [&] { CaseUnanswered("10.77.1.1", serverGone, "review_lab"); };
    else if (mode == "empty")
        run = [&] { CaseUnanswered("", serverGone, "review_lab"); };
    else if (mode == "cut")
        run = [] {
            CaseUnanswered("10.77.1.1 (old address)", "Configurations have saved Fail!", "Status");
        };
    else {
        std::printf("usage: review_lab save|other|empty|cut\n");
        return 2;
    }
    const HHOOK counting =
        SetWindowsHookExW(WH_GETMESSAGE, CountTicks, nullptr, GetCurrentThreadId());
    guitest::RunTest(("lab_review_" + mode).c_str(), run);
    UnhookWindowsHookEx(counting);
    return guitest::Summary();
}
