// Shows the wizard's windows one after another for screenshots, the welcome
// window first:
//   show_window.exe <signal folder> <template id>...
// For each window it prints "ready <id> <left> <top> <right> <bottom>" (screen
// pixels) once the window is painted, then waits until the file <id>.done
// appears in the signal folder (a Windows path), at most 60 seconds.
#include "app/app_objects.h"
#include "app/welcome_dlg.h"
#include "pages/confirm_dlg.h"
#include "pages/password_dlg.h"
#include "res/resource.h"
#include "win/text.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void PumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        PumpMessages();
        Sleep(20);
    }
}

// The real window classes, so the pages show their run-time labels in their
// fonts and colours. The welcome window stays open as the owner of the rest,
// as in the running wizard.
CWelcomeDlg welcome;
CPasswordDlg password;
CConfirmDlg confirm;

CDialog* Open(int id) {
    CDialog* window = nullptr;
    switch (id) {
    case IDD_WELCOME:
        window = &welcome;
        SetMainWnd(&welcome);
        break;
    case IDD_SEARCH_PAGE:
        window = &g_searchPage;
        break;
    case IDD_NETWORK_PAGE:
        window = &g_networkPage;
        break;
    case IDD_DATETIME_PAGE:
        window = &g_dateTimePage;
        break;
    case IDD_REVIEW_PAGE:
        window = &g_reviewPage;
        break;
    case IDD_PASSWORD:
        window = &password;
        break;
    case IDD_CONFIRM:
        window = &confirm;
        break;
    case IDD_PROGRESS:
        // An exchange under way, as the user sees it.
        if (!g_searchProgress.Open(welcome.m_hWnd))
            return nullptr;
        g_searchProgress.m_message.SetWindowText(win::LoadResourceString(IDS_SEARCHING));
        for (int tick = 0; tick < 4; ++tick)
            g_searchProgress.Step();
        return &g_searchProgress;
    default:
        return nullptr;
    }
    if (!window->IsWindow() && !window->Create())
        return nullptr;
    if (id != IDD_WELCOME)
        window->CenterWindow(welcome.m_hWnd);
    window->ShowWindow(SW_SHOW);
    ::UpdateWindow(window->m_hWnd);
    return window;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: show_window <signal folder> <template id>...\n");
        return 2;
    }
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                                          ICC_INTERNET_CLASSES |
                                                          ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    const std::wstring folder = argv[1];
    int failures = 0;
    for (int i = 2; i < argc; ++i) {
        const int id = _wtoi(argv[i]);
        CDialog* const dialog = Open(id);
        if (!dialog) {
            std::printf("failed %d\n", id);
            std::fflush(stdout);
            ++failures;
            continue;
        }
        PumpFor(500);
        RECT rect;
        GetWindowRect(dialog->m_hWnd, &rect);
        std::printf("ready %d %ld %ld %ld %ld\n", id, rect.left, rect.top, rect.right, rect.bottom);
        std::fflush(stdout);
        const std::wstring done = folder + L"\\" + std::to_wstring(id) + L".done";
        const DWORD start = GetTickCount();
        while (GetFileAttributesW(done.c_str()) == INVALID_FILE_ATTRIBUTES &&
               GetTickCount() - start < 60000)
            PumpFor(50);
        if (id != IDD_WELCOME)
            dialog->DestroyWindow();
    }
    return failures ? 1 : 0;
}
