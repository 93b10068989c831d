// The password window on real Winsock under Wine in the lab (what it sends:
// lab_test.sh). password_checks PW ZH: array 1 refuses "a& b" and the empty password, then
// takes PW (16 bytes), array 2 ZH; then checks that cannot go out, and one no array answers.
#include "pages/password_dlg.h"
#include "tests/lab/lab_driver.h"

#include <utility>

namespace {

using guitest::ExpectBox, guitest::Step;

HWND g_window = nullptr; // the password window the steps work on

// Usable: the controls take input and no progress window is open; else all
// are disabled under an open one. The window itself too, unless `window` is false.
void ExpectUsable(bool usable, bool window = true) {
    ok(lab::Wizard().passwordProgress.IsWindowVisible() != usable, "progress window open: %d",
       !usable);
    for (const int id : {0, IDOK, IDCANCEL, IDC_PASSWORD})
        ok((id == 0 && !window) ||
               (IsWindowEnabled(id ? GetDlgItem(g_window, id) : g_window) != FALSE) == usable,
           "control %d enabled: %d", id, usable);
}

std::string Type(const std::wstring& keys) {
    return win::AnsiFromWide(guitest::Type(GetDlgItem(g_window, IDC_PASSWORD), keys));
}

// Types the password into the empty box, which must hold it whole, and
// presses OK: the check starts at once. Where the press opens a box (the port
// is held), only a later step can close it: the press is posted.
Step TypeAndPressOK(const std::wstring& password, bool opensBox = false) {
    return guitest::On(IDD_PASSWORD, [password, opensBox](HWND window) {
        g_window = window;
        const std::string typed = win::AnsiFromWide(password);
        ok(Type(password) == typed, "the box took all %zu bytes typed", typed.size());
        if (typed.size() == 16) // what the array compares: no more is taken
            ok(Type(password.substr(0, 1)) == typed, "a character past 16 bytes refused");
        lab::g_ticks = 0;
        if (opensBox)
            return guitest::Press(g_window, IDOK);
        SendMessageW(g_window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(g_window, IDOK)));
        ExpectUsable(false);
    });
}

void RunWindow(const char* address, std::vector<Step> steps, INT_PTR expected) {
    const WizardRun run = {std::string("nwk.ipaddr=") + address};
    guitest::StartScript(std::move(steps));
    const INT_PTR result = CPasswordDlg(run, lab::Wizard().passwordProgress).DoModal();
    guitest::EndScript();
    ok(result == expected, "the window ends with %d (got %d)", int(expected), int(result));
}

// Junk comes before each verdict: the wrong passwords go first, so that junk
// taken for a VERIFYOK would show.
GUI_TEST(password_checks) {
    // The box disables its owner, the password window, itself.
    const Step wrong = ExpectBox("Error", "Wrong password!", [] {
        ok(lab::g_ticks < 100, "the verdict ends the wait (tick %u)", lab::g_ticks);
        ExpectUsable(true, false);
    });
    const Step emptied = guitest::WhenIdle("the box closed", [] {
        ok(Type(L"").empty(), "the password box is emptied");
        ExpectUsable(true);
    });
    RunWindow("10.77.1.1",
              {TypeAndPressOK(L"a& b"), wrong, emptied, TypeAndPressOK(L""), wrong, emptied,
               TypeAndPressOK(args.at(0))},
              IDOK);
    RunWindow("10.77.1.2", {TypeAndPressOK(args.at(1))}, IDOK);
    // Tick 101 exactly is the exchange's own count (tested natively); on a busy
    // machine a tick due inside the one before is counted apart by the hook.
    const Step expired = ExpectBox("lab_driver", "Error server is not exist!!", [] {
        ok(lab::g_ticks >= 101 && lab::g_ticks <= 104, "the expiry on tick 101 (got %u)",
           lab::g_ticks);
        ExpectUsable(true);
    });
    // The reply port held by another program: nothing is sent, and the window
    // is usable again once the box is closed. Let go, the check goes out, and
    // nothing comes back from where no array is: the window waits 100 ticks.
    static SOCKET held = lab::HoldClientPort();
    const Step usableAtOnce = guitest::WhenIdle("the box closed", [] {
        ok(lab::g_ticks == 0, "no tick ran");
        ExpectUsable(true);
        closesocket(std::exchange(held, INVALID_SOCKET));
        Type(L"\b\b\b\b\b");
    });
    RunWindow("10.77.1.9",
              {TypeAndPressOK(L"admin", true),
               ExpectBox("bind error", "Failed to bind CLIENT_PORT!\nError Code"), usableAtOnce,
               TypeAndPressOK(L"admin", true), expired},
              IDCANCEL);
    // No request can name an array whose address does not fit the field.
    RunWindow("10.77.100.100.10",
              {TypeAndPressOK(L"admin", true),
               ExpectBox("Error", "The array's address is too long: the request cannot be sent!"),
               usableAtOnce, lab::Password(L"")},
              IDCANCEL);
}

// Step 1 lists an array found through this computer's second adapter and one
// at the same address on the first; the second is chosen, then its adapter is
// taken down (lab_test.sh, when the driver makes the file FILE): the check
// cannot go out through it, and through the other it would reach the other
// array. Nothing is sent, the box says so at once, the window is usable again.
GUI_TEST(password_adapter_gone) {
    static const std::wstring marker = L"Z:" + args.at(0);
    lab::RunWizard({
        guitest::On(IDD_WELCOME, {}, IDC_START),
        guitest::On(
            IDD_SEARCH_PAGE,
            [](HWND page) {
                const std::vector<std::wstring> both = {L"Q6-Near", L"Q6-Far"};
                ok(lab::Lines(page) == both, "both arrays listed");
                lab::ClickLine(page, 1);
            },
            IDOK),
        ExpectBox("lab_driver",
                  "Another array also answers for 10.78.1.2.\nThe password check and the new "
                  "settings will reach every array with this address.\nGo on?",
                  [] { PostMessageW(guitest::FindMessageBox()->window, WM_COMMAND, IDYES, 0); }),
        {"the password window", [] { return guitest::Shown(IDD_PASSWORD) != nullptr; },
         [] {
             CloseHandle(
                 CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
         }},
        {"its adapter down",
         [] { return GetFileAttributesW((marker + L".done").c_str()) != INVALID_FILE_ATTRIBUTES; },
         [] {
             g_window = guitest::Shown(IDD_PASSWORD);
             Type(L"admin");
             lab::g_ticks = 0;
             guitest::Press(g_window, IDOK);
         }},
        ExpectBox(kSendCaption, kSendText,
                  [] { ok(lab::g_ticks == 0, "at once (tick %u)", lab::g_ticks); }),
        guitest::WhenIdle("the box closed", [] { ExpectUsable(true); }),
        lab::Password(L""),
        guitest::On(IDD_SEARCH_PAGE),
    });
}

} // namespace
