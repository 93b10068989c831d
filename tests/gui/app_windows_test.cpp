// How Windows shows the application's own boxes, its modal windows and its
// coloured buttons.
#include "app/color_controls.h"
#include "pages/confirm_dlg.h"
#include "res/resource.h"
#include "tests/gui/gui_test.h"

#include <uxtheme.h>

namespace {

// The icon a message box shows, or null when it shows none.
HICON BoxIcon(HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child))
            return reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
    }
    return nullptr;
}

} // namespace

GUI_TEST(app_message_boxes_bear_the_icon_their_buttons_call_for) {
    const struct {
        UINT type;
        const wchar_t* icon; // null: none
    } cases[] = {
        {MB_OK, IDI_EXCLAMATION},
        {MB_OKCANCEL, IDI_EXCLAMATION},
        {MB_YESNO, IDI_QUESTION},
        {MB_YESNOCANCEL, IDI_QUESTION},
        {MB_OK | MB_ICONINFORMATION, IDI_ASTERISK},
        {MB_RETRYCANCEL, nullptr},
    };
    for (const auto& c : cases) {
        HICON shown = nullptr;
        guitest::ScheduleSteps({[&] {
            if (const auto box = guitest::FindMessageBox()) {
                shown = BoxIcon(box->window);
                guitest::CloseMessageBox(box->window);
            }
        }});
        AppMessageBoxA("text", c.type);
        const HICON expected = c.icon ? LoadIconW(nullptr, c.icon) : nullptr;
        ok(shown == expected, "type %#x: icon %p, expected %p", c.type, shown, expected);
    }
}

GUI_TEST(modal_window_without_parent_disables_the_main_window_too) {
    // The main window and a page in front of it, as while step 1 asks for the password.
    CConfirmDlg main;
    CConfirmDlg page;
    main.Create();
    SetMainWnd(&main);
    page.Create();
    page.ShowWindow(SW_SHOW);
    SetActiveWindow(page.m_hWnd);
    bool mainEnabled = true, pageEnabled = true;
    CConfirmDlg modal;
    guitest::ScheduleSteps({[&] {
        mainEnabled = main.IsWindowEnabled();
        pageEnabled = page.IsWindowEnabled();
        SendMessageW(modal.GetDlgItem(IDCANCEL), BM_CLICK, 0, 0);
    }});
    modal.DoModal();
    ok(!mainEnabled && !pageEnabled, "main window enabled %d, page enabled %d during the loop",
       mainEnabled, pageEnabled);
    ok(main.IsWindowEnabled() && page.IsWindowEnabled(), "both enabled again afterwards");
    SetMainWnd(nullptr);
    page.DestroyWindow();
    main.DestroyWindow();
}

// A themed button draws its text in the theme's colour, whatever colour the
// page gives it.
GUI_TEST(coloured_buttons_draw_unthemed) {
    CConfirmDlg dialog;
    dialog.Create();
    CColorButton coloured;
    coloured.Create(L"group", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, {0, 0, 50, 50}, dialog, 500);
    const HWND plain = dialog.GetDlgItem(IDOK);
    ok(GetWindowTheme(plain) != nullptr, "the test runs with a visual style");
    ok(GetWindowTheme(coloured.m_hWnd) == nullptr, "the coloured button has no theme");
    dialog.DestroyWindow();
}
