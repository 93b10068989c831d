// Step 4, made as step 3's Next makes it, and its saves on real Winsock under
// Wine in the lab (what they send: lab_test.sh).
#include "core/settings/settings.h"
#include "pages/page_layouts.h"
#include "tests/lab/lab_driver.h"

namespace {

using guitest::NowMs, guitest::Step;

const auto Page = [] { return lab::Wizard().reviewPage.m_hWnd; };

double g_okAt = 0; // when the confirmation's OK was pressed

enum class End { kAtOnce, kExpiry, kSuccess };

// Each save: Save, OK, the boxes it ends with, and the page gone. Nothing comes
// back from no array: the page waits the whole 300 ticks. An address too long
// for its field, or a reply port another program holds, sends nothing and
// ends at once.
GUI_TEST(review_saves) {
    // Array 1 as steps 2 and 3 changed it: a Chinese host name (code page 936),
    // DHCP, a new address and date, and padding to the longest settings string.
    std::string saved = "sys.hostname=\xB4\xE6\xB4\xA2"
                        "01&nwk.bootproto=dhcp&nwk.ipaddr=10.77.1.9&date=2024/02/29&pad=";
    saved.resize(kMaxSettingsLength, 'x');
    using Box = std::pair<std::string, std::string>; // caption, text
    const Box failed = {"Status", "Configurations have saved Fail!"},
              unbound = {"bind error", "Failed to bind CLIENT_PORT!\nError Code"},
              succeeded = {"Status", "Configurations have saved successfully!"};
    const struct {
        const char* address;
        bool portHeld;
        End end;
        std::vector<Box> boxes;
    } saves[] = {
        {"10.77.1.1 (old address)", false, End::kAtOnce, {{kSendCaption, kSendText}, failed}},
        {"10.77.1.1", true, End::kAtOnce, {unbound, failed}},
        {"", false, End::kExpiry, {{"lab_driver", "Server does not exist!!"}}},
        {"10.77.1.1", false, End::kSuccess, {succeeded}},
    };
    for (const auto& save : saves) {
        const SOCKET held = save.portHeld ? lab::HoldClientPort() : INVALID_SOCKET;
        bool gone = false;
        lab::Wizard().MoveTo(nullptr, lab::Wizard().reviewPage,
                             std::make_shared<WizardRun>(
                                 WizardRun{std::string("nwk.ipaddr=") + save.address, saved}));
        std::vector<Step> steps = {
            // The array reported its address alone: the rest of its column blank, the IP
            // state Fixed, whatever the new column shows.
            guitest::On(
                IDD_REVIEW_PAGE,
                [&save](HWND page) {
                    const std::string shown =
                        lab::Rows(page, kReviewPageLayout, lab::kBeforeWithoutClock);
                    ok(shown == std::string("|") + save.address + "|||Fixed",
                       "the reported column: %s", shown.c_str());
                },
                IDC_SAVE),
            guitest::On(
                IDD_CONFIRM,
                [](HWND) {
                    lab::g_ticks = 0;
                    g_okAt = NowMs();
                },
                IDOK),
        };
        if (save.end == End::kExpiry)
            steps.push_back({"tick 150", [] { return lab::g_ticks >= 150; },
                             [] {
                                 ok(lab::Wizard().saveProgress.IsWindowVisible(),
                                    "an expiring save still waits at tick 150");
                                 ok(!IsWindowEnabled(Page()), "the page disabled");
                             }});
        for (const auto& [caption, text] : save.boxes)
            steps.push_back(guitest::ExpectBox(caption, text, [&save, &text] {
                // The last box: progress closed; a save that could not go out ends before
                // any tick, an expiry after tick 300 (a tick due while a slow one pumps is
                // swallowed by it, yet counted here: at least 301), a success its own box.
                if (&text != &save.boxes.back().second)
                    return;
                const double waited = NowMs() - g_okAt;
                ok(!lab::Wizard().saveProgress.IsWindowVisible(), "progress closed");
                ok(save.end == End::kAtOnce ? lab::g_ticks == 0
                   : save.end == End::kExpiry
                       ? lab::g_ticks >= 301 && waited >= 300.0 * kTickMs
                       : GetWindow(guitest::FindMessageBox()->window, GW_OWNER) == Page(),
                   "at once, after tick 300 or the page's own box (tick %u, %.0f ms)", lab::g_ticks,
                   waited);
            }));
        steps.push_back({"step 4 gone", [] { return !IsWindow(Page()); }, [&] { gone = true; }});
        guitest::StartScript(std::move(steps));
        while (!gone)
            guitest::PumpFor(2);
        guitest::EndScript();
        closesocket(held);
    }
}

// Two runs, one step 4: a second run's "下一步" on its step 3 while the first
// save waits, and a third's while the second save's outcome box is open. Each
// waits for the save before it: that save's outcome is told, its window closes,
// then the next run's step 4 opens, and only its own "保存" sends its SET (the
// arrays answer 1.5 s late: lab_test.sh).
GUI_TEST(review_rivals) {
    const auto runOf = [](const std::string& name, int array) {
        const std::string address = "10.77.1." + std::to_string(array);
        return std::make_shared<WizardRun>(WizardRun{
            "sys.hostname=Q6-Store0" + std::to_string(array) + "&nwk.ipaddr=" + address,
            "sys.hostname=" + name + "&nwk.ipaddr=" + address +
                "&date=2000/01/01&time=00:00:00&sys.Time.timeZone=Taipei&sys.Time.ntpServer=none",
            "10.77.0.1"});
    };
    static std::shared_ptr<WizardRun> runs[] = {runOf("first-run", 1), runOf("second-run", 2),
                                                runOf("third-run", 3)};
    static HWND saving = nullptr; // the step 4 whose save the next run's move waits for
    CWizard& wizard = lab::Wizard();
    // The next run's step 3 and its "下一步", which must wait.
    const auto nextRunsMove = [&wizard](int run) {
        return [&wizard, run] {
            saving = wizard.reviewPage.m_hWnd;
            wizard.MoveTo(nullptr, wizard.dateTimePage, runs[run]);
            guitest::Press(wizard.dateTimePage.m_hWnd, IDC_DATETIME_NEXT);
        };
    };
    const auto waited = [&wizard](int run) {
        return Step{"the move waits", [run] { return runs[run]->setByUser.has_value(); },
                    [&wizard] {
                        ok(wizard.reviewPage.m_hWnd == saving, "step 4 still the saving one's");
                        ok(wizard.dateTimePage.IsWindowVisible(), "the next run's step 3 stays");
                    }};
    };
    const auto step4Of = [&wizard](int run, bool save) {
        return guitest::On(
            IDD_REVIEW_PAGE,
            [&wizard, run](HWND page) {
                ok(wizard.reviewPage.Run() == runs[run] && page != saving,
                   "run %d's own step 4, made anew", run);
                ok(!wizard.dateTimePage.IsWindow(), "its step 3 gone");
            },
            save ? IDC_SAVE : 0);
    };
    const auto told = [&wizard](int run) {
        return guitest::ExpectBox(
            "Status", "Configurations have saved successfully!", [&wizard, run] {
                ok(wizard.reviewPage.Run() == runs[run] && wizard.reviewPage.m_hWnd == saving,
                   "the box is run %d's, over its own window", run);
            });
    };
    guitest::StartScript({
        guitest::On(IDD_REVIEW_PAGE, {}, IDC_SAVE),
        guitest::On(IDD_CONFIRM, {}, IDOK),
        {"the first save waits", [&wizard] { return wizard.saveProgress.IsWindowVisible(); },
         nextRunsMove(1)},
        waited(1),
        told(0),
        step4Of(1, true),
        guitest::On(IDD_CONFIRM, {}, IDOK),
        {"the second save's box", [] { return guitest::FindMessageBox().has_value(); },
         nextRunsMove(2)},
        waited(2),
        told(1),
        step4Of(2, false),
    });
    wizard.MoveTo(nullptr, wizard.reviewPage, runs[0]);
    while (!(wizard.reviewPage.Run() == runs[2] && guitest::Idle() &&
             wizard.reviewPage.IsWindowVisible()))
        guitest::PumpFor(2);
    guitest::PumpFor(200);
    guitest::EndScript();
    wizard.reviewPage.DestroyWindow();
}

} // namespace
