#pragma once
// Tests that drive real windows, after Wine's conformance tests; each GUI_TEST
// makes and destroys its own windows. A program of one chosen case uses RunTest.
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
// Runs one test, dispatches what it left queued and prints "name: ok" or "name: FAILED".
void RunTest(const char* name, const std::function<void()>& run);
int Summary(); // prints "N passed, N failed"; gives the exit code
int RunAll();  // every GUI_TEST in turn, then the summary

// Dispatches every waiting message, keys through our dialog manager as the program does.
void Pump();
void PumpFor(DWORD milliseconds);
void PressKey(HWND target, UINT key); // posts a key press, then pumps

// The verbs of every test, the lab drivers' too (and ExpectBox, On: user_script.h).
std::vector<HWND> DialogWindows(UINT templateId); // our dialog windows made from it
HWND Shown(UINT templateId);                      // the visible, enabled one, or null
// No message box and no progress window: what is listed is final.
bool Idle();
void AwaitIdle(); // pumps until Idle(), at most 2 s
// Clicks button `id` as the mouse does; outside a step, pumps until handled.
void Press(HWND window, int id);
// Key by key, as the keyboard delivers them: the box decides what it takes.
std::wstring Type(HWND box, const std::wstring& keys); // what it holds then
// With a picture folder set, lets tools/screenshots.sh take `window` as it stands.
extern std::wstring g_pictureFolder;
void Picture(const char* name, HWND window);

struct MessageBoxSeen {
    HWND window;
    std::wstring caption, text;
};
// A shown message box of process `processId`: a visible dialog that is none of ours.
std::optional<MessageBoxSeen> FindMessageBox(DWORD processId = GetCurrentProcessId());
// Presses the box's OK from outside its loop; the box closes once its loop runs.
void CloseMessageBox(HWND box);

std::wstring WindowText(HWND window);
std::string Narrow(const std::wstring& text); // UTF-8, for messages

} // namespace guitest

#define ok(condition, ...) guitest::Check((condition), __FILE__, __LINE__, __VA_ARGS__)

#define GUI_TEST(name)                                                                             \
    static void name();                                                                            \
    static const guitest::Registrar name##_registrar(#name, name);                                 \
    static void name()
