// The progress window: its owner, Enter and Esc, the pump.
#include "app/progress_dlg.h"
#include "res/resource.h"
#include "tests/gui/gui_test.h"

#include <cstring>

// Enter does nothing, Esc only hides the window, its owner still disabled; the
// window's end, however it comes, enables the owner only if Open disabled it.
GUI_TEST(progress_keeps_its_owner_disabled_until_closed) {
    for (const char* ending : {"close", "destructor", "owner gone"})
        for (const BOOL ownerEnabled : {TRUE, FALSE}) {
            CDialog owner(IDD_CONFIRM), next(IDD_CONFIRM);
            owner.Create();
            owner.ShowWindow(SW_SHOW);
            owner.EnableWindow(ownerEnabled);
            {
                CProgressDlg progress;
                progress.Open(owner.m_hWnd);
                guitest::PressKey(progress.m_hWnd, VK_RETURN);
                const bool shownAfterEnter = progress.IsWindowVisible();
                guitest::PressKey(progress.m_hWnd, VK_ESCAPE);
                ok(shownAfterEnter && progress.IsWindow() && !progress.IsWindowVisible() &&
                       !owner.IsWindowEnabled(),
                   "expected Enter to leave it shown, Esc to hide it, the owner disabled");
                if (std::strcmp(ending, "owner gone") == 0) {
                    owner.DestroyWindow(); // takes the progress window with it
                    next.Create();
                    next.EnableWindow(FALSE);
                    progress.Open(next.m_hWnd);
                }
                if (std::strcmp(ending, "destructor") != 0)
                    progress.DestroyWindow();
            }
            ok(owner.IsWindow() ? owner.IsWindowEnabled() == ownerEnabled : !next.IsWindowEnabled(),
               "%s: expected the owner as it was found", ending);
        }
}

// Esc on another page during a tick reaches its dialog manager; a quit request
// stays for the program's own loop.
GUI_TEST(progress_ticks_hand_a_page_its_keys_and_keep_a_quit_request) {
    CDialog page(IDD_CONFIRM);
    page.Create();
    page.ShowWindow(SW_SHOW);
    CProgressDlg progress;
    PostMessageW(page.GetDlgItem(IDOK), WM_KEYDOWN, VK_ESCAPE, 0);
    PostQuitMessage(3);
    progress.Step();
    MSG quit;
    ok(!page.IsWindowVisible() && PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) &&
           quit.wParam == 3,
       "expected Esc to hide the page during the tick, WM_QUIT(3) still queued");
}
