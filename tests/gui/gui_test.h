#pragma once
// Tests that drive real windows, after Wine's conformance tests; each GUI_TEST
// makes and destroys its own windows.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace guitest {

// The format is checked as that of the vprintf it ends in: MinGW names it
// gnu_printf to g++ and printf to clang, which ignores gnu_printf.
void Check(bool condition, const char* file, int line, const char* format, ...)
    __attribute__((format(__MINGW_PRINTF_FORMAT, 4, 5)));
using Args = std::vector<std::wstring>; // what follows a test's name on the command line
void AddTest(std::string name, std::function<void(const Args&)> run);
int Summary(); // prints "N passed, N failed"; gives the exit code
// The test argv names, given the arguments after its name, or with no name every
// test in turn; each prints "name: ok" or "name: FAILED", then the summary. An
// unknown name gives 2.
int Run(int argc, wchar_t** argv);

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
    static void name(const guitest::Args&);                                                        \
    static const bool name##_added = (guitest::AddTest(#name, name), true);                        \
    static void name([[maybe_unused]] const guitest::Args& args)
