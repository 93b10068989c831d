// The password window and the exchange on real Winsock under Wine, against
// the simulated arrays of the lab network. Run by password_lab_test.sh inside
// the lab; one case per run (passwords are typed key by key):
//   password_lab right PW          the array accepts PW: the window ends with IDOK;
//                                  a 16-character PW fills the box, a 17th is refused
//   password_lab wrong BAD GOOD    "Wrong password!", then a fresh check with GOOD
//   password_lab noanswer PW       nobody answers (or not to us): expiry on tick 101
//   password_lab bound PW          port 1211 is held: bind message, then expiry
//   password_lab boxexpiry         a window's exchange expires inside its bind box
//   password_lab probe N           a search exchange accepts N "GETOK" replies
//   password_lab burst large|default   counts a burst's replies (a measurement)
// The array addressed is the first of the lab, 10.77.1.1.
#include "app/app_objects.h"
#include "app/exchange_host.h"
#include "app/wizard_state.h"
#include "messaging/settings.h"
#include "messaging/winsock_io.h"
#include "pages/password_dlg.h"
#include "res/resource.h"
#include "tests/gui/gui_test.h"
#include "tests/gui/user_script.h"
#include "win/text.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using guitest::EndScript;
using guitest::ExpectBox;
using guitest::NowMs;
using guitest::StartScript;
using guitest::Step;

bool Visible(HWND window) {
    return IsWindowVisible(window) != FALSE;
}

HWND g_passwordWindow = nullptr;
// Finds the shown password window, and keeps it for the steps that follow.
bool PasswordWindowShown() {
    for (HWND window : guitest::DialogWindows(IDD_PASSWORD))
        if (Visible(window))
            g_passwordWindow = window;
    return g_passwordWindow != nullptr && Visible(g_passwordWindow);
}

bool Enabled(int id) {
    return IsWindowEnabled(GetDlgItem(g_passwordWindow, id)) != FALSE;
}

bool ProgressOpen() {
    const std::vector<HWND> windows = guitest::DialogWindows(IDD_PROGRESS);
    return std::any_of(windows.begin(), windows.end(), Visible);
}

// Ticks of the exchange timer that the password window has taken from the
// queue since the last OK (the tick that expires the check is number 101),
// and its socket notifications, also at the moment the wait ended.
unsigned g_ticks = 0;
unsigned g_notifications = 0;
unsigned g_notificationsAtProgressClose = 0;
LRESULT CALLBACK CountMessages(int code, WPARAM removal, LPARAM message) {
    const MSG* msg = reinterpret_cast<const MSG*>(message);
    if (code == HC_ACTION && removal == PM_REMOVE && msg->hwnd != nullptr &&
        msg->hwnd == g_passwordWindow) {
        g_ticks += msg->message == WM_TIMER && msg->wParam == IDT_EXCHANGE;
        g_notifications += msg->message == WM_PING_ASYNCH;
    }
    return CallNextHookEx(nullptr, code, removal, message);
}
LRESULT CALLBACK WatchProgressClose(int code, WPARAM sent, LPARAM message) {
    const CWPSTRUCT* msg = reinterpret_cast<const CWPSTRUCT*>(message);
    if (code == HC_ACTION && msg->message == WM_DESTROY &&
        GetDlgItem(msg->hwnd, IDC_PROGRESS_BAR) != nullptr)
        g_notificationsAtProgressClose = g_notifications;
    return CallNextHookEx(nullptr, code, sent, message);
}

HWND PasswordBox() {
    return GetDlgItem(g_passwordWindow, IDC_PASSWORD);
}

// Key by key, as the keyboard delivers them: the box itself decides which
// characters it takes (its length limit, its width when it cannot scroll).
void Type(const std::string& text) {
    for (const wchar_t character : win::WideFromAnsi(text))
        SendMessageW(PasswordBox(), WM_CHAR, character, 1);
}

