// The yardsticks of the start-up measurement, one program built twice:
// - bare_dialog: shows one empty dialog and nothing else;
// - welcome_only (WELCOME_ONLY): what the wizard must do before its welcome
//   window is up (the common controls, Windows Sockets, the welcome template
//   with its font, picture and manifest, the window's two icons) and nothing
//   of the wizard's own, not even its function that registers the control
//   classes.
// Windows Sockets before the rest of the Windows headers.
#include <winsock2.h>

#include <windows.h>

#include <commctrl.h>

#include "res/resource.h"

#include <initializer_list>

namespace {

INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)
        EndDialog(window, 0);
#ifdef WELCOME_ONLY
    if (message == WM_INITDIALOG) {
        const HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME));
        for (const WPARAM size : {ICON_BIG, ICON_SMALL})
            SendMessageW(window, WM_SETICON, size, reinterpret_cast<LPARAM>(icon));
    }
#endif
    return message == WM_INITDIALOG;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
#ifdef WELCOME_ONLY
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_INTERNET_CLASSES |
                                                          ICC_DATE_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    return static_cast<int>(
        DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_WELCOME), nullptr, Proc, 0));
#else
    // A dialog template of no controls, 278 x 146 dialog units, visible.
    alignas(DWORD) WORD templ[16] = {};
    auto* dialog = reinterpret_cast<DLGTEMPLATE*>(templ);
    dialog->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME;
    dialog->cx = 278;
    dialog->cy = 146;
    return static_cast<int>(DialogBoxIndirectParamW(instance, dialog, nullptr, Proc, 0));
#endif
}
