// The password window on real Winsock under Wine in the lab; run by lab_test.sh:
//   password_lab answered PW ZH   array 1 refuses "a& b" and the empty password,
//                                 then takes PW (16 bytes); array 2 takes ZH
//   password_lab unanswered       (the arrays answer another computer) checks of
//                                 array 1, of 10.77.1.9 (none) and from a held
//                                 port expire; an exchange expires in its bind box
#include "app/exchange_host.h"
#include "pages/password_dlg.h"
#include "tests/lab/lab_driver.h"

namespace {

using guitest::ExpectBox;
using guitest::Step;

HWND g_window = nullptr; // the password window the steps work on

// True: the controls take input and no progress window is open; false: all
// are disabled under an open one. The window itself too, unless `window` is false.
bool Usable(bool usable, bool window = true) {
    bool all = g_passwordProgress.IsWindowVisible() != usable &&
               (!window || (IsWindowEnabled(g_window) != FALSE) == usable);
    for (const int id : {IDOK, IDCANCEL, IDC_PASSWORD})
        all = all && (IsWindowEnabled(GetDlgItem(g_window, id)) != FALSE) == usable;
    return all;
}

// Key by key, as the keyboard delivers them: the box decides what it takes.
std::string Type(const std::wstring& text) {
    for (const wchar_t character : text)
        SendMessageW(GetDlgItem(g_window, IDC_PASSWORD), WM_CHAR, character, 1);
    return win::AnsiFromWide(guitest::WindowText(GetDlgItem(g_window, IDC_PASSWORD)));
}

// Types the password into the empty box, which must hold it whole, and
// presses OK: the check starts at once. Where the press opens a box (the port
// is held), only a later step can close it: the press is posted.
Step TypeAndPressOK(const std::wstring& password, bool opensBox = false) {
    return {"the password window",
            [] { return (g_window = lab::Shown(IDD_PASSWORD)) && !guitest::FindMessageBox(); },
            [password, opensBox] {
                const std::string typed = win::AnsiFromWide(password);
                ok(Type(password) == typed, "the box took all %zu bytes typed", typed.size());
                if (typed.size() == 16) // what the array compares: no more is taken
                    ok(Type(password.substr(0, 1)) == typed, "a character past 16 bytes refused");
                lab::g_ticks = 0;
                if (opensBox)
                    return lab::Press(g_window, IDOK);
                SendMessageW(g_window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(g_window, IDOK)));
                ok(Usable(false), "the check waits, the window disabled under the progress window");
            }};
}

void RunWindow(std::vector<Step> steps, INT_PTR expected) {
    guitest::StartScript(std::move(steps));
    const INT_PTR result = CPasswordDlg().DoModal();
    guitest::EndScript();
    ok(result == expected, "the window ends with %d (got %d)", int(expected), int(result));
}

// Junk comes before each verdict: the wrong passwords go first, so that junk
// taken for a VERIFYOK would show.
void CaseAnswered(const std::wstring& password, const std::wstring& chinese) {
    // The box disables its owner, the password window, itself.
    const Step wrong = ExpectBox("Error", "Wrong password!", [] {
        ok(lab::g_ticks < 100 && Usable(true, false),
           "the verdict ends the wait (tick %u), controls enabled, progress closed", lab::g_ticks);
    });
    const Step emptied = {"the box closed", [] { return !guitest::FindMessageBox(); },
                          [] {
                              ok(Type(L"").empty() && Usable(true),
                                 "the password box is emptied, the window ready for another try");
                          }};
    g_reportedSettings = "nwk.ipaddr=10.77.1.1";
    RunWindow({TypeAndPressOK(L"a& b"), wrong, emptied, TypeAndPressOK(L""), wrong, emptied,
               TypeAndPressOK(password)},
              IDOK);
    g_reportedSettings = "nwk.ipaddr=10.77.1.2";
    RunWindow({TypeAndPressOK(chinese)}, IDOK);
}

// Nothing accepted arrives: the window waits the whole 100 ticks, disabled. A
// closing bind box must leave it so, else Esc would end a check that still runs.
void RunUnanswered(const char* address, bool bound) {
    g_reportedSettings = std::string("nwk.ipaddr=") + address;
    std::vector<Step> steps = {TypeAndPressOK(L"admin", bound)};
    if (bound)
        steps.push_back(ExpectBox("bind error", "Failed to bind CLIENT_PORT!\nError Code"));
    steps.push_back({"tick 60", [] { return lab::g_ticks >= 60 && !guitest::FindMessageBox(); },
                     [] { ok(Usable(false), "still waiting at tick 60, window disabled"); }});
    steps.push_back(ExpectBox("password_lab", "Error server is not exist!!", [] {
        // Tick 101 exactly is the exchange's own count (tested natively); on a busy
        // machine a tick due inside the one before is counted apart by the hook.
        ok(lab::g_ticks >= 101 && lab::g_ticks <= 104 && Usable(true),
           "the expiry comes on tick 101 (got %u), the window usable again", lab::g_ticks);
    }));
    RunWindow(std::move(steps), IDCANCEL);
}

// A window whose exchange expires while the socket's error box stays open:
// the expiry gives the window back, and the closing box must not take it away.
class ShortWait : public CDialog, private ExchangeClient {
public:
    ShortWait() : CDialog(IDD_CONFIRM), m_host(*this, g_searchProgress, *this) {}
    void Start() { m_host.Start(IDS_SEARCHING, SEARCH_PROBE, 2); }
    bool expired = false;

private:
    void OnReply(const Reply&) override {}
    void OnExpiry(bool) override { expired = true; }
    CExchangeHost m_host;
};

void CaseUnanswered() {
    RunUnanswered("10.77.1.1", false);
    RunUnanswered("10.77.1.9", false);
    const SOCKET held = lab::HoldClientPort();
    ok(held != INVALID_SOCKET, "port held");
    RunUnanswered("10.77.1.1", true);

    ShortWait window;
    window.Create();
    window.ShowWindow(SW_SHOW);
    guitest::StartScript({{"the bind box, open past the expiry",
                           [&] { return window.expired && guitest::FindMessageBox(); },
                           [] { guitest::CloseMessageBox(guitest::FindMessageBox()->window); }}});
    window.Start();
    guitest::EndScript();
    ok(window.IsWindowEnabled(), "the window is usable once the box is closed");
    window.DestroyWindow();
    closesocket(held);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (!(mode == L"answered" && argc == 4) && !(mode == L"unanswered" && argc == 2)) {
        std::printf("usage: password_lab answered PASSWORD CHINESE | unanswered\n");
        return 2;
    }
    return lab::RunLab(
        "lab_password_" + win::AnsiFromWide(mode), [] { return g_window; },
        [&] { mode == L"answered" ? CaseAnswered(argv[2], argv[3]) : CaseUnanswered(); });
}
