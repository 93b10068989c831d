#pragma once
// What the lab driver's cases share (each a GUI_TEST, run by name: lab_test.sh),
// with the headers they all use: the wizard's windows as a user finds and works
// them, the texts a page shows, an exchange's ticks.
#include <winsock2.h>

#include "app/setup_app.h"
#include "pages/wizard.h"
#include "res/messages.h"
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

std::vector<std::wstring> Lines(HWND page);              // step 1's device list
void ClickLine(HWND page, int line, bool twice = false); // in it, as the mouse does
// The texts of rows `first`.. of the page's layout table, '|' between.
std::string Rows(HWND page, int first, int count);
SOCKET HoldClientPort(); // binds the reply port; INVALID_SOCKET while another holds it

// In the password window: types `password`, then presses OK (Cancel if empty).
Step Password(const std::wstring& password);
// The wizard the driver runs, as the program makes it, but for the web pages
// it opens: their addresses go to g_opened.
CWizard& Wizard();
extern std::vector<std::wstring> g_opened;
// Runs the wizard as the program does, with the user's steps; after them the
// welcome window is closed, which must take every page with it.
void RunWizard(std::vector<Step> steps);

// Ticks of the exchange timer, on whichever window: no case reads them while
// two exchanges run. Set it to 0 to count afresh.
extern unsigned g_ticks;

} // namespace lab
