#pragma once
// What the lab driver's cases share (each a GUI_TEST, run by name: lab_test.sh),
// with the headers they all use: the wizard's windows as a user finds and works
// them, the texts a page shows, an exchange's ticks.
#include <winsock2.h>

#include "app/page_layout.h"
#include "app/setup_app.h"
#include "pages/wizard.h"
#include "res/messages.h"
#include "res/resource.h"
#include "tests/gui/gui_test.h"
#include "tests/gui/user_script.h"
#include "win/text.h"

#include <array>
#include <cstdio>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace lab {

using guitest::Step;

std::vector<std::wstring> Lines(HWND page);              // step 1's device list
void ClickLine(HWND page, int line, bool twice = false); // in it, as the mouse does
// The text of the row named `name` of the page's layout table `layout`.
std::string Row(HWND page, std::span<const RunTimeControl> layout, int name);
// The texts of the rows `names`, '|' between.
std::string Rows(HWND page, std::span<const RunTimeControl> layout, std::span<const int> names);
// Step 4's columns without their clock: host name to IP state.
inline constexpr std::array<int, 5> kBeforeWithoutClock = {
    IDL_STEP4_BEFORE_NAME, IDL_STEP4_BEFORE_IPADDR, IDL_STEP4_BEFORE_NETMASK,
    IDL_STEP4_BEFORE_GATEWAY, IDL_STEP4_BEFORE_BOOTPROTO};
inline constexpr std::array<int, 5> kNewWithoutClock = {
    IDL_STEP4_NEW_NAME, IDL_STEP4_NEW_IPADDR, IDL_STEP4_NEW_NETMASK, IDL_STEP4_NEW_GATEWAY,
    IDL_STEP4_NEW_BOOTPROTO};
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
