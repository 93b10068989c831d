// The progress window: its owner, Enter and Esc, the percentage, the pump.
#include "app/progress_dlg.h"
#include "res/resource.h"
#include "tests/gui/gui_test.h"
#include "win/text.h"

namespace {

int BarPosition(const CProgressDlg& progress) {
    return static_cast<int>(
        SendDlgItemMessageW(progress.m_hWnd, IDC_PROGRESS_BAR, PBM_GETPOS, 0, 0));
}

// Counts the texts written into the percent control.
int g_setTextCount = 0;
WNDPROC g_staticProc = nullptr;
LRESULT CALLBACK CountingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT)
        ++g_setTextCount;
    return CallWindowProcW(g_staticProc, hwnd, message, wParam, lParam);
}

} // namespace

// Open disables the owner only if it was enabled, and closing (or the object's
// end) enables it again only then.
GUI_TEST(progress_disables_its_owner_until_closed) {
    for (const bool viaDestructor : {false, true})
        for (const BOOL ownerEnabled : {TRUE, FALSE}) {
            CDialog owner(IDD_CONFIRM);
            owner.Create();
            owner.EnableWindow(ownerEnabled);
            {
                CProgressDlg progress;
                ok(progress.Open(owner.m_hWnd) && progress.IsWindowVisible() &&
                       GetWindow(progress.m_hWnd, GW_OWNER) == owner.m_hWnd &&
                       !owner.IsWindowEnabled(),
                   "expected the progress window shown and owned, its owner disabled");
                if (!viaDestructor)
                    progress.DestroyWindow();
            }
            ok(owner.IsWindowEnabled() == ownerEnabled, "expected the owner %s again (%s)",
               ownerEnabled ? "enabled" : "disabled", viaDestructor ? "destructor" : "close");
            owner.DestroyWindow();
        }
}

GUI_TEST(progress_enter_does_nothing_and_esc_only_hides) {
    CDialog owner(IDD_CONFIRM);
    owner.Create();
    owner.ShowWindow(SW_SHOW);
    CProgressDlg progress;
    progress.Open(owner.m_hWnd);
    const HWND target = GetFocus() != nullptr && IsChild(progress.m_hWnd, GetFocus())
                            ? GetFocus()
                            : progress.m_hWnd;
    guitest::PressKey(target, VK_RETURN);
    ok(progress.IsWindow() && progress.IsWindowVisible(),
       "expected Enter to leave the window shown");

    guitest::PressKey(target, VK_ESCAPE);
    ok(progress.IsWindow(), "expected Esc to keep the window in existence");
    ok(!progress.IsWindowVisible(), "expected Esc to hide the window");
    ok(!owner.IsWindowEnabled(), "expected the owner still disabled after Esc");

    // The exchange goes on: a hidden window still steps.
    progress.Step();
    ok(BarPosition(progress) == 10, "expected the hidden bar to step to 10, got %d",
       BarPosition(progress));
    progress.DestroyWindow();
    ok(owner.IsWindowEnabled(), "expected closing to enable the owner");
    owner.DestroyWindow();
}

// The percentage of a position, as the bar shows it (110 is 10%), written
// only when its text changes; steps wrap like the bar.
GUI_TEST(progress_percent_of_positions_and_steps) {
    CProgressDlg progress;
    progress.Open(nullptr);
    const HWND percent = progress.GetDlgItem(IDC_PROGRESS_PERCENT);
    g_staticProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(percent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingProc)));
    const struct {
        int position;
        const wchar_t* text;
        int writes;
    } cases[] = {{40, L"40%", 1},  {40, L"40%", 1}, {140, L"40%", 1}, {100, L"100%", 2},
                 {110, L"10%", 3}, {0, L"0%", 4},   {200, L"0%", 4},  {160, L"60%", 5}};
    g_setTextCount = 0;
    for (const auto& c : cases) {
        progress.SetPercent(c.position);
        ok(guitest::WindowText(percent) == c.text && g_setTextCount == c.writes,
           "position %d: expected \"%s\" after %d writes, got \"%s\" after %d", c.position,
           guitest::Narrow(c.text).c_str(), c.writes,
           guitest::Narrow(guitest::WindowText(percent)).c_str(), g_setTextCount);
    }
    // The bar, untouched by the texts, wraps past 100 in sixteen steps of 10.
    for (int tick = 1; tick <= 16; ++tick)
        progress.Step();
    ok(guitest::WindowText(percent) == L"60%" && BarPosition(progress) == 60,
       "expected 60%% after the steps, got \"%s\" at %d",
       guitest::Narrow(guitest::WindowText(percent)).c_str(), BarPosition(progress));
    progress.DestroyWindow();
}

namespace {
CProgressDlg* g_closedByReply = nullptr;
void CALLBACK CloseProgress(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    g_closedByReply->DestroyWindow();
}
} // namespace

GUI_TEST(progress_step_stops_when_the_pump_closed_the_window) {
    CDialog owner(IDD_CONFIRM);
    owner.Create();
    CProgressDlg progress;
    progress.Open(owner.m_hWnd);
    g_closedByReply = &progress;
    // A handler run by the pump closes the window, as an ending reply does.
    SetTimer(nullptr, 0, 1, CloseProgress);
    Sleep(20);
    progress.Step();
    ok(!progress.IsWindow(), "expected the pump to have run the closing handler");
    ok(owner.IsWindowEnabled(), "expected the owner enabled by the close");
    progress.Step(); // closed: only pumps
    owner.DestroyWindow();
}

GUI_TEST(progress_gone_with_its_owner_forgets_it_disabled_it) {
    CProgressDlg progress;
    {
        CDialog first(IDD_CONFIRM);
        first.Create();
        progress.Open(first.m_hWnd);
        first.DestroyWindow(); // takes the owned progress window with it
    }
    ok(!progress.IsWindow(), "expected the progress window gone with its owner");
    CDialog second(IDD_CONFIRM);
    second.Create();
    second.EnableWindow(FALSE);
    progress.Open(second.m_hWnd);
    progress.DestroyWindow();
    ok(!second.IsWindowEnabled(), "expected an owner this Open did not disable left disabled");
    second.DestroyWindow();
}

// Esc pressed on another open page while an exchange ticks reaches that page's
// dialog manager, as in any other loop; a quit request stays for the loop
// that owns the program.
GUI_TEST(progress_pump_hands_a_page_its_keys_and_keeps_a_quit_request) {
    CDialog page(IDD_CONFIRM);
    page.Create();
    page.ShowWindow(SW_SHOW);
    CProgressDlg progress;
    progress.Open(nullptr);
    PostMessageW(page.GetDlgItem(IDOK), WM_KEYDOWN, VK_ESCAPE, 0);
    PostQuitMessage(3);
    progress.PumpMessages();
    ok(!page.IsWindowVisible(), "expected Esc to hide the page during the pump");
    MSG message;
    ok(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) && message.wParam == 3,
       "expected WM_QUIT(3) still queued after the pump");
    progress.DestroyWindow();
    page.DestroyWindow();
}
