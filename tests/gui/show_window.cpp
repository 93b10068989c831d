// Shows windows one after another for screenshots:
//   show_window.exe <signal folder> <template id>...
// For each window it prints "ready <id> <left> <top> <right> <bottom>" (screen
// pixels) once the window is painted, then waits until the file <id>.done
// appears in the signal folder (a Windows path), at most 60 seconds.
#include "res/resource.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

INT_PTR CALLBACK NoDialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

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

HWND Open(int id) {
    const HWND window = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), nullptr,
                                           NoDialogProc, 0);
    if (!window)
        return nullptr;
    if (id == IDD_PROGRESS) {
        // An exchange under way, as the user sees it.
        wchar_t text[256] = {};
        LoadStringW(nullptr, IDS_SEARCHING, text, 256);
        SetDlgItemTextW(window, IDC_PROGRESS_MESSAGE, text);
        SendDlgItemMessageW(window, IDC_PROGRESS_BAR, PBM_SETPOS, 40, 0);
    }
    RECT rect;
    GetWindowRect(window, &rect);
    SetWindowPos(window, HWND_TOP, (GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - (rect.bottom - rect.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_SHOWWINDOW);
    UpdateWindow(window);
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
        const HWND window = Open(id);
        if (!window) {
            std::printf("failed %d\n", id);
            std::fflush(stdout);
            ++failures;
            continue;
        }
        PumpFor(500);
        RECT rect;
        GetWindowRect(window, &rect);
        std::printf("ready %d %ld %ld %ld %ld\n", id, rect.left, rect.top, rect.right, rect.bottom);
        std::fflush(stdout);
        const std::wstring done = folder + L"\\" + std::to_wstring(id) + L".done";
        const DWORD start = GetTickCount();
        while (GetFileAttributesW(done.c_str()) == INVALID_FILE_ATTRIBUTES &&
               GetTickCount() - start < 60000)
            PumpFor(50);
        DestroyWindow(window);
    }
    return failures ? 1 : 0;
}
