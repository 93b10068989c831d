// The thin layer's dialog: creation order, refusal, lifetimes, modal and
// modeless ending, keyboard through the dialog manager.
#include "res/resource.h"
#include "tests/gui/gui_test.h"
#include "win/controls.h"
#include "win/dialog.h"

#include <stdexcept>
#include <string>

namespace {

// The confirmation template: small, with IDOK, IDCANCEL and a static.
class RecordingDialog : public CDialog {
public:
    explicit RecordingDialog(HWND parent = nullptr) : CDialog(IDD_CONFIRM, parent) {}

    std::string order;
    LRESULT createResult = 0;
    int initDialogCalls = 0;
    CStatic message;

protected:
    BOOL OnInitDialog() override {
        ++initDialogCalls;
        order += "I";
        return CDialog::OnInitDialog();
    }
    void DoDataExchange() override { DDX_Control(IDC_CONFIRM_MESSAGE, message); }
    bool ProcessMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (msg == WM_CREATE) {
            order += "C";
            if (Default(msg, wParam, lParam) == -1)
                order += "!";
            result = createResult;
            return true;
        }
        return CDialog::ProcessMessage(msg, wParam, lParam, result);
    }
};

} // namespace

// OnCreate runs before WM_INITDIALOG and can refuse the window; the object
// outlives its windows (destroyed from outside, as owned windows go with their
// owner), drops the handles, and makes a fresh window with its controls bound.
GUI_TEST(create_order_refusal_and_lifetime) {
    RecordingDialog dialog;
    dialog.createResult = -1;
    ok(!dialog.Create() && !dialog.IsWindow() && dialog.initDialogCalls == 0,
       "expected OnCreate's -1 to refuse the window before WM_INITDIALOG");
    dialog.createResult = 0;
    dialog.order.clear();
    ok(dialog.Create() && dialog.order == "CI" && dialog.message.IsWindow(),
       "expected WM_CREATE then WM_INITDIALOG binding control 1055, got \"%s\"",
       dialog.order.c_str());
    ok(!dialog.Create(), "expected Create to refuse while the window exists");
    const HWND first = dialog.m_hWnd, firstControl = dialog.message.m_hWnd;
    ::DestroyWindow(first);
    ok(!dialog.m_hWnd && !dialog.message.m_hWnd && !CDialog::FromHandle(first),
       "expected the handles cleared on WM_NCDESTROY");
    ok(dialog.Create() && dialog.message.IsWindow() && dialog.message.m_hWnd != firstControl,
       "expected a fresh window with its control bound again");
    dialog.DestroyWindow();
}

// Tab goes through the dialog manager; EndDialog only hides a modeless window.
GUI_TEST(modeless_window_takes_tab_and_end_dialog_only_hides_it) {
    RecordingDialog dialog;
    dialog.Create();
    dialog.ShowWindow(SW_SHOW);
    SetForegroundWindow(dialog.m_hWnd);
    SetFocus(dialog.GetDlgItem(IDOK));
    guitest::PressKey(dialog.GetDlgItem(IDOK), VK_TAB);
    ok(GetFocus() == dialog.GetDlgItem(IDCANCEL), "expected Tab to move from OK to Cancel");
    const HWND hwnd = dialog.m_hWnd;
    dialog.EndDialog(IDOK);
    guitest::Pump();
    ok(dialog.m_hWnd == hwnd && ::IsWindow(hwnd) && !::IsWindowVisible(hwnd),
       "expected the window hidden, still in existence");
    dialog.DestroyWindow();
}

// The owner is disabled while the modal loop runs, and left as it was found.
GUI_TEST(do_modal_disables_the_owner_and_gives_the_result) {
    for (const BOOL ownerEnabled : {TRUE, FALSE}) {
        RecordingDialog owner;
        owner.Create();
        owner.EnableWindow(ownerEnabled);
        RecordingDialog modal(owner.m_hWnd);
        bool ownerEnabledInside = true, modalVisibleInside = false;
        guitest::ScheduleSteps({[&] {
            ownerEnabledInside = owner.IsWindowEnabled();
            modalVisibleInside = modal.IsWindowVisible();
            modal.EndDialog(42);
        }});
        const INT_PTR result = modal.DoModal();
        ok(result == 42 && !ownerEnabledInside && modalVisibleInside && !modal.IsWindow(),
           "expected 42 from a shown modal window over a disabled owner, got %d", (int)result);
        ok(owner.IsWindowEnabled() == ownerEnabled, "expected the owner %s again",
           ownerEnabled ? "enabled" : "disabled");
        owner.DestroyWindow();
    }
}

GUI_TEST(a_quit_request_ends_the_modal_loop_and_stays_queued) {
    RecordingDialog modal;
    guitest::ScheduleSteps({[] { PostQuitMessage(7); }});
    const INT_PTR result = modal.DoModal();
    ok(result == -1, "expected -1 from a loop ended by WM_QUIT, got %d", (int)result);
    MSG message;
    const BOOL queued = PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    ok(queued && message.wParam == 7, "expected WM_QUIT(7) left for the outer loop");
}

namespace {

class ThrowingDialog : public CDialog {
public:
    ThrowingDialog() : CDialog(IDD_CONFIRM) {}

protected:
    BOOL OnInitDialog() override { throw std::runtime_error("handler failed on purpose"); }
};

} // namespace

// Run by the test below in a process of its own: it must not come back.
int ThrowInHandler() {
    ThrowingDialog dialog;
    dialog.Create();
    return 0;
}

GUI_TEST(an_exception_in_a_handler_ends_the_program_with_a_message) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring command = std::wstring(L"\"") + path + L"\" --throw-in-handler";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        ok(false, "expected the child process started, error %lu", GetLastError());
        return;
    }
    std::wstring shown;
    for (int i = 0; i < 400 && WaitForSingleObject(process.hProcess, 25) == WAIT_TIMEOUT; ++i) {
        if (const auto box = guitest::FindMessageBox(process.dwProcessId)) {
            shown = box->text;
            guitest::CloseMessageBox(box->window);
        }
    }
    DWORD exitCode = STILL_ACTIVE;
    GetExitCodeProcess(process.hProcess, &exitCode);
    if (exitCode == STILL_ACTIVE)
        TerminateProcess(process.hProcess, 99);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    ok(shown.find(L"handler failed on purpose") != std::wstring::npos,
       "expected a message naming the failure, got \"%s\"", guitest::Narrow(shown).c_str());
    ok(exitCode == EXIT_FAILURE, "expected the program to end with %d, got %lu", EXIT_FAILURE,
       exitCode);
}