// Types the password into the empty box; the box must hold it whole.
bool TypePassword(const std::string& password) {
    Type(password);
    const std::string held = win::AnsiFromWide(guitest::WindowText(PasswordBox()));
    ok(held == password, "the box took all %zu typed characters (holds %zu: \"%s\")",
       password.size(), held.size(), held.c_str());
    return held == password;
}

double g_okAt = 0;
void PressOK() {
    g_ticks = 0;
    g_okAt = NowMs();
    PostMessageW(g_passwordWindow, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(g_passwordWindow, IDOK)));
}

bool Waiting() {
    return !Enabled(IDOK) && !Enabled(IDCANCEL) && !Enabled(IDC_PASSWORD) && ProgressOpen() &&
           !IsWindowEnabled(g_passwordWindow);
}

bool Ready() {
    return Enabled(IDOK) && Enabled(IDCANCEL) && Enabled(IDC_PASSWORD) &&
           IsWindowEnabled(g_passwordWindow) && !ProgressOpen();
}

Step TypeAndPressOK(const std::string& password) {
    return {"the password window",
            [] { return PasswordWindowShown() && !guitest::FindMessageBox(); },
            [password] {
                TypePassword(password);
                PressOK();
            }};
}

INT_PTR RunPasswordWindow(std::vector<Step> steps) {
    StartScript(std::move(steps));
    CPasswordDlg dialog;
    const INT_PTR result = dialog.DoModal();
    EndScript();
    return result;
}

void CaseRight(const std::string& password) {
    const INT_PTR result = RunPasswordWindow({
        {"the password window", PasswordWindowShown,
         [] {
             ok(SendMessageW(PasswordBox(), EM_GETLIMITTEXT, 0, 0) == 16,
                "the password box takes 16 characters");
         }},
        {"the password window", [] { return !guitest::FindMessageBox(); },
         [password] {
             if (TypePassword(password) && password.size() == 16) {
                 // One byte past the array's limit: the box refuses it and
                 // what goes out is still the password as typed.
                 Type("x");
                 ok(win::AnsiFromWide(guitest::WindowText(PasswordBox())) == password,
                    "a 17th byte is refused");
             }
             PressOK();
         }},
    });
    const double elapsed = NowMs() - g_okAt;
    ok(result == IDOK, "the accepted password ends the window with IDOK (got %d)",
       static_cast<int>(result));
    // Datagrams for us that carry no verdict must leave the check waiting.
    ok(g_notificationsAtProgressClose == g_notifications,
       "the wait ended on the last of %u notifications (ended on number %u)", g_notifications,
       g_notificationsAtProgressClose);
    std::printf("verify round trip: %.1f ms from OK to IDOK (%u ticks)\n", elapsed, g_ticks);
}

void CaseWrong(const std::string& bad, const std::string& good) {
    const INT_PTR result = RunPasswordWindow({
        TypeAndPressOK(bad),
        {"the check waits", [] { return true; },
         [] { ok(Waiting(), "OK, Cancel, the password box and the window are disabled"); }},
        ExpectBox("Error", "Wrong password!",
                  [] {
                      ok(g_ticks < 100, "the verdict ends the wait early (tick %u)", g_ticks);
                      // The box disables its owner, the password window, itself.
                      ok(Enabled(IDOK) && Enabled(IDCANCEL) && Enabled(IDC_PASSWORD) &&
                             !ProgressOpen(),
                         "controls enabled and progress window closed under the box");
                  }),
        {"the box closed", [] { return !guitest::FindMessageBox(); },
         [] {
             ok(guitest::WindowText(PasswordBox()).empty(), "the password box is emptied");
             ok(Ready(), "the window is ready for another try");
         }},
        TypeAndPressOK(good),
        {"the second check waits", [] { return true; },
         [] { ok(Waiting() && g_ticks <= 1, "the second check waits from tick 0 again"); }},
    });
    ok(result == IDOK, "a fresh check with the right password gives IDOK (got %d)",
       static_cast<int>(result));
}

