#include "app/welcome_dlg.h"
#include "res/resource.h"
#include "tests/gui/gui_test.h"

// The welcome picture shows whole: at 96 DPI at its own size, above that its frame's size.
GUI_TEST(the_welcome_picture_fills_its_frame) {
    CWelcomeDlg welcome([] {});
    welcome.Create();
    const HWND picture = FindWindowExW(welcome.m_hWnd, nullptr, L"Static", nullptr);
    RECT shown = {}, frame = {7, 6, 7 + 264, 6 + 119};
    GetClientRect(picture, &shown);
    MapDialogRect(welcome.m_hWnd, &frame);
    if (SystemDpi() == 96)
        frame = {0, 0, 528, 266};
    BITMAP bitmap = {};
    GetObjectW(reinterpret_cast<HBITMAP>(SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0)),
               sizeof bitmap, &bitmap);
    ok(bitmap.bmWidth == frame.right - frame.left && bitmap.bmHeight == frame.bottom - frame.top &&
           shown.right == bitmap.bmWidth && shown.bottom == bitmap.bmHeight,
       "welcome picture of %ldx%ld shown at %ldx%ld in a frame of %ldx%ld", bitmap.bmWidth,
       bitmap.bmHeight, shown.right, shown.bottom, frame.right - frame.left,
       frame.bottom - frame.top);
    welcome.DestroyWindow();
}
