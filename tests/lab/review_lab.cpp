// Step 4, made as step 3's Next makes it, and its saves on real Winsock under
// Wine in the lab; run by lab_test.sh:
//   review_lab saves  the summary of both columns; saves to an address too long
//                     for its field and to none expire, a save of 999 bytes to
//                     array 1 succeeds
#include "app/page_moves.h"
#include "messaging/settings.h"
#include "pages/page_layouts.h"
#include "tests/lab/lab_driver.h"

namespace {

using guitest::NowMs;
using guitest::Step;

HWND Page() {
    return g_reviewPage.m_hWnd;
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

double g_okAt = 0; // when the confirmation's OK was pressed

// The box a save ends with: its progress window closed; an expiry after tick
// 300, a success the page's own message.
void CheckEnd(bool expires) {
    // A tick that comes due while a slow one pumps is swallowed by it, yet
    // counted here: so at least 301.
    const double waited = NowMs() - g_okAt;
    ok(!g_saveProgress.IsWindowVisible() &&
           (expires ? lab::g_ticks >= 301 && waited >= 300.0 * kTickPeriodMs
                    : GetWindow(guitest::FindMessageBox()->window, GW_OWNER) == Page()),
       "progress closed; an expiry after tick 300 (tick %u, %.0f ms), a success the page's own",
       lab::g_ticks, waited);
}

// Each save: Save, OK, the box it ends with, and the page gone. Nothing comes
// back from no array: the page waits the whole 300 ticks.
void CaseSaves(const lab::Args&) {
    CheckSummary();
    // Array 1 as steps 2 and 3 changed it: a Chinese host name (code page 936),
    // DHCP, a new address and date, and padding to the longest settings string.
    std::string saved = "sys.hostname=\xB4\xE6\xB4\xA2"
                        "01&nwk.bootproto=dhcp&nwk.ipaddr=10.77.1.9&date=2024/02/29&pad=";
    saved.resize(kMaxSettingsLength, 'x');
    const struct {
        const char *address, *caption, *text;
    } saves[] = {
        {"10.77.1.1 (old address)", "Status", "Configurations have saved Fail!"},
        {"", "review_lab", "Server does not exist!!"},
        {"10.77.1.1", "Status", "Configurations have saved successfully!"},
    };
    for (const auto& save : saves) {
        const bool expires = save.address != std::string("10.77.1.1"); // only array 1 answers
        g_reportedSettings = std::string("nwk.ipaddr=") + save.address;
        g_workingSettings = saved;
        bool gone = false;
        MoveToPage(nullptr, g_reviewPage);
        guitest::StartScript({
            lab::On(IDD_REVIEW_PAGE, [](HWND page) { lab::Press(page, IDC_SAVE); }),
            lab::On(IDD_CONFIRM,
                    [](HWND confirm) {
                        lab::g_ticks = 0;
                        g_okAt = NowMs();
                        lab::Press(confirm, IDOK);
                    }),
            {"tick 150 or the end", [] { return lab::g_ticks >= 150 || guitest::FindMessageBox(); },
             [expires] {
                 ok(guitest::FindMessageBox()
                        ? !expires
                        : g_saveProgress.IsWindowVisible() && !IsWindowEnabled(Page()),
                    "an expiring save still waits at tick 150, the page disabled");
             }},
            guitest::ExpectBox(save.caption, save.text, [expires] { CheckEnd(expires); }),
            {"step 4 gone", [] { return !g_reviewPage.IsWindow(); }, [&] { gone = true; }},
        });
        while (!gone) {
            guitest::Pump();
            Sleep(2);
        }
        guitest::EndScript();
    }
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    return lab::Main(argc, argv, "review", "saves", Page, {{L"saves", 0, CaseSaves}});
}
