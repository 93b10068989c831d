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

struct Label {
    HWND hwnd;
    std::wstring text;
    HFONT font;
};

// The labels a page made at run time, in creation order.
std::vector<Label> RuntimeLabels(HWND page) {
    std::vector<Label> labels;
    for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) != IDC_RUNTIME_LABEL)
            continue;
        wchar_t text[256] = {};
        GetWindowTextW(child, text, 256);
        labels.push_back(
            {child, text, reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0))});
    }
    return labels;
}

} // namespace

GUI_TEST(welcome_window_bears_its_icon) {
    CWelcomeDlg welcome;
    welcome.Create();
    const HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME));
    ok(icon != nullptr, "expected icon 128 in the resources");
    ok(reinterpret_cast<HICON>(welcome.SendMessage(WM_GETICON, ICON_BIG)) == icon,
       "expected the big icon set");
    ok(reinterpret_cast<HICON>(welcome.SendMessage(WM_GETICON, ICON_SMALL)) == icon,
       "expected the small icon set");
    ok(reinterpret_cast<HICON>(welcome.SendMessage(WM_QUERYDRAGICON)) == icon,
       "expected the icon for dragging");
    welcome.DestroyWindow();
}

GUI_TEST(welcome_exit_ends_the_modal_run) {
    CWelcomeDlg welcome;
    SetMainWnd(&welcome);
    bool startedStep1 = false;
    guitest::ScheduleSteps({
        [&] { SendMessageW(GetDlgItem(welcome.m_hWnd, IDC_START), BM_CLICK, 0, 0); },
        [&] {
            startedStep1 = g_searchPage.IsWindow() && g_searchPage.IsWindowVisible();
            SendMessageW(GetDlgItem(welcome.m_hWnd, IDCANCEL), BM_CLICK, 0, 0);
        },
    });
    const INT_PTR result = welcome.DoModal();
    SetMainWnd(nullptr);
    ok(startedStep1, "expected \"开始\" to open step 1 from inside the modal loop");
    ok(result == IDCANCEL, "expected \"退出\" to end with IDCANCEL, got %d", (int)result);
    ok(!welcome.IsWindow() && !g_searchPage.IsWindow(),
       "expected the welcome window and its pages gone");
}

GUI_TEST(esc_on_a_page_works_inside_the_welcome_loop) {
    CWelcomeDlg welcome;
    SetMainWnd(&welcome);
    bool hidden = false;
    guitest::ScheduleSteps({
        [&] { SendMessageW(GetDlgItem(welcome.m_hWnd, IDC_START), BM_CLICK, 0, 0); },
        [&] { PostMessageW(g_searchPage.GetDlgItem(IDOK), WM_KEYDOWN, VK_ESCAPE, 1); },
        [&] {
            hidden = g_searchPage.IsWindow() && !g_searchPage.IsWindowVisible();
            welcome.EndDialog(IDCANCEL);
        },
    });
    welcome.DoModal();
    SetMainWnd(nullptr);
    ok(hidden, "expected Esc on step 1 to hide it while the welcome window is modal");
}

GUI_TEST(page_frames_show_heading_and_title) {
    struct Frame {
        CDialog* page;
        UINT heading;
        UINT title;
    } frames[] = {{&g_searchPage, IDS_STEP1_HEADING, IDS_STEP1_TITLE},
                  {&g_networkPage, IDS_STEP2_HEADING, IDS_STEP2_TITLE},
                  {&g_dateTimePage, IDS_STEP3_HEADING, IDS_STEP3_TITLE},
                  {&g_reviewPage, IDS_STEP4_HEADING, IDS_STEP4_TITLE}};
    for (const Frame& frame : frames) {
        ok(frame.page->Create(), "template %u: expected the page created",
           frame.page->TemplateId());
        const std::vector<Label> labels = RuntimeLabels(frame.page->m_hWnd);
        ok(labels.size() >= 2, "template %u: expected heading and title, found %zu labels",
           frame.page->TemplateId(), labels.size());
        if (labels.size() >= 2) {
            const std::wstring heading = win::LoadResourceString(frame.heading);
            const std::wstring title = win::LoadResourceString(frame.title);
            ok(labels[0].text == heading && labels[1].text == title,
               "template %u: expected \"%s\" and \"%s\", got \"%s\" and \"%s\"",
               frame.page->TemplateId(), guitest::Narrow(heading).c_str(),
               guitest::Narrow(title).c_str(), guitest::Narrow(labels[0].text).c_str(),
               guitest::Narrow(labels[1].text).c_str());
            ok(labels[0].font != nullptr && labels[1].font != nullptr &&
                   labels[0].font != labels[1].font,
               "template %u: expected the heading and title in fonts of their own",
               frame.page->TemplateId());
            RECT heading_rect = {}, title_rect = {};
            GetWindowRect(labels[0].hwnd, &heading_rect);
            GetWindowRect(labels[1].hwnd, &title_rect);
            ok(heading_rect.right > heading_rect.left && title_rect.left > heading_rect.left,
               "template %u: expected the title to the right of the heading's start",
               frame.page->TemplateId());
        }
        frame.page->DestroyWindow();
    }
}

