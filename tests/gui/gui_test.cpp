#include "tests/gui/gui_test.h"

#include "res/resource.h"
#include "win/dialog.h"
#include "win/text.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <utility>

namespace guitest {
namespace {

std::vector<std::pair<std::string, std::function<void(const Args&)>>> g_tests;
int g_passed = 0, g_failed = 0;
const char* g_current = "";
const int g_unbuffered = std::setvbuf(stdout, nullptr, _IONBF, 0); // lines reach a log at once

// Top-level dialog-class windows of process `processId`.
std::vector<HWND> Dialogs(DWORD processId) {
    std::vector<HWND> found;
    for (HWND hwnd = nullptr; (hwnd = FindWindowExW(nullptr, hwnd, L"#32770", nullptr));) {
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        if (owner == processId)
            found.push_back(hwnd);
    }
    return found;
}

} // namespace

void Check(bool condition, const char* file, int line, const char* format, ...) {
    ++(condition ? g_passed : g_failed);
    if (condition)
        return;
    std::printf("%s:%d: Test failed in %s: ", file, line, g_current);
    va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    va_end(args);
    std::printf("\n");
}

void AddTest(std::string name, std::function<void(const Args&)> run) {
    g_tests.emplace_back(std::move(name), std::move(run));
}

int Summary() {
    std::printf("%d passed, %d failed\n", g_passed, g_failed);
    return g_failed == 0 ? 0 : 1;
}

int Run(int argc, wchar_t** argv) {
    const std::string chosen = argc > 1 ? win::AnsiFromWide(argv[1]) : "";
    bool found = false;
    for (const auto& [name, run] : g_tests)
        if (chosen.empty() || name == chosen) {
            found = true;
            g_current = name.c_str();
            const int failedBefore = g_failed;
            run(Args(argv + std::min(argc, 2), argv + argc));
            Pump(); // what the test left queued
            std::printf("%s: %s\n", g_current, g_failed == failedBefore ? "ok" : "FAILED");
        }
    return found ? Summary() : (std::printf("no test %s\n", chosen.c_str()), 2);
}

void Pump() {
    for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);)
        if (!PreTranslateDialogMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
}

void PumpFor(DWORD milliseconds) {
    for (const ULONGLONG end = GetTickCount64() + milliseconds; GetTickCount64() < end; Sleep(5))
        Pump();
    Pump();
}

void PressKey(HWND target, UINT key) {
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
    Pump();
}

std::vector<HWND> DialogWindows(UINT templateId) {
    std::vector<HWND> found;
    for (HWND hwnd : Dialogs(GetCurrentProcessId()))
        if (const CDialog* dialog = CDialog::FromHandle(hwnd);
            dialog && dialog->TemplateId() == templateId)
            found.push_back(hwnd);
    return found;
}

HWND Shown(UINT templateId) {
    for (HWND window : DialogWindows(templateId))
        if (IsWindowVisible(window) && IsWindowEnabled(window))
            return window;
    return nullptr;
}

bool Idle() {
    return !FindMessageBox() && DialogWindows(IDD_PROGRESS).empty();
}

void AwaitIdle() {
    for (int wait = 0; wait < 100 && !Idle(); ++wait)
        PumpFor(20);
}

std::wstring Type(HWND box, const std::wstring& keys) {
    for (const wchar_t key : keys)
        SendMessageW(box, WM_CHAR, key, 1);
    return WindowText(box);
}

std::wstring g_pictureFolder;

// Wine hands what was drawn to the display only while messages are pumped, so
// a moment is given for that; nothing is pumped while the picture is taken, so
// an exchange under way is caught in the middle. Wine stacks its unmanaged
// windows in the order they were shown, so a window not active is shown again.
void Picture(const char* name, HWND window) {
    if (g_pictureFolder.empty() || !name || !window)
        return;
    if (GetActiveWindow() != window) {
        ShowWindow(window, SW_HIDE);
        ShowWindow(window, SW_SHOWNA);
    }
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(120);
    RECT rect;
    GetWindowRect(window, &rect);
    std::printf("ready %s %ld %ld %ld %ld\n", name, rect.left, rect.top, rect.right, rect.bottom);
    const std::wstring done = g_pictureFolder + L"\\" + win::WideFromAnsi(name) + L".done";
    for (int wait = 0; wait < 600 && GetFileAttributesW(done.c_str()) == INVALID_FILE_ATTRIBUTES;
         ++wait)
        Sleep(100);
}

std::optional<MessageBoxSeen> FindMessageBox(DWORD processId) {
    // A box still being built (not yet shown) has no text yet: the caller polls again.
    // The dialog manager gives the text of a message box the control id 0xFFFF.
    for (HWND hwnd : Dialogs(processId))
        if (CDialog::FromHandle(hwnd) == nullptr && IsWindowVisible(hwnd))
            return MessageBoxSeen{hwnd, WindowText(hwnd), WindowText(GetDlgItem(hwnd, 0xFFFF))};
    return std::nullopt;
}

void CloseMessageBox(HWND box) {
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

std::wstring WindowText(HWND window) {
    CWnd wrapper;
    wrapper.Attach(window);
    return wrapper.GetWindowText();
}

std::string Narrow(const std::wstring& text) {
    std::string bytes(text.size() * 3, '\0');
    bytes.resize(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                     bytes.data(), static_cast<int>(bytes.size()), nullptr,
                                     nullptr));
    return bytes;
}

} // namespace guitest
