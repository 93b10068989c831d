// Checks the compiled resources through the Windows loader and dialog manager:
// the texts must arrive as the right UTF-16, every template must create its
// window with real controls, and the pictures must have their fixed formats.
#include "res/resource.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstring>
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

std::string Narrow(const std::wstring& text) {
    std::string out(text.size() * 4 + 1, '\0');
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                      out.data(), static_cast<int>(out.size()), nullptr, nullptr);
    out.resize(n > 0 ? n : 0);
    return out;
}

// ---------------------------------------------------------------- strings

struct StringEntry {
    UINT id;
    const wchar_t* text;
};

const StringEntry kStrings[] = {
    {103, L"初始化失败."},
    {104, L"正在搜索网络中的Q6网络存储阵.\n请稍后..."},
    {105, L"保存新的设置.\n请稍后..."},
    {107, L"第一步"},
    {108, L"搜索Q6网络存储阵"},
    {109, L"    如果您有一个Q6网络存阵，您可以进行以下设置的更改。如果你有多个Q6网络存储阵，"
          L"您需要运行安装安装配置工具配置每个单独的网络存储阵。"},
    {110, L"设备名称"},
    {111, L"IP 地址"},
    {112, L"子网掩码"},
    {113, L"默认网关"},
    {117, L"选择"},
    {118, L"第二步."},
    {119, L"IP 设置"},
    {120, L"手动设置IP配置"},
    {121, L"自动获取 IP 地址 (DHCP)"},
    {122, L"网关"},
    {123, L"IP地址必须和服务器相同网段."},
    {124, L"IP 地址"},
    {125, L"子网掩码"},
    {126, L"第三步."},
    {127, L"日期和时间"},
    {128, L"时区"},
    {129, L"日期"},
    {130, L"时间"},
    {132, L"第四步."},
    {133, L"设置确认"},
    {134, L"设备名称"},
    {135, L"IP 地址"},
    {136, L"子网掩码"},
    {137, L"默认网关"},
    {138, L"IP 状态"},
    {139, L"日期"},
    {140, L"时间"},
    {141, L"之前配置"},
    {142, L"新的配置"},
    {143, L"DNS 地址"},
    {144, L"等待验证..."},
    {145, L"设备名称"},
    {146, L"DNS 地址"},
    {147, L"MAC 地址"},
};

void TestStrings() {
    for (const StringEntry& entry : kStrings) {
        wchar_t buffer[512] = {};
        const int n = LoadStringW(nullptr, entry.id, buffer, 512);
        CHECK(n == static_cast<int>(std::wcslen(entry.text)) &&
                  std::wcscmp(buffer, entry.text) == 0,
              "string %u is \"%s\"", entry.id, Narrow(buffer).c_str());
    }
    // The pages take their labels' widths from the text's length in code page
    // 936, two bytes per Chinese character: the texts must survive that trip.
    char narrow[64] = {};
    wchar_t buffer[64] = {};
    LoadStringW(nullptr, IDS_STEP2_IPADDR, buffer, 64);
    CHECK(WideCharToMultiByte(936, 0, buffer, -1, narrow, 64, nullptr, nullptr) == 8,
          "\"IP 地址\" takes %d bytes with its terminator",
          static_cast<int>(std::strlen(narrow)) + 1);
    for (UINT unused : {106u, 114u, 115u, 116u, 131u, 148u})
        CHECK(LoadStringW(nullptr, unused, buffer, 64) == 0, "string %u exists", unused);
}

// ---------------------------------------------------------------- templates

struct ControlSpec {
    int id;
    const wchar_t* className;
    const wchar_t* text;
};

struct DialogSpec {
    int id;
    const wchar_t* caption;
    std::vector<ControlSpec> controls;
};

