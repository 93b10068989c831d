#include "tests/gui/gui_test.h"

#include "win/dialog.h"

#include <cstdarg>
#include <cstdio>
#include <utility>

namespace guitest {
namespace {

std::vector<std::pair<const char*, void (*)()>> g_tests;
int g_passed = 0, g_failed = 0;
const char* g_current = "";

std::vector<std::function<void()>> g_steps;
std::size_t g_nextStep = 0;

void CALLBACK OnStepTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    if (g_nextStep >= g_steps.size()) {
        KillTimer(nullptr, timer);
        return;
    }
    // A step may run a nested loop that ticks again; take the step first.
    auto step = std::move(g_steps[g_nextStep++]);
    step();
}

// Top-level windows of `thread` (0: every thread) for which `take` says true.
std::vector<HWND> Windows(DWORD thread, const std::function<bool(HWND)>& take) {
    struct Search {
        const std::function<bool(HWND)>& take;
        std::vector<HWND> found;
    } search{take, {}};
    const WNDENUMPROC add = [](HWND hwnd, LPARAM context) -> BOOL {
        auto* search = reinterpret_cast<Search*>(context);
        if (search->take(hwnd))
            search->found.push_back(hwnd);
        return TRUE;
    };
    if (thread != 0)
        EnumThreadWindows(thread, add, reinterpret_cast<LPARAM>(&search));
    else
        EnumWindows(add, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace

void Check(bool condition, const char* file, int line, const char* format, ...) {
    if (condition) {
        ++g_passed;
        return;
    }
    ++g_failed;
    std::printf("%s:%d: Test failed in %s: ", file, line, g_current);
    va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    va_end(args);
    std::printf("\n");
    std::fflush(stdout);
}

Registrar::Registrar(const char* name, void (*run)()) {
    g_tests.emplace_back(name, run);
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
    for (const auto& [name, run] : g_tests)
        RunTest(name, run);
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
    SetTimer(nullptr, 0, 30, OnStepTimer);
}

std::vector<HWND> DialogWindows(UINT templateId) {
    return Windows(GetCurrentThreadId(), [templateId](HWND hwnd) {
        const CDialog* dialog = CDialog::FromHandle(hwnd);
        return dialog != nullptr && dialog->TemplateId() == templateId;
    });
}

std::optional<MessageBoxSeen> FindMessageBox(DWORD processId) {
    const std::vector<HWND> boxes = Windows(0, [processId](HWND hwnd) {
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        wchar_t name[16] = {};
        GetClassNameW(hwnd, name, 16);
        // Our dialogs carry their object in a window property, which another
        // process can read too. A box still being built (not yet shown) has
        // no text yet: the caller polls again.
        return owner == processId && std::wstring(name) == L"#32770" &&
               CDialog::FromHandle(hwnd) == nullptr && IsWindowVisible(hwnd);
    });
    if (boxes.empty())
        return std::nullopt;
    // The dialog manager gives the text of a message box the control id 0xFFFF.
    return MessageBoxSeen{boxes[0], WindowText(boxes[0]), WindowText(GetDlgItem(boxes[0], 0xFFFF))};
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
