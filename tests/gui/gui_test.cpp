#include "tests/gui/gui_test.h"

#include "win/dialog.h"

#include <cstdarg>
#include <cstdio>
#include <utility>

namespace guitest {
namespace {

struct TestCase {
    const char* name;
    void (*run)();
};

std::vector<TestCase>& Tests() {
    static std::vector<TestCase> tests;
    return tests;
}

int g_passed = 0;
int g_failed = 0;
const char* g_current = "";

std::vector<std::function<void()>> g_steps;
std::size_t g_nextStep = 0;
UINT_PTR g_stepTimer = 0;

void CALLBACK OnStepTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (g_nextStep >= g_steps.size()) {
        KillTimer(nullptr, g_stepTimer);
        g_stepTimer = 0;
        return;
    }
    // A step may run a nested loop that ticks again; take the step first.
    auto step = std::move(g_steps[g_nextStep++]);
    step();
}

} // namespace

void Check(bool condition, const char* file, int line, const char* format, ...) {
    if (condition) {
        ++g_passed;
        return;
    }
    ++g_failed;
    const char* base = file;
    for (const char* p = file; *p; ++p)
        if (*p == '/' || *p == '\\')
            base = p + 1;
    std::printf("%s:%d: Test failed in %s: ", base, line, g_current);
    va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    va_end(args);
    std::printf("\n");
    std::fflush(stdout);
}

Registrar::Registrar(const char* name, void (*run)()) {
    Tests().push_back({name, run});
}

void RunTest(const char* name, const std::function<void()>& run) {
    g_current = name;
    const int failedBefore = g_failed;
    run();
    Pump();
    std::printf("%s: %s\n", name, g_failed == failedBefore ? "ok" : "FAILED");
    std::fflush(stdout);
}

int Summary() {
    std::printf("%d passed, %d failed\n", g_passed, g_failed);
    std::fflush(stdout);
    return g_failed == 0 ? 0 : 1;
}

int RunAll() {
    for (const TestCase& test : Tests())
        RunTest(test.name, test.run);
    return Summary();
}

void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!PreTranslateDialogMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

void PumpFor(DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    while (GetTickCount64() < end) {
        Pump();
        Sleep(5);
    }
    Pump();
}

void PressKey(HWND target, UINT key) {
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
    Pump();
}

void Click(HWND button) {
    SendMessageW(button, BM_CLICK, 0, 0);
    Pump();
}

void ScheduleSteps(std::vector<std::function<void()>> steps) {
    g_steps = std::move(steps);
    g_nextStep = 0;
    g_stepTimer = SetTimer(nullptr, 0, 30, OnStepTimer);
}

std::vector<HWND> DialogWindows(UINT templateId) {
    struct Search {
        UINT templateId;
        std::vector<HWND> found;
    } search{templateId, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM context) -> BOOL {
            auto* search = reinterpret_cast<Search*>(context);
            if (const CDialog* dialog = CDialog::FromHandle(hwnd);
                dialog != nullptr && dialog->TemplateId() == search->templateId)
                search->found.push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::optional<MessageBoxSeen> FindMessageBox(DWORD processId) {
    struct Search {
        DWORD processId;
        HWND found;
    } search{processId, nullptr};
    EnumWindows(
        [](HWND hwnd, LPARAM context) -> BOOL {
            auto* search = reinterpret_cast<Search*>(context);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            wchar_t name[16] = {};
            GetClassNameW(hwnd, name, 16);
            // Our dialogs carry their object in a window property, which
            // another process can read too. A box still being built (not yet
            // shown) has no text yet: the caller polls again.
            if (owner != search->processId || std::wstring(name) != L"#32770" ||
                CDialog::FromHandle(hwnd) != nullptr || !IsWindowVisible(hwnd))
                return TRUE;
            search->found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr)
        return std::nullopt;
    // The dialog manager gives the text of a message box the control id 0xFFFF.
    return MessageBoxSeen{search.found, WindowText(search.found),
                          WindowText(GetDlgItem(search.found, 0xFFFF))};
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
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(length, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

} // namespace guitest
