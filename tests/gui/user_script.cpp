#include "tests/gui/user_script.h"

#include "tests/gui/gui_test.h"

#include <cstddef>

namespace guitest {
namespace {

std::vector<Step> g_steps;
std::size_t g_next = 0;
double g_stepSince = 0;
bool g_inStep = false;
UINT_PTR g_timer = 0;
HWND g_reportedBox = nullptr;
constexpr double kStepTimeoutMs = 15000;

void CALLBACK RunSteps(HWND, UINT, UINT_PTR, DWORD) {
    if (g_inStep)
        return;
    if (g_next >= g_steps.size()) {
        // Every expected box has been seen: another one is a fault, and would
        // hold the window open for good.
        if (const auto box = FindMessageBox(); box && box->window != g_reportedBox) {
            g_reportedBox = box->window;
            ok(false, "unexpected message box \"%s\" / \"%s\"", Narrow(box->caption).c_str(),
               Narrow(box->text).c_str());
            CloseMessageBox(box->window);
        }
        return;
    }
    g_inStep = true;
    Step& step = g_steps[g_next];
    if (step.ready()) {
        step.act();
        ++g_next;
        g_stepSince = NowMs();
    } else if (NowMs() - g_stepSince > kStepTimeoutMs) {
        ok(false, "timed out waiting: %s", step.what.c_str());
        ExitProcess(Summary());
    }
    g_inStep = false;
}

} // namespace

double NowMs() {
    static const double frequency = [] {
        LARGE_INTEGER value;
        QueryPerformanceFrequency(&value);
        return static_cast<double>(value.QuadPart);
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / frequency;
}

void StartScript(std::vector<Step> steps) {
    g_steps = std::move(steps);
    g_next = 0;
    g_stepSince = NowMs();
    g_timer = SetTimer(nullptr, 0, 10, RunSteps);
}

void EndScript() {
    KillTimer(nullptr, g_timer);
    ok(g_next == g_steps.size(), "every step ran (%zu of %zu)", g_next, g_steps.size());
}

Step ExpectBox(std::string caption, std::string text, std::function<void()> then) {
    return {text, [] { return FindMessageBox().has_value(); },
            [=] {
                const MessageBoxSeen box = *FindMessageBox();
                const std::string seenCaption = Narrow(box.caption);
                const std::string seenText = Narrow(box.text);
                ok(seenCaption == caption && seenText == text,
                   "message box \"%s\" / \"%s\" (got \"%s\" / \"%s\")", caption.c_str(),
                   text.c_str(), seenCaption.c_str(), seenText.c_str());
                if (then)
                    then();
                CloseMessageBox(box.window);
            }};
}

} // namespace guitest
