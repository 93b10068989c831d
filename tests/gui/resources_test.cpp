// The compiled resources as the Windows loader and dialog manager see them.
#include "res/resource.h"
#include "tests/gui/gui_test.h"

#include <string>

// A class name the dialog manager does not know, or a common control left
// unregistered, makes the creation fail; the welcome picture shows at its size.
// The pages measure their fonts once: system-DPI-aware, never per-monitor. Wine
// ignores the manifest's setting, so the manifest is read as the loader reads it.
GUI_TEST(every_template_builds_its_window_and_the_process_is_system_dpi_aware) {
    for (int id : {IDD_WELCOME, IDD_PROGRESS, IDD_SEARCH_PAGE, IDD_NETWORK_PAGE, IDD_DATETIME_PAGE,
                   IDD_REVIEW_PAGE, IDD_PASSWORD, IDD_CONFIRM}) {
        const HWND dialog = CreateDialogW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), nullptr,
                                          [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return 0; });
        ok(dialog != nullptr, "template %d (error %lu)", id, GetLastError());
        if (id == IDD_WELCOME) {
            const HWND picture = FindWindowExW(dialog, nullptr, L"Static", nullptr);
            RECT shown = {};
            GetClientRect(picture, &shown);
            ok(SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0) != 0 && shown.right == 528 &&
                   shown.bottom == 266,
               "welcome picture shown at %ldx%ld", shown.right, shown.bottom);
        }
        DestroyWindow(dialog);
    }
    const HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(1), RT_MANIFEST);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
                               SizeofResource(nullptr, found));
    ok(manifest.find(">true</dpiAware>") != std::string::npos &&
           manifest.find("<dpiAwareness") == std::string::npos,
       "expected dpiAware true and no dpiAwareness");
}
