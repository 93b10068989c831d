// The yardstick of the start-up measurement: a Win32 program that shows one
// empty dialog and nothing else, linked as the wizard is.
#include <windows.h>

namespace {

INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)
        EndDialog(window, 0);
    return message == WM_INITDIALOG;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    // A dialog template of no controls, 278 x 146 dialog units, visible.
    alignas(DWORD) WORD templ[16] = {};
    auto* dialog = reinterpret_cast<DLGTEMPLATE*>(templ);
    dialog->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME;
    dialog->cx = 278;
    dialog->cy = 146;
    return static_cast<int>(DialogBoxIndirectParamW(instance, dialog, nullptr, Proc, 0));
}
