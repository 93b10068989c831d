// The whole road on the real wizard under Wine in the lab, from the welcome
// window to the save and a new search:
//   road_lab fixed   the second array: a new host name, a fixed address, another
//                    zone, date and time (with FOLDER: stopping at each window for
//                    tools/screenshots.sh: "ready NAME left top right bottom" on
//                    stdout, then wait for FOLDER\NAME.done)
//   road_lab dhcp    the first array moved to DHCP
//   road_lab back    the fixed road with Back on every page (the first visit
//                    to step 2 chooses DHCP) and Cancel on the first confirmation
#include "pages/page_layouts.h"
#include "tests/lab/lab_driver.h"

#include <commctrl.h>

#include <algorithm>
#include <set>

namespace {

using guitest::Step;
using lab::Shown;

std::wstring g_shotFolder;

// Lets tools/screenshots.sh take `window` as it stands now. Wine hands what
// was drawn to the display only while messages are pumped, so a moment is
// given for that; nothing is pumped while the picture is taken, so an exchange
// under way is caught in the middle. Wine stacks its unmanaged windows on the
// display in the order they were shown (step 1 covers its search's progress
// window), so a window that is not the active one is shown again first.
void Shot(const char* name, HWND window) {
    if (g_shotFolder.empty() || !name || !window)
        return;
    if (GetActiveWindow() != window) {
        ShowWindow(window, SW_HIDE);
        ShowWindow(window, SW_SHOWNA);
    }
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    guitest::PumpFor(120);
    RECT rect;
    GetWindowRect(window, &rect);
    std::printf("ready %s %ld %ld %ld %ld\n", name, rect.left, rect.top, rect.right, rect.bottom);
    std::fflush(stdout);
    const std::wstring done = g_shotFolder + L"\\" + win::WideFromAnsi(name) + L".done";
    for (int wait = 0; wait < 600 && GetFileAttributesW(done.c_str()) == INVALID_FILE_ATTRIBUTES;
         ++wait)
        Sleep(100);
}

// A step that waits for the window, acts on it, lets it be taken as `shot` and
// presses its button `id` (none: 0).
Step On(UINT templateId, int id, const char* shot = nullptr, std::function<void(HWND)> act = {}) {
    return lab::On(templateId, [=](HWND window) {
        if (act)
            act(window);
        Shot(shot, window);
        if (id)
            lab::Press(window, id);
    });
}

// Step 1 once its search has ended: the lab's three arrays, one of them perhaps
// renamed by the road, and nothing a hostile datagram named. Line `line` is
// clicked; then OK, if `next`.
Step SearchEnded(int line, bool next = true, const char* shot = nullptr) {
    return {"step 1 with its list",
            [] { return IsWindowEnabled(GetDlgItem(Shown(IDD_SEARCH_PAGE), IDC_SEARCH_AGAIN)); },
            [=] {
                const HWND page = Shown(IDD_SEARCH_PAGE);
                const std::set<std::wstring> ours = {L"Q6-Store01", L"Q6-Backup", L"Q6-Media",
                                                     L"nas-road"};
                const std::vector<std::wstring> lines = lab::Lines(page);
                ok(lines.size() == 3 &&
                       std::ranges::all_of(lines, [&](auto& at) { return ours.contains(at); }),
                   "the lab's 3 arrays listed, nothing else");
                Shot(shot, page);
                lab::ClickLine(page, line);
                if (next)
                    lab::Press(page, IDOK);
            }};
}

Step Password() {
    return On(IDD_PASSWORD, IDOK, "password",
              [](HWND window) { lab::Type(GetDlgItem(window, IDC_PASSWORD), L"admin"); });
}

Step Network(bool dhcp) {
    return On(IDD_NETWORK_PAGE, IDC_NETWORK_NEXT, "step2", [dhcp](HWND page) {
        // The mode first: choosing DHCP shows the stored values again.
        SendMessageW(GetDlgItem(page, dhcp ? IDC_DHCP : IDC_MANUAL_IP), BM_CLICK, 0, 0);
        if (!dhcp)
            for (const auto& [id, address] : {std::pair{IDC_IPADDR, MAKEIPADDRESS(10, 77, 1, 42)},
                                              {IDC_NETMASK, MAKEIPADDRESS(255, 255, 255, 0)},
                                              {IDC_GATEWAY, MAKEIPADDRESS(10, 77, 0, 1)},
                                              {IDC_DNS, MAKEIPADDRESS(10, 77, 0, 53)}})
                SendMessageW(GetDlgItem(page, id), IPM_SETADDRESS, 0, address);
        SetWindowTextW(GetDlgItem(page, IDC_HOSTNAME), L"nas-road");
    });
}

// The user picks the Pacific zone and sets a date and a time of their own.
Step DateTime() {
    return On(IDD_DATETIME_PAGE, IDC_DATETIME_NEXT, "step3", [](HWND page) {
        const HWND zone = GetDlgItem(page, IDC_TIMEZONE);
        SendMessageW(zone, CB_SETCURSEL, 4, 0);
        SendMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_TIMEZONE, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(zone));
        SYSTEMTIME when = {2031, 7, 0, 4, 8, 9, 10, 0};
        for (const int id : {IDC_DATE, IDC_TIME}) {
            SetFocus(GetDlgItem(page, id));
            SendMessageW(GetDlgItem(page, id), DTM_SETSYSTEMTIME, GDT_VALID,
                         reinterpret_cast<LPARAM>(&when));
        }
    });
}

