// The welcome window, the page frames and the confirmation, as the user meets them.
#include "app/app_objects.h"
#include "app/page_frame.h"
#include "app/page_moves.h"
#include "app/welcome_dlg.h"
#include "pages/confirm_dlg.h"
#include "res/resource.h"
#include "tests/gui/gui_test.h"
#include "win/text.h"

#include <vector>

namespace {

// The labels a page made at run time, in creation order.
std::vector<HWND> RuntimeLabels(HWND page) {
    std::vector<HWND> labels;
    for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetDlgCtrlID(child) == IDC_RUNTIME_LABEL)
            labels.push_back(child);
    return labels;
}

HFONT FontOf(HWND window) {
    return reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
}

} // namespace

GUI_TEST(welcome_loop_starts_step1_hides_it_on_esc_and_ends_on_exit) {
    CWelcomeDlg welcome;
    SetMainWnd(&welcome);
    bool shown = false, hidden = false;
    guitest::ScheduleSteps({
        [&] { SendMessageW(GetDlgItem(welcome.m_hWnd, IDC_START), BM_CLICK, 0, 0); },
        [&] {
            shown = g_searchPage.IsWindow() && g_searchPage.IsWindowVisible();
            PostMessageW(g_searchPage.GetDlgItem(IDOK), WM_KEYDOWN, VK_ESCAPE, 1);
        },
        [&] {
            hidden = g_searchPage.IsWindow() && !g_searchPage.IsWindowVisible();
            SendMessageW(GetDlgItem(welcome.m_hWnd, IDCANCEL), BM_CLICK, 0, 0);
        },
    });
    const INT_PTR result = welcome.DoModal();
    SetMainWnd(nullptr);
    ok(shown, "expected \"开始\" to open step 1 from inside the modal loop");
    ok(hidden, "expected Esc on step 1 to hide it while the welcome window is modal");
    ok(result == IDCANCEL, "expected \"退出\" to end with IDCANCEL, got %d", (int)result);
    ok(!welcome.IsWindow() && !g_searchPage.IsWindow(),
       "expected the welcome window and its pages gone");
}

GUI_TEST(a_page_made_again_replaces_its_fonts) {
    g_reviewPage.Create();
    const HFONT first = FontOf(RuntimeLabels(g_reviewPage.m_hWnd).at(0));
    g_reviewPage.DestroyWindow();
    g_reviewPage.Create();
    const HFONT second = FontOf(RuntimeLabels(g_reviewPage.m_hWnd).at(0));
    ok(GetObjectType(second) == OBJ_FONT, "expected the new heading font alive");
    ok(first == second || GetObjectType(first) == 0, "expected the earlier font deleted");
    g_reviewPage.DestroyWindow();
}

GUI_TEST(confirmation_enter_gives_ok_esc_and_cancel_give_cancel) {
    for (auto [key, expected] :
         {std::pair{VK_RETURN, IDOK}, {VK_ESCAPE, IDCANCEL}, {0, IDCANCEL}}) {
        CConfirmDlg confirm;
        guitest::ScheduleSteps({[&, key = key] {
            if (key == 0)
                SendMessageW(confirm.GetDlgItem(IDCANCEL), BM_CLICK, 0, 0);
            else
                PostMessageW(GetFocus() ? GetFocus() : confirm.m_hWnd, WM_KEYDOWN, key, 1);
        }});
        const INT_PTR result = confirm.DoModal();
        ok(result == expected, "key %d: expected %d, got %d", key, expected, (int)result);
    }
}

GUI_TEST(text_in_code_page_936) {
    ok(win::AnsiLength(L"IP 地址") == 7, "expected \"IP 地址\" 7 bytes long, got %d",
       win::AnsiLength(L"IP 地址"));
    const std::string bytes = win::AnsiFromWide(L"第一步");
    ok(bytes == "\xb5\xda\xd2\xbb\xb2\xbd", "expected the GBK bytes of \"第一步\"");
    ok(win::WideFromAnsi(bytes) == L"第一步", "expected the bytes to read back");
}

GUI_TEST(app_message_box_shows_8bit_text_under_the_application_name) {
    std::optional<guitest::MessageBoxSeen> seen;
    // Runs inside the message box's own loop: reads the box, then closes it.
    guitest::ScheduleSteps({[&] {
        if ((seen = guitest::FindMessageBox()))
            guitest::CloseMessageBox(seen->window);
    }});
    AppMessageBoxA("\xb3\xf5\xca\xbc\xbb\xaf\xca\xa7\xb0\xdc.", MB_OK); // "初始化失败." in 936
    ok(seen && seen->caption == L"shell_gui_tests" && seen->text == L"初始化失败.",
       "expected \"初始化失败.\" under the program's name, got \"%s\" / \"%s\"",
       seen ? guitest::Narrow(seen->caption).c_str() : "no box",
       seen ? guitest::Narrow(seen->text).c_str() : "");
}
