#include "tests/gui/user_script.h"

#include <chrono>
#include <cstddef>
#include <stdexcept>

#include "tests/gui/gui_test.h" // after <chrono>, which has members named ok

namespace guitest {
namespace {

std::vector<Step> g_steps;
std::size_t g_next = 0;
double g_stepSince = 0;
bool g_inStep = false;
UINT_PTR g_timer = 0;
HWND g_reportedBox = nullptr;

void CALLBACK RunSteps(HWND, UINT, UINT_PTR, DWORD) {
    if (g_inStep)
        return;
    if (g_next >= g_steps.size()) {
        // Another box is a fault, and would hold the window open for good.
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
    // Under Wine an exception unwinding through the message loop jumps to address 0 and spins.
    try {
        if (step.ready()) {
            step.act();
            ++g_next;
            g_stepSince = NowMs();
        } else if (NowMs() - g_stepSince > 15000) {
            throw std::runtime_error("timed out waiting");
        }
    } catch (const std::exception& error) {
        ok(false, "%s: %s", step.what.c_str(), error.what());
        ExitProcess(Summary());
    }
    g_inStep = false;
}

} // namespace

double NowMs() {
    return std::chrono::duration<double, std::milli>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
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

void Press(HWND window, int id) {
    // Pumped inside a step, a modal loop the click opens would hold the script.
    PostMessageW(GetDlgItem(window, id), BM_CLICK, 0, 0);
    if (!g_inStep)
        Pump();
}

Step ExpectBox(std::string caption, std::string text, std::function<void()> then) {
    return {text, [] { return FindMessageBox().has_value(); },
            [=] {
                const MessageBoxSeen box = *FindMessageBox();
                ok(Narrow(box.caption) == caption, "box caption \"%s\", got \"%s\"",
                   caption.c_str(), Narrow(box.caption).c_str());
                ok(Narrow(box.text) == text, "box text \"%s\", got \"%s\"", text.c_str(),
                   Narrow(box.text).c_str());
                if (then)
                    then();
                CloseMessageBox(box.window);
            }};
}

Step WhenIdle(std::string what, std::function<void()> act) {
    return {std::move(what), Idle, std::move(act)};
}

Step On(UINT templateId, std::function<void(HWND)> act, int press, const char* picture) {
    return {"the window of template " + std::to_string(templateId),
            [templateId] { return Shown(templateId) && Idle(); },
            [=] {
                const HWND window = Shown(templateId);
                if (act)
                    act(window);
                Picture(picture, window);
                if (press)
                    Press(window, press);
            }};
}

} // namespace guitest
