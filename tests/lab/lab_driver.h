#pragma once
// What the lab drivers share, with the headers they all use: the wizard's
// windows as a user finds them, the texts a page shows, an exchange's ticks.
#include <winsock2.h>

#include "app/app_objects.h"
#include "app/wizard_state.h"
#include "res/resource.h"
#include "tests/gui/gui_test.h"
#include "tests/gui/user_script.h"
#include "win/text.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace lab {

using guitest::Step;

HWND Shown(UINT templateId);     // the visible, enabled window made from it, or null
void Press(HWND window, int id); // clicks a button once the loop pumps
// Types into the box key by key, as the keyboard delivers them: the box
// decides what it takes. Gives what it holds then.
std::wstring Type(HWND box, const std::wstring& keys);
// A step that waits for the window made from the template, then acts on it.
Step On(UINT templateId, std::function<void(HWND)> act);
// In the password window: types `password`, then presses OK (Cancel if empty).
Step Password(const std::wstring& password);
// Runs the wizard as the program does, with the user's steps; after them the
// welcome window is closed, which must take every page with it.
void RunWizard(std::vector<Step> steps);
// The lines of the page's device list.
std::vector<std::wstring> Lines(HWND page);
// The texts of rows first.. first+count-1 of a page's layout table, '|' between.
std::string Rows(HWND page, int first, int count);

// A socket on the port replies come to; INVALID_SOCKET while another holds it.
SOCKET HoldClientPort();

// Ticks of the exchange timer that Main's watched window has taken from the
// queue; set it to 0 to count afresh.
extern unsigned g_ticks;

using Args = std::vector<std::wstring>;
struct Mode {
    std::wstring name;
    std::size_t args; // how many follow the mode's name
    std::function<void(const Args&)> run;
};
// A driver's wmain: starts the common controls and Winsock, and runs the mode
// that argv names as the test lab_DRIVER_MODE, counting the ticks of
// `watched()` (when given). Gives the exit code; 2 with `usage` for no mode.
int Main(int argc, wchar_t** argv, const char* driver, const char* usage, HWND (*watched)(),
         const std::vector<Mode>& modes);

} // namespace lab
