// The compiled resources as the Windows loader and dialog manager see them:
// texts arrive as the right UTF-16, every template builds its window, the
// pictures keep their formats, and
// the manifest makes the process system-DPI-aware.
#include "res/resource.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

int failures = 0;

#define CHECK(cond, ...)                                                                           \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            ++failures;                                                                            \
            std::printf("FAIL %s:%d: %s: ", __FILE__, __LINE__, #cond);                            \
            std::printf(__VA_ARGS__);                                                              \
            std::printf("\n");                                                                     \
        }                                                                                          \
    } while (0)

std::wstring Text(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

INT_PTR CALLBACK NoDialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

HWND Make(int templateId) {
    return CreateDialogW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), nullptr,
                         NoDialogProc);
}

// Strings with Chinese, a line break and an escaped quote: what the resource
// compiler's code page and escapes could spoil.
void TestTexts() {
    wchar_t text[256] = {};
    LoadStringW(nullptr, IDS_SEARCHING, text, 256);
    CHECK(std::wcscmp(text, L"正在搜索网络中的Q6网络存储阵.\n请稍后...") == 0, "string 104");
    const HWND confirm = Make(IDD_CONFIRM);
    CHECK(Text(GetDlgItem(confirm, IDC_CONFIRM_MESSAGE)) ==
              L"您将要更改设置.\r\n按\"确定\"保存新的设置.\r\n按\"取消\"保留之前的设置.",
          "confirmation text");
    DestroyWindow(confirm);
}

// A class name the dialog manager does not know, or a common control left
// unregistered (the pages' list, combo, address and date pickers), makes the
// creation fail.
void TestTemplates() {
    for (int id : {IDD_WELCOME, IDD_PROGRESS, IDD_SEARCH_PAGE, IDD_NETWORK_PAGE, IDD_DATETIME_PAGE,
                   IDD_REVIEW_PAGE, IDD_PASSWORD, IDD_CONFIRM}) {
        const HWND dialog = Make(id);
        CHECK(dialog != nullptr, "template %d (error %lu)", id, GetLastError());
        DestroyWindow(dialog);
    }
}

// The welcome picture at its size in its control, and the icon's two images.
void TestPictures() {
    const HWND welcome = Make(IDD_WELCOME);
    CHECK(Text(welcome) == L"Arvex-网络存储阵安装配置工具 v1.10", "welcome caption");
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
    CHECK(dib.dsBmih.biWidth == 528 && dib.dsBmih.biHeight == 266 && dib.dsBmih.biBitCount == 8 &&
              SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0) != 0 && shown.right == 528 &&
              shown.bottom == 266,
          "welcome bitmap %ldx%ld, %u bits, shown at %ldx%ld", dib.dsBmih.biWidth,
          dib.dsBmih.biHeight, dib.dsBmih.biBitCount, shown.right, shown.bottom);
    DeleteObject(bitmap);
    DestroyWindow(welcome);

    // The icon directory: a 6-byte header, then 14-byte entries (width, height,
    // colours, reserved, planes, bits per pixel, ...).
    const HRSRC group = FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_MAINFRAME), RT_GROUP_ICON);
    const auto* entries = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, group)));
    std::string images;
    for (int i = 0; entries && i < entries[4]; ++i)
        images +=
            std::to_string(entries[6 + 14 * i]) + "/" + std::to_string(entries[12 + 14 * i]) + " ";
    CHECK(images == "32/4 16/4 ", "icon images (size/bits) %s", images.c_str());
}

// The text of the first <name ...>text</name> element; "-" when there is none.
std::string Element(const std::string& xml, const std::string& name) {
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
void TestManifest() {
    const HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(1), RT_MANIFEST);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(nullptr, found))),
                               SizeofResource(nullptr, found));
    CHECK(manifest.find("Microsoft.Windows.Common-Controls") != std::string::npos &&
              manifest.find("asInvoker") != std::string::npos,
          "manifest lacks common controls 6 or asInvoker");
    const std::string aware = Element(manifest, "dpiAware");
    const std::string awareness = Element(manifest, "dpiAwareness");
    CHECK(aware == "true" && (awareness == "-" || awareness == "system"),
          "dpiAware \"%s\", dpiAwareness \"%s\"", aware.c_str(), awareness.c_str());
}

} // namespace

int wmain() {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                                          ICC_INTERNET_CLASSES |
                                                          ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    TestTexts();
    TestTemplates();
    TestPictures();
    TestManifest();
    std::printf("%s: %d failure(s)\n", failures ? "FAILED" : "passed", failures);
    return failures ? 1 : 0;
}