const std::vector<DialogSpec>& Dialogs() {
    static const std::vector<DialogSpec> dialogs = {
        {IDD_WELCOME,
         L"Arvex-网络存储阵安装配置工具 v1.10",
         {{IDC_START, L"Button", L"开始"}, {IDCANCEL, L"Button", L"退出"}}},
        {IDD_PROGRESS,
         L"",
         {{IDCANCEL, L"Button", L"取消"},
          {IDC_PROGRESS_BAR, PROGRESS_CLASSW, L""},
          {IDC_PROGRESS_PERCENT, L"Static", L" 0 %"},
          {IDC_PROGRESS_MESSAGE, L"Static", L""}}},
        {IDD_SEARCH_PAGE,
         L"Arvex-网络存储阵安装配置安装向导(步骤 1)",
         {{IDC_SEARCH_AGAIN, L"Button", L"再次搜索"},
          {IDOK, L"Button", L"确定"},
          {IDC_SEARCH_EXIT, L"Button", L"退出"},
          {IDC_DEVICE_LIST, L"ListBox", L""}}},
        {IDD_NETWORK_PAGE,
         L"Arvex-网络存储阵安装配置安装向导(步骤 2)",
         {{IDC_HOSTNAME, L"Edit", L""},
          {IDC_IPADDR, WC_IPADDRESSW, L""},
          {IDC_NETMASK, WC_IPADDRESSW, L""},
          {IDC_GATEWAY, WC_IPADDRESSW, L""},
          {IDC_DNS, WC_IPADDRESSW, L""},
          {IDC_NETWORK_BACK, L"Button", L"上一步"},
          {IDC_NETWORK_NEXT, L"Button", L"下一步"}}},
        {IDD_DATETIME_PAGE,
         L"Arvex-网络存储阵安装配置安装向导(步骤3)",
         {{IDC_TIMEZONE, L"ComboBox", L""},
          {IDC_DATE, DATETIMEPICK_CLASSW, L""},
          {IDC_TIME, DATETIMEPICK_CLASSW, L""},
          {IDC_NTP_SERVER, L"ComboBox", L""},
          {IDC_DATETIME_BACK, L"Button", L"上一步"},
          {IDC_DATETIME_NEXT, L"Button", L"下一步"}}},
        {IDD_REVIEW_PAGE,
         L"Arvex-网络存储阵安装配置安装向导(步骤4)",
         {{IDC_SAVE, L"Button", L"保存"}, {IDC_REVIEW_BACK, L"Button", L"上一步"}}},
        {IDD_PASSWORD,
         L"验证管理员密码",
         {{IDC_PASSWORD, L"Edit", L""},
          {IDOK, L"Button", L"确定"},
          {IDCANCEL, L"Button", L"取消"}}},
        {IDD_CONFIRM,
         L"",
         {{IDOK, L"Button", L"确定"},
          {IDC_CONFIRM_MESSAGE, L"Static",
           L"您将要更改设置.\r\n按\"确定\"保存新的设置.\r\n按\"取消\"保留之前的设置."},
          {IDCANCEL, L"Button", L"取消"}}},
    };
    return dialogs;
}

INT_PTR CALLBACK NoDialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// The real dialog manager must build every template: a class name it does not
// know, or a common control left unregistered, makes the creation fail.
void TestCreation(const DialogSpec& spec) {
    const HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(spec.id),
                                           nullptr, NoDialogProc, 0);
    CHECK(dialog != nullptr, "template %d does not create a window (error %lu)", spec.id,
          GetLastError());
    if (!dialog)
        return;
    for (const ControlSpec& want : spec.controls) {
        const HWND control = GetDlgItem(dialog, want.id);
        wchar_t cls[64] = {};
        GetClassNameW(control, cls, 64);
        CHECK(control && _wcsicmp(cls, want.className) == 0, "control %d of %d is a \"%s\"",
              want.id, spec.id, Narrow(cls).c_str());
        wchar_t text[256] = {};
        GetWindowTextW(control, text, 256);
        // Edits, pickers and address fields show their value, not a template text.
        CHECK(!*want.text || std::wcscmp(text, want.text) == 0, "control %d of %d reads \"%s\"",
              want.id, spec.id, Narrow(text).c_str());
    }
    wchar_t caption[128] = {};
    GetWindowTextW(dialog, caption, 128);
    CHECK(std::wcscmp(caption, spec.caption) == 0, "window %d caption \"%s\"", spec.id,
          Narrow(caption).c_str());
    if (spec.id == IDD_WELCOME) {
        // The picture control takes the size of its bitmap.
        HWND picture = GetWindow(dialog, GW_CHILD);
        while (picture && (GetWindowLongW(picture, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP)
            picture = GetWindow(picture, GW_HWNDNEXT);
        RECT rect = {};
        GetClientRect(picture, &rect);
        CHECK(SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0) != 0, "welcome has no picture");
        CHECK(rect.right == 528 && rect.bottom == 266, "picture shown at %ldx%ld", rect.right,
              rect.bottom);
    }
    DestroyWindow(dialog);
}

