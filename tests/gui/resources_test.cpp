// The compiled resources as the Windows loader sees them.
#include "res/resource.h"
#include "tests/gui/gui_test.h"

#include <string>

// The welcome picture shows at its size. The pages measure their fonts once:
// system-DPI-aware, never per-monitor. Wine ignores the manifest's setting, so
// the manifest is read as the loader reads it.
GUI_TEST(the_welcome_picture_shows_whole_and_the_process_is_system_dpi_aware) {
    const HWND welcome =
        CreateDialogW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_WELCOME), nullptr,
                      [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return 0; });
    const HWND picture = FindWindowExW(welcome, nullptr, L"Static", nullptr);
    RECT shown = {};
    GetClientRect(picture, &shown);
    BITMAP bitmap = {};
    GetObjectW(reinterpret_cast<HBITMAP>(SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0)),
               sizeof bitmap, &bitmap);
    ok(bitmap.bmWidth > 0 && shown.right == bitmap.bmWidth && shown.bottom == bitmap.bmHeight,
       "welcome picture of %ldx%ld shown at %ldx%ld", bitmap.bmWidth, bitmap.bmHeight, shown.right,
       shown.bottom);
    DestroyWindow(welcome);
    const HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(1), RT_MANIFEST);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
                               SizeofResource(nullptr, found));
    ok(manifest.find(">true</dpiAware>") != std::string::npos &&
           manifest.find("<dpiAwareness") == std::string::npos,
       "expected dpiAware true and no dpiAwareness");
}
