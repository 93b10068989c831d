// Step 4, made as step 3's Next makes it, and its save on real Winsock under
// Wine in the lab; run by lab_test.sh:
//   review_lab save        the summary of both columns; a save of 999 bytes
//   review_lab unanswered  (the arrays answer another computer) saves to an address
//                          too long for its field, to none, to array 1: expiries
#include "app/page_moves.h"
#include "messaging/settings.h"
#include "pages/page_layouts.h"
#include "tests/lab/lab_driver.h"

namespace {

using guitest::ExpectBox;
using guitest::NowMs;
using guitest::Step;

// Array 1 as steps 2 and 3 changed it: a Chinese host name (code page 936),
// DHCP, a new address and date, and padding to the longest settings string.
const std::string kSaved = [] {
    std::string saved = "sys.hostname=\xB4\xE6\xB4\xA2"
                        "01&nwk.bootproto=dhcp&nwk.ipaddr=10.77.1.9&date=2024/02/29&pad=";
    saved.resize(kMaxSettingsLength, 'x');
    return saved;
}();

HWND Page() {
    return g_reviewPage.m_hWnd;
}

double g_okAt = 0;

// Saves step 4 made from the shared settings as they are now: Save, OK, the
// steps that follow, and the page gone.
void Save(std::vector<Step> steps) {
    bool gone = false;
    steps.insert(steps.begin(),
                 {{"step 4", [] { return lab::Shown(IDD_REVIEW_PAGE) != nullptr; },
                   [] { lab::Press(Page(), IDC_SAVE); }},
                  {"the confirmation", [] { return lab::Shown(IDD_CONFIRM) != nullptr; },
                   [] {
                       lab::g_ticks = 0;
                       g_okAt = NowMs();
                       lab::Press(lab::Shown(IDD_CONFIRM), IDOK);
                   }}});
    steps.push_back({"step 4 gone", [] { return !g_reviewPage.IsWindow(); }, [&] { gone = true; }});
    MoveToPage(nullptr, g_reviewPage);
    guitest::StartScript(std::move(steps));
    while (!gone) {
        guitest::Pump();
        Sleep(2);
    }
    guitest::EndScript();
}

void CheckSummary() {
    const std::wstring longName(250, L'存');
    const std::string gateway(300, 'g');
    // Reported settings, working ones, and the two columns.
    const struct {
        const char* what;
        std::string reported, working, shown;
    } cases[] = {
        {"only lower-case dhcp is DHCP; a missing key in one column only",
         "nwk.bootproto=DHCP&sys.hostname=a&nwk.ipaddr=10.77.1.1",
         "nwk.bootproto=&nwk.ipaddr=10.77.1.2&update=1&time=1:2:3",
         "a|10.77.1.1|||Fixed|| / |10.77.1.2|||Fixed||1:2:3"},
        {"long values whole; \"dhcp \" and no IP state are Fixed",
         "sys.gateway=" + gateway + "&nwk.bootproto=dhcp ",
         "sys.hostname=" + win::AnsiFromWide(longName),
         "|||" + gateway + "|Fixed|| / " + guitest::Narrow(longName) + "||||Fixed||"},
    };
    for (const auto& test : cases) {
        g_reportedSettings = test.reported;
        g_workingSettings = test.working;
        MoveToPage(nullptr, g_reviewPage);
        const std::string shown = lab::Rows(Page(), kReviewFirstBefore, 7) + " / " +
                                  lab::Rows(Page(), kReviewFirstNew, 7);
        ok(shown == test.shown, "%s: shows %.160s", test.what, shown.c_str());
        g_reviewPage.DestroyWindow();
    }
}

void CaseSave() {
    CheckSummary();
    g_reportedSettings = "nwk.ipaddr=10.77.1.1";
    g_workingSettings = kSaved;
    Save({ExpectBox("Status", "Configurations have saved successfully!", [] {
        ok(GetWindow(guitest::FindMessageBox()->window, GW_OWNER) == Page() &&
               !g_saveProgress.IsWindowVisible(),
           "the success message is the page's own, the progress window closed");
    })});
}

// Nothing accepted comes back: the page waits the whole 300 ticks.
void CaseUnanswered() {
    const struct {
        const char *address, *caption, *text;
    } cases[] = {
        {"10.77.1.1 (old address)", "Status", "Configurations have saved Fail!"},
        {"", "review_lab", "Server does not exist!!"},
        {"10.77.1.1", "review_lab", "Server does not exist!!"},
    };
    for (const auto& test : cases) {
        g_reportedSettings = std::string("nwk.ipaddr=") + test.address;
        g_workingSettings = kSaved;
        Save({{"tick 150", [] { return lab::g_ticks >= 150; },
               [] {
                   ok(g_saveProgress.IsWindowVisible() && !IsWindowEnabled(Page()),
                      "still waiting at tick 150, page disabled");
               }},
              ExpectBox(test.caption, test.text, [] {
                  // A tick that comes due while a slow one pumps is swallowed
                  // by it, yet counted here: so at least 301.
                  const double waited = NowMs() - g_okAt;
                  ok(lab::g_ticks >= 301 && waited >= 300.0 * kTickPeriodMs &&
                         !g_saveProgress.IsWindowVisible(),
                     "the save ends after tick 300, progress closed (tick %u, %.0f ms)",
                     lab::g_ticks, waited);
              })});
    }
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const std::string mode = argc == 2 ? win::AnsiFromWide(argv[1]) : "";
    if (mode != "save" && mode != "unanswered") {
        std::printf("usage: review_lab save|unanswered\n");
        return 2;
    }
    return lab::RunLab("lab_review_" + mode, Page, mode == "save" ? CaseSave : CaseUnanswered);
}