GUI_TEST(a_page_made_again_replaces_its_fonts) {
    g_reviewPage.Create();
    const HFONT first = RuntimeLabels(g_reviewPage.m_hWnd).at(0).font;
    g_reviewPage.DestroyWindow();
    g_reviewPage.Create();
    const HFONT second = RuntimeLabels(g_reviewPage.m_hWnd).at(0).font;
    ok(GetObjectType(second) == OBJ_FONT, "expected the new heading font alive");
    ok(first == second || GetObjectType(first) == 0, "expected the earlier font deleted");
    g_reviewPage.DestroyWindow();
}

GUI_TEST(point_fonts_follow_the_screen_resolution) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    for (int tenths : {220, 150, 110, 100}) {
        CFont font;
        font.CreatePointFont(tenths, kPageFace);
        LOGFONTW info = {};
        GetObjectW(font.GetSafeHandle(), sizeof(info), &info);
        ok(info.lfHeight == -(dpi * tenths / 720),
           "%d tenths at %d dpi: expected height %d, got %ld", tenths, dpi, -(dpi * tenths / 720),
           info.lfHeight);
    }
}

GUI_TEST(confirmation_enter_gives_ok_and_esc_gives_cancel) {
    CConfirmDlg enter;
    guitest::ScheduleSteps(
        {[&] { PostMessageW(GetFocus() ? GetFocus() : enter.m_hWnd, WM_KEYDOWN, VK_RETURN, 1); }});
    const INT_PTR onEnter = enter.DoModal();
    ok(onEnter == IDOK, "expected Enter to give IDOK, got %d", (int)onEnter);

    CConfirmDlg escape;
    guitest::ScheduleSteps(
        {[&] { PostMessageW(GetFocus() ? GetFocus() : escape.m_hWnd, WM_KEYDOWN, VK_ESCAPE, 1); }});
    const INT_PTR onEscape = escape.DoModal();
    ok(onEscape == IDCANCEL, "expected Esc to give IDCANCEL, got %d", (int)onEscape);

    CConfirmDlg cancel;
    guitest::ScheduleSteps({[&] { SendMessageW(cancel.GetDlgItem(IDCANCEL), BM_CLICK, 0, 0); }});
    const INT_PTR onCancel = cancel.DoModal();
    ok(onCancel == IDCANCEL, "expected \"取消\" to give IDCANCEL, got %d", (int)onCancel);
}

GUI_TEST(text_in_code_page_936) {
    const std::wstring heading = win::LoadResourceString(IDS_STEP1_HEADING);
    ok(heading == L"第一步", "expected string 107 \"第一步\", got \"%s\"",
       guitest::Narrow(heading).c_str());
    ok(win::AnsiLength(L"IP 地址") == 7, "expected \"IP 地址\" 7 bytes long, got %d",
       win::AnsiLength(L"IP 地址"));
    const std::string bytes = win::AnsiFromWide(L"第一步");
    ok(bytes == "\xb5\xda\xd2\xbb\xb2\xbd", "expected the GBK bytes of \"第一步\"");
    ok(win::WideFromAnsi(bytes) == L"第一步", "expected the bytes to read back");
    ok(win::LoadResourceString(106).empty(), "expected no string 106");
}

GUI_TEST(app_message_box_shows_8bit_text_under_the_application_name) {
    std::optional<guitest::MessageBoxSeen> seen;
    // Runs inside the message box's own loop: reads the box, then closes it.
    guitest::ScheduleSteps({[&] {
        seen = guitest::FindMessageBox();
        if (seen)
            guitest::CloseMessageBox(seen->window);
    }});
    // "初始化失败." in code page 936.
    AppMessageBoxA("\xb3\xf5\xca\xbc\xbb\xaf\xca\xa7\xb0\xdc.", MB_OK);
    ok(seen.has_value(), "expected a message box");
    if (!seen)
        return;
    ok(seen->caption == L"shell_gui_tests", "expected the program's name as caption, got \"%s\"",
       guitest::Narrow(seen->caption).c_str());
    ok(seen->text == L"初始化失败.", "expected \"初始化失败.\", got \"%s\"",
       guitest::Narrow(seen->text).c_str());
}