// ---------------------------------------------------------------- pictures

void TestBitmap() {
    const auto bitmap =
        static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_WELCOME),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    DIBSECTION dib = {};
    CHECK(bitmap && GetObjectW(bitmap, sizeof dib, &dib) == sizeof dib, "welcome bitmap missing");
    CHECK(dib.dsBmih.biWidth == 528 && dib.dsBmih.biHeight == 266 && dib.dsBmih.biBitCount == 8,
          "welcome bitmap is %ldx%ld, %u bits", dib.dsBmih.biWidth, dib.dsBmih.biHeight,
          dib.dsBmih.biBitCount);
    DeleteObject(bitmap);
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

void TestIcon() {
    const HRSRC group =
        FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_MAINFRAME), MAKEINTRESOURCEW(14));
    CHECK(group != nullptr, "icon %d missing", IDR_MAINFRAME);
    if (!group)
        return;
    const auto* dir = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, group)));
    WORD count;
    std::memcpy(&count, dir + 4, 2);
    bool has32 = false, has16 = false;
    for (WORD i = 0; i < count; ++i) {
        GroupIconEntry e;
        std::memcpy(&e, dir + 6 + i * sizeof e, sizeof e);
        CHECK(e.bitCount == 4 && e.colours == 16, "icon image %u has %u bits", i, e.bitCount);
        has32 |= e.width == 32 && e.height == 32;
        has16 |= e.width == 16 && e.height == 16;
    }
    CHECK(count == 2 && has32 && has16, "icon has %u images", count);
    for (int size : {16, 32}) {
        const HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME),
                                       IMAGE_ICON, size, size, 0);
        CHECK(icon != nullptr, "icon of %d pixels does not load", size);
        DestroyIcon(static_cast<HICON>(icon));
    }
}

std::string ResourceText(const wchar_t* type, const wchar_t* name) {
    const HRSRC found = FindResourceW(nullptr, name, type);
    if (!found)
        return {};
    const auto* data = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    return std::string(data, SizeofResource(nullptr, found));
}

void TestManifestAndVersion() {
    const std::string manifest = ResourceText(MAKEINTRESOURCEW(24), MAKEINTRESOURCEW(1));
    for (const char* needle : {"Microsoft.Windows.Common-Controls", "version=\"6.0.0.0\"",
                               "PerMonitorV2", "true/pm", "asInvoker"})
        CHECK(manifest.find(needle) != std::string::npos, "manifest lacks %s", needle);

    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::vector<BYTE> info(GetFileVersionInfoSizeW(path, nullptr));
    CHECK(!info.empty() &&
              GetFileVersionInfoW(path, 0, static_cast<DWORD>(info.size()), info.data()),
          "no version information");
    if (info.empty())
        return;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    CHECK(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &size) &&
              fixed->dwFileVersionMS == MAKELONG(10, 1),
          "file version is not 1.10");
    for (const wchar_t* key : {L"\\StringFileInfo\\040904b0\\ProductName",
                               L"\\StringFileInfo\\040904b0\\FileDescription"}) {
        wchar_t* value = nullptr;
        CHECK(VerQueryValueW(info.data(), key, reinterpret_cast<void**>(&value), &size) &&
                  std::wcscmp(value, L"Q6 Setup Wizard") == 0,
              "%s is wrong", Narrow(key).c_str());
    }
}

} // namespace

int wmain() {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                                          ICC_INTERNET_CLASSES |
                                                          ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    TestStrings();
    for (const DialogSpec& spec : Dialogs()) {
        TestCreation(spec);
    }
    TestBitmap();
    TestIcon();
    TestManifestAndVersion();
    std::printf("%s: %d failure(s)\n", failures ? "FAILED" : "passed", failures);
    return failures ? 1 : 0;
}
