#pragma once
// The user's part of a test: each step waits for its condition, then acts, from
// a thread timer, so in whichever loop is pumping (a modal window's, a message
// box's). A step that waits over 15 s ends the run with the summary; once every
// step has run, any further message box is a failure and is closed.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace guitest {

struct Step {
    std::string what;
    std::function<bool()> ready;
    std::function<void()> act;
};

// Milliseconds from an arbitrary start, for figures the tests print.
double NowMs();

void StartScript(std::vector<Step> steps);
// Stops the script and checks that every step ran.
void EndScript();

// A step that waits for a message box, checks its caption and text, runs
// `then` while the box is still open, and closes it.
Step ExpectBox(std::string caption, std::string text, std::function<void()> then = {});
// A step that waits until Idle(), then acts.
Step WhenIdle(std::string what, std::function<void()> act);
// A step that waits for the window made from `templateId`, shown and idle,
// acts on it, takes its picture `picture`, then presses its button `press`.
Step On(UINT templateId, std::function<void(HWND)> act = {}, int press = 0,
        const char* picture = nullptr);

} // namespace guitest
