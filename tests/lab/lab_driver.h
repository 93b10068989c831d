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

HWND Shown(UINT templateId);     // the visible, enabled window made from it, or null
void Press(HWND window, int id); // clicks a button once the loop pumps
// The lines of the page's device list.
std::vector<std::wstring> Lines(HWND page);
// The texts of rows first.. first+count-1 of a page's layout table, '|' between.
std::string Rows(HWND page, int first, int count);

// A socket on the port replies come to; INVALID_SOCKET while another holds it.
SOCKET HoldClientPort();

// Ticks of the exchange timer that RunLab's watched window has taken from the
// queue; set it to 0 to count afresh.
extern unsigned g_ticks;

// Starts the common controls and Winsock, runs `run` as the test `name` while
// counting the ticks of `watched()` (when given), and gives the exit code.
int RunLab(const std::string& name, HWND (*watched)(), const std::function<void()>& run);

} // namespace lab
