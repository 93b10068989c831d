// The progress window: its owner, Enter and Esc, the percentage, the pump.
#include "app/progress_dlg.h"
#include "res/resource.h"
#include "tests/gui/gui_test.h"
#include "win/text.h"

namespace {

std::wstring PercentText(const CProgressDlg& progress) {
    wchar_t text[32] = {};
    GetDlgItemTextW(progress.m_hWnd, IDC_PROGRESS_PERCENT, text, 32);
    return text;
}

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

GUI_TEST(progress_disables_its_owner_until_closed) {
    CDialog owner(IDD_CONFIRM);
    owner.Create();
    owner.ShowWindow(SW_SHOW);
    CProgressDlg progress;
    ok(progress.Open(owner.m_hWnd), "expected Open to succeed");
    ok(progress.IsWindow() && progress.IsWindowVisible(), "expected the progress window shown");
    ok(!owner.IsWindowEnabled(), "expected the owner disabled while the progress window is open");
    ok(GetWindow(progress.m_hWnd, GW_OWNER) == owner.m_hWnd, "expected the progress window owned");
    ok(progress.GetWindowText() == win::LoadResourceString(IDS_SAVING),
       "expected the window text of string 105, got \"%s\"",
       guitest::Narrow(progress.GetWindowText()).c_str());
    ok(BarPosition(progress) == 0, "expected the bar at 0, got %d", BarPosition(progress));
    progress.DestroyWindow();
    ok(!progress.IsWindow(), "expected the progress window closed");
    ok(owner.IsWindowEnabled(), "expected the owner enabled again");
    owner.DestroyWindow();
}

GUI_TEST(progress_leaves_an_owner_it_did_not_disable) {
    CDialog owner(IDD_CONFIRM);
    owner.Create();
    owner.EnableWindow(FALSE);
    CProgressDlg progress;
    progress.Open(owner.m_hWnd);
    progress.DestroyWindow();
    ok(!owner.IsWindowEnabled(), "expected the owner still disabled, as Open found it");
    owner.DestroyWindow();
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

GUI_TEST(progress_percent_of_positions) {
    CProgressDlg progress;
    progress.Open(nullptr);
    const struct {
        int position;
        const wchar_t* text;
    } cases[] = {{40, L"40%"}, {100, L"100%"}, {110, L"10%"}, {0, L"0%"}, {160, L"60%"}};
    for (const auto& c : cases) {
        progress.SetPercent(c.position);
        ok(PercentText(progress) == c.text, "position %d: expected \"%s\", got \"%s\"", c.position,
           guitest::Narrow(c.text).c_str(), guitest::Narrow(PercentText(progress)).c_str());
    }
    progress.DestroyWindow();
}

GUI_TEST(progress_writes_the_percent_only_when_it_changes) {
    CProgressDlg progress;
    progress.Open(nullptr);
    const HWND percent = progress.GetDlgItem(IDC_PROGRESS_PERCENT);
    g_staticProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(percent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountingProc)));
    g_setTextCount = 0;
    progress.SetPercent(40);
    progress.SetPercent(40);
    progress.SetPercent(140);
    ok(g_setTextCount == 1, "expected one write for 40, 40 and 140, got %d", g_setTextCount);
    progress.SetPercent(50);
    ok(g_setTextCount == 2, "expected a second write for 50, got %d", g_setTextCount);
    progress.DestroyWindow();
}

GUI_TEST(progress_steps_wrap_like_the_bar) {
    CProgressDlg progress;
    progress.Open(nullptr);
    std::wstring seen;
    for (int tick = 1; tick <= 16; ++tick) {
        progress.Step();
        seen += PercentText(progress) + L" ";
    }
    const std::wstring expected =
        L"10% 20% 30% 40% 50% 60% 70% 80% 90% 100% 10% 20% 30% 40% 50% 60% ";
    ok(seen == expected, "expected \"%s\", got \"%s\"", guitest::Narrow(expected).c_str(),
       guitest::Narrow(seen).c_str());
    ok(BarPosition(progress) == 60, "expected the bar at 60, got %d", BarPosition(progress));
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

GUI_TEST(progress_pump_keeps_a_quit_request) {
    CProgressDlg progress;
    progress.Open(nullptr);
    PostQuitMessage(3);
    progress.PumpMessages();
    MSG message;
    const BOOL queued = PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    ok(queued && message.wParam == 3, "expected WM_QUIT(3) still queued after the pump");
    progress.DestroyWindow();
}

GUI_TEST(progress_destructor_enables_the_owner) {
    CDialog owner(IDD_CONFIRM);
    owner.Create();
    {
        CProgressDlg progress;
        progress.Open(owner.m_hWnd);
    }
    ok(owner.IsWindowEnabled(), "expected the owner enabled when the progress object ends");
    owner.DestroyWindow();
}

GUI_TEST(progress_opens_centred_over_its_owner) {
    CDialog owner(IDD_CONFIRM);
    owner.Create();
    owner.ShowWindow(SW_SHOW);
    CProgressDlg progress;
    progress.Open(owner.m_hWnd);
    RECT outer = {}, inner = {};
    GetWindowRect(owner.m_hWnd, &outer);
    GetWindowRect(progress.m_hWnd, &inner);
    const LONG dx = (outer.left + outer.right) / 2 - (inner.left + inner.right) / 2;
    const LONG dy = (outer.top + outer.bottom) / 2 - (inner.top + inner.bottom) / 2;
    ok(dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1,
       "expected the centres to meet, got an offset of %ld, %ld", dx, dy);
    progress.DestroyWindow();
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

GUI_TEST(progress_pump_hands_a_page_its_keys) {
    // Esc pressed on another open page while an exchange ticks: the page's
    // dialog manager must see it, as in any other loop.
    CDialog page(IDD_CONFIRM);
    page.Create();
    page.ShowWindow(SW_SHOW);
    CProgressDlg progress;
    progress.Open(nullptr);
    PostMessageW(page.GetDlgItem(IDOK), WM_KEYDOWN, VK_ESCAPE, 0);
    progress.PumpMessages();
    ok(!page.IsWindowVisible(), "expected Esc to hide the page during the pump");
    progress.DestroyWindow();
    page.DestroyWindow();
}
