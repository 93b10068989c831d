#pragma once
// A small test framework for programs that drive real windows, after the manner
// of Wine's conformance tests: ok(condition, format, ...) prints what was
// expected and what came instead, each GUI_TEST makes and destroys its own
// windows, and the run ends with "N passed, N failed" and a non-zero exit code
// on any failure. A program that picks its one case from the command line runs
// it with RunTest and ends with Summary.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace guitest {

void Check(bool condition, const char* file, int line, const char* format, ...)
    __attribute__((format(gnu_printf, 4, 5)));

struct Registrar {
    Registrar(const char* name, void (*run)());
};

// Runs one test under `name`, dispatches what it left queued and prints
// "name: ok" or "name: FAILED".
void RunTest(const char* name, const std::function<void()>& run);
// Prints "N passed, N failed" over every check so far; gives the exit code.
int Summary();
// Every GUI_TEST in turn, then the summary.
int RunAll();

// Dispatches every waiting message, keyboard ones through the dialog manager
// of the dialog they belong to, as the program's own loops do.
void Pump();
// Pumps for about `milliseconds`.
void PumpFor(DWORD milliseconds);
// Posts a key press to `target` and pumps.
void PressKey(HWND target, UINT key);
// Clicks a button the way the mouse does, then pumps.
void Click(HWND button);

// Runs `steps` one per timer tick from inside whatever loop is pumping (a modal
// loop the test itself starts, for instance).
void ScheduleSteps(std::vector<std::function<void()>> steps);

// Top-level windows of this thread that are dialogs of ours made from `templateId`.
std::vector<HWND> DialogWindows(UINT templateId);

// A message box as the user reads it.
struct MessageBoxSeen {
    HWND window;
    std::wstring caption;
    std::wstring text;
};

// A message box that process `processId` shows: a visible dialog-class window that is
// none of our dialogs (this process's own boxes by default).
std::optional<MessageBoxSeen> FindMessageBox(DWORD processId = GetCurrentProcessId());
// Presses the box's OK from outside its loop; the box closes once its loop runs.
void CloseMessageBox(HWND box);

// The whole text of a window, however long.
std::wstring WindowText(HWND window);

// UTF-8 for messages.
std::string Narrow(const std::wstring& text);

} // namespace guitest

#define ok(condition, ...) guitest::Check((condition), __FILE__, __LINE__, __VA_ARGS__)

#define GUI_TEST(name)                                                                             \
    static void name();                                                                            \
    static const guitest::Registrar name##_registrar(#name, name);                                 \
    static void name()