// Step 4's new column (the reported one is the byte-exact SET's business).
Step Review(bool dhcp) {
    return On(IDD_REVIEW_PAGE, IDC_SAVE, "step4", [dhcp](HWND page) {
        const std::string shown = lab::Rows(page, kReviewFirstNew, 7);
        ok(shown == (dhcp
                         ? "nas-road|10.77.1.1|255.255.0.0|10.77.0.254|DHCP|2031/07/04|08:09:10"
                         : "nas-road|10.77.1.42|255.255.255.0|10.77.0.1|Fixed|2031/07/04|08:09:10"),
           "step 4 shows %s", shown.c_str());
    });
}

std::vector<Step> Road(const std::string& road) {
    const bool dhcp = road == "dhcp", back = road == "back";
    const int line = dhcp ? 0 : 1;
    std::vector<Step> steps = {On(IDD_WELCOME, IDC_START, "welcome"),
                               {"the search under way",
                                [] { return g_searchProgress.IsWindowVisible(); },
                                [] { Shot("searching", g_searchProgress.m_hWnd); }},
                               SearchEnded(line, true, "step1"),
                               Password()};
    if (back)
        // Back from step 2 searches again; back from steps 4 and 3 leads to
        // step 2 again, whose Next must store the changes made since.
        steps.insert(steps.end(),
                     {On(IDD_NETWORK_PAGE, IDC_NETWORK_BACK), SearchEnded(1), Password(),
                      Network(true), DateTime(), On(IDD_REVIEW_PAGE, IDC_REVIEW_BACK),
                      On(IDD_DATETIME_PAGE, IDC_DATETIME_BACK)});
    steps.insert(steps.end(), {Network(dhcp), DateTime(), Review(dhcp)});
    if (back) // Cancel on the confirmation: nothing is sent, step 4 is usable again.
        steps.insert(steps.end(), {On(IDD_CONFIRM, IDCANCEL), On(IDD_REVIEW_PAGE, IDC_SAVE)});
    steps.insert(steps.end(),
                 {On(IDD_CONFIRM, IDOK, "confirm"),
                  guitest::ExpectBox("Status", "Configurations have saved successfully!",
                                     [] { Shot("saved", guitest::FindMessageBox()->window); }),
                  {"the page gone", [] { return !g_reviewPage.IsWindow(); },
                   [] { lab::Press(GetMainWnd()->m_hWnd, IDC_START); }},
                  SearchEnded(line, false)});
    return steps;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const auto road = [](const char* road) {
        return [road](const lab::Args& folder) {
            if (!folder.empty())
                g_shotFolder = folder[0];
            lab::RunWizard(Road(road));
        };
    };
    return lab::Main(argc, argv, "road", "fixed|dhcp|back [screenshot folder]", nullptr,
                     {{L"fixed", 0, road("fixed")},
                      {L"fixed", 1, road("fixed")},
                      {L"dhcp", 0, road("dhcp")},
                      {L"back", 0, road("back")}});
}