// Nothing accepted arrives: the window waits the whole 100 ticks, unchanged.
void CaseNoAnswer(const std::string& password, SOCKET heldPort) {
    std::vector<Step> steps = {TypeAndPressOK(password)};
    if (heldPort != INVALID_SOCKET)
        steps.push_back(ExpectBox("bind error", "Failed to bind CLIENT_PORT!\nError Code"));
    // A closing socket error box must leave the window disabled, as the
    // running check keeps it: else Esc would end a check that still runs.
    steps.push_back({"tick 60", [] { return g_ticks >= 60 && !guitest::FindMessageBox(); },
                     [] { ok(Waiting(), "still waiting at tick 60, window disabled"); }});
    steps.push_back(ExpectBox("password_lab", "Error server is not exist!!", [] {
        ok(g_ticks == 101, "the expiry comes on tick 101 (got %u)", g_ticks);
        ok(Ready(), "controls enabled and progress window closed at expiry");
    }));
    const INT_PTR result = RunPasswordWindow(std::move(steps));
    const double elapsed = NowMs() - g_okAt;
    ok(result == IDCANCEL, "no answer ends the window with IDCANCEL (got %d)",
       static_cast<int>(result));
    std::printf("expiry after %.0f ms\n", elapsed);
}

SOCKET HoldClientPort() {
    const SOCKET holder = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    local.sin_port = htons(CLIENT_PORT);
    const bool bound =
        bind(holder, reinterpret_cast<const sockaddr*>(&local), sizeof local) != SOCKET_ERROR;
    ok(bound, "the test holds port %u", CLIENT_PORT);
    return holder;
}

int ReceiveBufferOf(SOCKET socket) {
    int size = 0;
    int length = sizeof size;
    getsockopt(socket, SOL_SOCKET, SO_RCVBUF, reinterpret_cast<char*>(&size), &length);
    return size;
}

// Keeps the receive buffer that a fresh socket has, to measure what the
// larger buffer of the exchange buys.
class DefaultBufferIo : public WinsockIo {
public:
    using WinsockIo::WinsockIo;
    bool CreateReceiveSocket() override {
        const SOCKET fresh = socket(AF_INET, SOCK_DGRAM, 0);
        int size = ReceiveBufferOf(fresh);
        closesocket(fresh);
        if (!WinsockIo::CreateReceiveSocket())
            return false;
        setsockopt(ReceiveSocket(), SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char*>(&size),
                   sizeof size);
        return true;
    }
};

// A search exchange on a window of ours, as the search page runs one.
class ProbeWindow : public CDialog {
public:
    explicit ProbeWindow(bool defaultBuffer)
        : CDialog(IDD_CONFIRM), io_(defaultBuffer ? std::make_unique<DefaultBufferIo>(*this)
                                                  : std::make_unique<WinsockIo>(*this)),
          exchange_(*io_) {}
    std::vector<std::string> replies;
    double firstAt = 0, lastAt = 0;

protected:
    BOOL OnInitDialog() override {
        startedAt_ = NowMs();
        ok(exchange_.SendRequest(SEARCH_PROBE, SEARCH_TICK_LIMIT),
           "the probe went out with the receive socket ready");
        return CDialog::OnInitDialog();
    }
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (message == WM_PING_ASYNCH) {
            exchange_.OnPINGAsynch(WSAGETSELECTEVENT(lParam), WSAGETSELECTERROR(lParam),
                                   [this](const Reply& reply) {
                                       if (reply.command != "GETOK")
                                           return;
                                       lastAt = NowMs() - startedAt_;
                                       firstAt = replies.empty() ? lastAt : firstAt;
                                       replies.push_back(reply.payload);
                                   });
        } else if (message == WM_TIMER && wParam == IDT_EXCHANGE && exchange_.OnTick()) {
            exchange_.StopTimer();
            exchange_.CloseReceiveSocket();
            EndDialog(IDOK);
        }
        return CDialog::ProcessMessage(message, wParam, lParam, result);
    }

