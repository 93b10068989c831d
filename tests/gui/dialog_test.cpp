// The thin layer's dialog: the modal loop, and exceptions at the window procedure.
#include "res/resource.h"
#include "tests/gui/gui_test.h"
#include "tests/gui/user_script.h"
#include "win/dialog.h"

#include <process.h>
#include <stdexcept>
#include <tuple>

// The modal loop disables its owner (with no parent, the page in front) and the main window,
// then leaves both as it found them; it hands another window its keys; a quit ends it, queued.
GUI_TEST(modal_loop_disables_its_owners_and_leaves_a_quit_request) {
    for (const auto& [parented, pageEnabled, quit] :
         {std::tuple{false, TRUE, false}, {true, FALSE, false}, {true, TRUE, true}}) {
        CDialog other(IDD_CONFIRM), main(IDD_CONFIRM), page(IDD_CONFIRM);
        other.Create();
        other.ShowWindow(SW_SHOW);
        main.Create();
        SetMainWnd(&main);
        page.Create();
        page.ShowWindow(SW_SHOW);
        SetActiveWindow(page.m_hWnd);
        page.EnableWindow(pageEnabled);
        CDialog modal(IDD_CONFIRM, parented ? page.m_hWnd : nullptr);
        bool mainInside = false, pageInside = true;
        guitest::StartScript({{"modal window shown", [&] { return modal.IsWindowVisible(); },
                               [&] {
                                   mainInside = main.IsWindowEnabled();
                                   pageInside = page.IsWindowEnabled();
                                   PostMessageW(other.GetDlgItem(IDOK), WM_KEYDOWN, VK_ESCAPE, 1);
                               }},
                              {"Esc hid the other window", [&] { return !other.IsWindowVisible(); },
                               [&] { quit ? PostQuitMessage(7) : modal.EndDialog(42); }}});
        const INT_PTR result = modal.DoModal();
        guitest::EndScript();
        MSG left;
        const bool quitLeft =
            PeekMessageW(&left, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) && left.wParam == 7;
        ok(result == (quit ? -1 : 42) && quitLeft == quit && !pageInside &&
               mainInside == parented && page.IsWindowEnabled() == pageEnabled &&
               main.IsWindowEnabled(),
           "parented %d, quit %d: result %d, quit left %d; inside the loop page %d, main %d",
           parented, quit, (int)result, quitLeft, pageInside, mainInside);
        SetMainWnd(nullptr);
    }
}

// Run by the test below in a process of its own: it must not come back.
int ThrowInHandler() {
    struct Throwing : CDialog {
        Throwing() : CDialog(IDD_CONFIRM) {}
        BOOL OnInitDialog() override { throw std::runtime_error("handler failed on purpose"); }
    } dialog;
    dialog.Create();
    return 0;
}

GUI_TEST(an_exception_in_a_handler_ends_the_program_with_a_message) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const auto child = reinterpret_cast<HANDLE>(
        _wspawnl(_P_NOWAIT, path, L"child", L"--throw-in-handler", nullptr));
    std::wstring shown;
    DWORD exitCode = STILL_ACTIVE;
    for (int i = 0; i < 400 && exitCode == STILL_ACTIVE; ++i) {
        Sleep(25);
        if (const auto box = guitest::FindMessageBox(GetProcessId(child))) {
            shown = box->text;
            guitest::CloseMessageBox(box->window);
        }
        GetExitCodeProcess(child, &exitCode);
    }
    TerminateProcess(child, 99); // in case it hangs
    CloseHandle(child);
    ok(shown.find(L"handler failed on purpose") != std::wstring::npos && exitCode == EXIT_FAILURE,
       "expected a message naming the failure and exit code 1, got \"%s\" and %lu",
       guitest::Narrow(shown).c_str(), exitCode);
}
