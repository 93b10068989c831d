// The compiled resources as the Windows loader and dialog manager see them:
// texts arrive as the right UTF-16, every template builds its window, the
// welcome picture keeps its format, and the manifest makes the process
// system-DPI-aware.
#include "res/resource.h"
#include "tests/gui/gui_test.h"
#include "win/text.h"

#include <string>

static INT_PTR CALLBACK NoDialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

static HWND Make(int templateId) {
    return CreateDialogW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), nullptr,
                         NoDialogProc);
}

// Strings with Chinese, a line break and an escaped quote: what the resource
// compiler's code page and escapes could spoil.
GUI_TEST(resource_texts_arrive_as_written) {
    ok(win::LoadResourceString(IDS_SEARCHING) == L"正在搜索网络中的Q6网络存储阵.\n请稍后...",
       "string 104");
    const HWND confirm = Make(IDD_CONFIRM);
    ok(guitest::WindowText(GetDlgItem(confirm, IDC_CONFIRM_MESSAGE)) ==
           L"您将要更改设置.\r\n按\"确定\"保存新的设置.\r\n按\"取消\"保留之前的设置.",
       "confirmation text");
    DestroyWindow(confirm);
}

// A class name the dialog manager does not know, or a common control left
// unregistered (the pages' list, combo, address and date pickers), makes the
// creation fail.
GUI_TEST(every_template_builds_its_window) {
    for (int id : {IDD_WELCOME, IDD_PROGRESS, IDD_SEARCH_PAGE, IDD_NETWORK_PAGE, IDD_DATETIME_PAGE,
                   IDD_REVIEW_PAGE, IDD_PASSWORD, IDD_CONFIRM}) {
        const HWND dialog = Make(id);
        ok(dialog != nullptr, "template %d (error %lu)", id, GetLastError());
        DestroyWindow(dialog);
    }
}

// The welcome picture at its size and depth in its control.
GUI_TEST(welcome_picture_keeps_its_format) {
    const HWND welcome = Make(IDD_WELCOME);
    HWND picture = GetWindow(welcome, GW_CHILD);
    while (picture && (GetWindowLongW(picture, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP)
        picture = GetWindow(picture, GW_HWNDNEXT);
    RECT shown = {};
    GetClientRect(picture, &shown);
    const auto bitmap =
        static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_WELCOME),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    DIBSECTION dib = {};
    GetObjectW(bitmap, sizeof dib, &dib);
    ok(dib.dsBmih.biWidth == 528 && dib.dsBmih.biHeight == 266 && dib.dsBmih.biBitCount == 8 &&
           SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0) != 0 && shown.right == 528 &&
           shown.bottom == 266,
       "welcome bitmap %ldx%ld, %u bits, shown at %ldx%ld", dib.dsBmih.biWidth, dib.dsBmih.biHeight,
       dib.dsBmih.biBitCount, shown.right, shown.bottom);
    DeleteObject(bitmap);
    DestroyWindow(welcome);
}

// The text of the first <name ...>text</name> element; "-" when there is none.
static std::string Element(const std::string& xml, const std::string& name) {
    for (std::size_t at = xml.find("<" + name); at != std::string::npos;
         at = xml.find("<" + name, at + 1)) {
        const char next = xml[at + 1 + name.size()];
        if (next != ' ' && next != '>')
            continue;
        const std::size_t text = xml.find('>', at) + 1;
        return xml.substr(text, xml.find('<', text) - text);
    }
    return "-";
}

// The pages measure their fonts once, so the process must be system-DPI-aware:
// per-monitor awareness would rescale the template controls but not the
// pages' own. Windows 7 to 11 all read a bare dpiAware "true" so; a
// dpiAwareness element would override it from Windows 10 on. Wine gives every
// process per-monitor awareness whatever the manifest says, so the manifest is
// read here as the loader reads it.
GUI_TEST(manifest_makes_the_process_system_dpi_aware) {
    const HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(1), RT_MANIFEST);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
                               SizeofResource(nullptr, found));
    ok(manifest.find("Microsoft.Windows.Common-Controls") != std::string::npos &&
           manifest.find("asInvoker") != std::string::npos,
       "manifest lacks common controls 6 or asInvoker");
    const std::string aware = Element(manifest, "dpiAware");
    const std::string awareness = Element(manifest, "dpiAwareness");
    ok(aware == "true" && (awareness == "-" || awareness == "system"),
       "dpiAware \"%s\", dpiAwareness \"%s\"", aware.c_str(), awareness.c_str());
}