private:
    std::unique_ptr<WinsockIo> io_;
    Exchange exchange_;
    double startedAt_ = 0;
};

// A window that waits on an exchange whose socket error box stays open past
// the expiry: the expiry gives the window back, and the closing box must not
// take it away again.
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

void CaseExpiryInBox() {
    const SOCKET held = HoldClientPort();
    ShortWait window;
    window.Create();
    window.ShowWindow(SW_SHOW);
    StartScript({{"the bind box, open past the expiry",
                  [&] { return window.expired && guitest::FindMessageBox(); },
                  [] { guitest::CloseMessageBox(guitest::FindMessageBox()->window); }}});
    window.Start();
    EndScript();
    ok(window.IsWindowEnabled(), "the window is usable once the box is closed");
    window.DestroyWindow();
    closesocket(held);
}

void CaseProbe(const std::string& expected) {
    ProbeWindow window(false);
    window.DoModal();
    ok(std::to_string(window.replies.size()) == expected, "%s arrays answer the probe (got %zu)",
       expected.c_str(), window.replies.size());
    for (const std::string& settings : window.replies)
        ok(GetSetting(settings, "sys.hostname").size() > 0, "a reply carries settings: %.40s...",
           settings.c_str());
}

void CaseBurst(const std::string& buffer) {
    const SOCKET fresh = socket(AF_INET, SOCK_DGRAM, 0);
    std::printf("receive buffer of a fresh socket: %d bytes; ", ReceiveBufferOf(fresh));
    int large = 1 << 20;
    setsockopt(fresh, SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char*>(&large), sizeof large);
    std::printf("after asking for %d: %d bytes\n", large, ReceiveBufferOf(fresh));
    closesocket(fresh);

    ProbeWindow window(buffer == "default");
    window.DoModal();
    std::printf("burst with the %s receive buffer: %zu replies read, first at %.0f ms, last at "
                "%.0f ms\n",
                buffer.c_str(), window.replies.size(), window.firstAt, window.lastAt);
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
    g_reportedSettings = "sys.hostname=Q6-Store01&nwk.bootproto=none&nwk.ipaddr=10.77.1.1";

    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(win::AnsiFromWide(argv[i]));
    args.resize(std::max<std::size_t>(args.size(), 1));
    const std::string mode = args[0];
    const struct {
        const char* mode;
        std::size_t arguments;
        std::function<void()> run;
    } cases[] = {
        {"right", 2, [&] { CaseRight(args[1]); }},
        {"wrong", 3, [&] { CaseWrong(args[1], args[2]); }},
        {"noanswer", 2, [&] { CaseNoAnswer(args[1], INVALID_SOCKET); }},
        {"bound", 2, [&] { CaseNoAnswer(args[1], HoldClientPort()); }},
        {"boxexpiry", 1, CaseExpiryInBox},
        {"probe", 2, [&] { CaseProbe(args[1]); }},
        {"burst", 2, [&] { CaseBurst(args[1]); }},
    };
    const auto chosen = std::find_if(std::begin(cases), std::end(cases), [&](const auto& c) {
        return mode == c.mode && args.size() == c.arguments;
    });
    if (chosen == std::end(cases)) {
        std::printf("usage: password_lab right|wrong|noanswer|bound|boxexpiry|probe|burst ...\n");
        return 2;
    }
    const HHOOK counting =
        SetWindowsHookExW(WH_GETMESSAGE, CountMessages, nullptr, GetCurrentThreadId());
    const HHOOK watching =
        SetWindowsHookExW(WH_CALLWNDPROC, WatchProgressClose, nullptr, GetCurrentThreadId());
    // Named after the test that runs the case: the burst script picks its
    // figures out by the line's first word, "burst".
    guitest::RunTest(("lab_password_" + mode).c_str(), chosen->run);
    UnhookWindowsHookEx(watching);
    UnhookWindowsHookEx(counting);
    return guitest::Summary();
}
