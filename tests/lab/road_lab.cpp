// The whole road as a user clicks it, on the real wizard under Wine in the lab:
// start, search, select the second array, password, step 2, step 3, review,
// save, confirm, the success message, and a new search that lists the array
// with its new name. Run by road_lab_test.sh, which checks the simulator's log:
//   road_lab fixed   a new host name and a fixed address, another zone, date, time
//   road_lab dhcp    the first array moved to DHCP
//   road_lab back    Back on every page on the way, then the save
//   road_lab fixed FOLDER   the same, stopping at each window for a screenshot
//                           (tools/screenshots.sh): "ready NAME left top right
//                           bottom" on stdout, then wait for FOLDER\NAME.done
#include <winsock2.h>

#include "app/app_objects.h"
#include "app/wizard_state.h"
#include "messaging/settings.h"
#include "pages/page_layouts.h"
#include "res/resource.h"
#include "tests/gui/gui_test.h"
#include "tests/gui/user_script.h"
#include "win/text.h"

#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using guitest::ExpectBox;
using guitest::Narrow;
using guitest::Step;
using guitest::WindowText;

std::wstring g_shotFolder;

// Lets tools/screenshots.sh take `window` as it stands now. Wine hands what
// was drawn to the display only while messages are pumped, so a moment is
// given for that; nothing is pumped while the picture is taken, so an exchange
// under way is caught in the middle.
void Shot(const char* name, HWND window) {
    if (g_shotFolder.empty() || !window)
        return;
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

HWND Shown(UINT templateId) {
    for (HWND window : guitest::DialogWindows(templateId))
        if (IsWindowVisible(window) && IsWindowEnabled(window))
            return window;
    return nullptr;
}

HWND Item(UINT templateId, int id) {
    return GetDlgItem(Shown(templateId), id);
}

void Press(UINT templateId, int id) {
    PostMessageW(Item(templateId, id), BM_CLICK, 0, 0);
}

// The texts of a page's run-time controls (labels and a group box), in the
// order of its layout table: made before the template's controls.
std::vector<std::string> PageTexts(HWND page) {
    std::vector<std::string> texts;
    for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetDlgCtrlID(child) == IDC_RUNTIME_LABEL || GetDlgCtrlID(child) == -1)
            texts.push_back(Narrow(WindowText(child)));
    return texts;
}

// Step 1 once its search has ended: the three arrays, one of them perhaps
// renamed by the road, and nothing a hostile datagram named.
Step SearchEnded(const char* shot = nullptr) {
    return {"step 1 with its list",
            [] { return IsWindowEnabled(Item(IDD_SEARCH_PAGE, IDC_SEARCH_AGAIN)); },
            [shot] {
                const HWND list = Item(IDD_SEARCH_PAGE, IDC_DEVICE_LIST);
                const int count = int(SendMessageW(list, LB_GETCOUNT, 0, 0));
                ok(count == 3, "3 arrays listed (got %d)", count);
                for (int line = 0; line < count; ++line) {
                    wchar_t text[64] = {};
                    SendMessageW(list, LB_GETTEXT, line, reinterpret_cast<LPARAM>(text));
                    const std::wstring name = text;
                    ok(name == L"Q6-Store01" || name == L"Q6-Backup" || name == L"Q6-Media" ||
                           name == L"nas-road",
                       "line %d names an array of the lab (got \"%s\")", line,
                       Narrow(name).c_str());
                }
                if (shot)
                    Shot(shot, Shown(IDD_SEARCH_PAGE));
            }};
}

// The user clicks line `line`; the list box tells its page.
Step SelectLine(int line) {
    return {"a line to select", [] { return Shown(IDD_SEARCH_PAGE) != nullptr; },
            [line] {
                const HWND list = Item(IDD_SEARCH_PAGE, IDC_DEVICE_LIST);
                SendMessageW(list, LB_SETCURSEL, line, 0);
                SendMessageW(GetParent(list), WM_COMMAND,
                             MAKEWPARAM(IDC_DEVICE_LIST, LBN_SELCHANGE),
                             reinterpret_cast<LPARAM>(list));
            }};
}

std::vector<Step> Password() {
    return {{"step 1's OK", [] { return Shown(IDD_SEARCH_PAGE) != nullptr; },
             [] { Press(IDD_SEARCH_PAGE, IDOK); }},
            {"the password window", [] { return Shown(IDD_PASSWORD) != nullptr; },
             [] {
                 for (const wchar_t key : std::wstring(L"admin"))
                     SendMessageW(Item(IDD_PASSWORD, IDC_PASSWORD), WM_CHAR, key, 1);
                 Shot("password", Shown(IDD_PASSWORD));
                 Press(IDD_PASSWORD, IDOK);
             }}};
}

void SetAddress(int id, BYTE a, BYTE b, BYTE c, BYTE d) {
    SendMessageW(Item(IDD_NETWORK_PAGE, id), IPM_SETADDRESS, 0, MAKEIPADDRESS(a, b, c, d));
}

Step Network(bool dhcp) {
    return {"step 2", [] { return Shown(IDD_NETWORK_PAGE) != nullptr; },
            [dhcp] {
                // The mode first: choosing DHCP shows the stored values again.
                if (dhcp) {
                    SendMessageW(Item(IDD_NETWORK_PAGE, IDC_DHCP), BM_CLICK, 0, 0);
                } else {
                    SendMessageW(Item(IDD_NETWORK_PAGE, IDC_MANUAL_IP), BM_CLICK, 0, 0);
                    SetAddress(IDC_IPADDR, 10, 77, 1, 42);
                    SetAddress(IDC_NETMASK, 255, 255, 255, 0);
                    SetAddress(IDC_GATEWAY, 10, 77, 0, 1);
                    SetAddress(IDC_DNS, 10, 77, 0, 53);
                }
                SetWindowTextW(Item(IDD_NETWORK_PAGE, IDC_HOSTNAME), L"nas-road");
                Shot("step2", Shown(IDD_NETWORK_PAGE));
                Press(IDD_NETWORK_PAGE, IDC_NETWORK_NEXT);
            }};
}

// The user picks the Pacific zone and sets a date and a time of their own.
Step DateTime() {
    return {"step 3", [] { return Shown(IDD_DATETIME_PAGE) != nullptr; },
            [] {
                const HWND zone = Item(IDD_DATETIME_PAGE, IDC_TIMEZONE);
                SendMessageW(zone, CB_SETCURSEL, 4, 0);
                SendMessageW(GetParent(zone), WM_COMMAND, MAKEWPARAM(IDC_TIMEZONE, CBN_SELCHANGE),
                             reinterpret_cast<LPARAM>(zone));
                SYSTEMTIME when = {};
                when.wYear = 2031;
                when.wMonth = 7;
                when.wDay = 4;
                when.wHour = 8;
                when.wMinute = 9;
                when.wSecond = 10;
                for (const int id : {IDC_DATE, IDC_TIME}) {
                    const HWND picker = Item(IDD_DATETIME_PAGE, id);
                    SetFocus(picker);
                    SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID,
                                 reinterpret_cast<LPARAM>(&when));
                }
                Shot("step3", Shown(IDD_DATETIME_PAGE));
                Press(IDD_DATETIME_PAGE, IDC_DATETIME_NEXT);
            }};
}

Step Back(UINT templateId, int id) {
    return {"a page to go back from", [templateId] { return Shown(templateId) != nullptr; },
            [templateId, id] { Press(templateId, id); }};
}

// Step 4's two columns, row by row. The DHCP road takes the first array, which
// has a fixed address, the others the second, which uses DHCP.
Step Review(bool dhcp) {
    return {"step 4", [] { return Shown(IDD_REVIEW_PAGE) != nullptr; },
            [dhcp] {
                const std::vector<std::string> texts = PageTexts(Shown(IDD_REVIEW_PAGE));
                const std::vector<std::string> before =
                    dhcp ? std::vector<std::string>{"Q6-Store01", "10.77.1.1", "255.255.0.0",
                                                    "10.77.0.254", "Fixed"}
                         : std::vector<std::string>{"Q6-Backup", "10.77.1.2", "255.255.0.0",
                                                    "10.77.0.254", "DHCP"};
                const std::vector<std::string> after =
                    dhcp ? std::vector<std::string>{"nas-road", "10.77.1.1", "255.255.0.0",
                                                    "10.77.0.254", "DHCP", "2031/07/04",
                                                    "08:09:10"}
                         : std::vector<std::string>{"nas-road", "10.77.1.42", "255.255.255.0",
                                                    "10.77.0.1", "Fixed", "2031/07/04",
                                                    "08:09:10"};
                ok(texts.size() >= kReviewPageLayout.size(), "25 texts on step 4 (got %zu)",
                   texts.size());
                if (texts.size() < kReviewPageLayout.size())
                    return;
                for (std::size_t row = 0; row < after.size(); ++row) {
                    ok(texts[kReviewFirstNew + row] == after[row], "new row %zu: %s (got %s)",
                       row + 1, after[row].c_str(), texts[kReviewFirstNew + row].c_str());
                    if (row < before.size())
                        ok(texts[kReviewFirstBefore + row] == before[row],
                           "before row %zu: %s (got %s)", row + 1, before[row].c_str(),
                           texts[kReviewFirstBefore + row].c_str());
                }
                // The array's own date and time, as its reply had them.
                ok(texts[kReviewFirstBefore + 5] == GetSetting(g_reportedSettings, "date"),
                   "before date as reported: %s", texts[kReviewFirstBefore + 5].c_str());
                Shot("step4", Shown(IDD_REVIEW_PAGE));
                Press(IDD_REVIEW_PAGE, IDC_SAVE);
            }};
}

std::vector<Step> SaveAndSearchAgain(bool dhcp, int line) {
    return {{"the confirmation", [] { return Shown(IDD_CONFIRM) != nullptr; },
             [] {
                 Shot("confirm", Shown(IDD_CONFIRM));
                 Press(IDD_CONFIRM, IDOK);
             }},
            ExpectBox("Status", "Configurations have saved successfully!",
                      [] { Shot("saved", guitest::FindMessageBox()->window); }),
            {"the page gone", [] { return !g_reviewPage.IsWindow(); },
             [] { PostMessageW(GetDlgItem(GetMainWnd()->m_hWnd, IDC_START), BM_CLICK, 0, 0); }},
            SearchEnded(),
            SelectLine(line),
            {"the array under its new name", [] { return true; },
             [dhcp, line] {
                 const std::vector<std::string> texts = PageTexts(Shown(IDD_SEARCH_PAGE));
                 const HWND list = Item(IDD_SEARCH_PAGE, IDC_DEVICE_LIST);
                 wchar_t text[64] = {};
                 SendMessageW(list, LB_GETTEXT, line, reinterpret_cast<LPARAM>(text));
                 ok(std::wstring(text) == L"nas-road", "line %d lists nas-road (got %s)", line,
                    Narrow(text).c_str());
                 const std::string address = dhcp ? "10.77.1.1 (DHCP)" : "10.77.1.42 (Fixed)";
                 ok(texts.size() > kSearchFirstField + 1 &&
                        texts[kSearchFirstField + 1] == address,
                    "its address shown as %s", address.c_str());
                 PostMessageW(GetDlgItem(GetMainWnd()->m_hWnd, IDCANCEL), BM_CLICK, 0, 0);
             }}};
}

std::vector<Step> Road(const std::string& road) {
    const bool dhcp = road == "dhcp";
    const int line = dhcp ? 0 : 1;
    std::vector<Step> steps = {
        {"the welcome window", [] { return GetMainWnd() && GetMainWnd()->IsWindowVisible(); },
         [] {
             Shot("welcome", GetMainWnd()->m_hWnd);
             PostMessageW(GetDlgItem(GetMainWnd()->m_hWnd, IDC_START), BM_CLICK, 0, 0);
         }},
        {"the search under way", [] { return g_searchProgress.IsWindowVisible(); },
         [] { Shot("searching", g_searchProgress.m_hWnd); }},
        SearchEnded("step1"), SelectLine(line)};
    auto add = [&steps](std::vector<Step> more) {
        for (Step& step : more)
            steps.push_back(std::move(step));
    };
    add(Password());
    if (road == "back") {
        // Back from step 2 searches again; the second array is chosen again.
        add({Back(IDD_NETWORK_PAGE, IDC_NETWORK_BACK), SearchEnded(), SelectLine(1)});
        add(Password());
    }
    add({Network(dhcp), DateTime()});
    if (road == "back") {
        // Back from step 4 and 3 shows what was stored; Next stores it again.
        add({Back(IDD_REVIEW_PAGE, IDC_REVIEW_BACK), Back(IDD_DATETIME_PAGE, IDC_DATETIME_BACK),
             {"step 2 as stored", [] { return Shown(IDD_NETWORK_PAGE) != nullptr; },
              [] {
                  ok(Narrow(WindowText(Item(IDD_NETWORK_PAGE, IDC_HOSTNAME))) == "nas-road",
                     "step 2 shows the stored host name");
              }},
             Network(false), DateTime()});
    }
    add({Review(dhcp)});
    add(SaveAndSearchAgain(dhcp, line));
    return steps;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_INTERNET_CLASSES |
                                                       ICC_DATE_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    const std::string road = argc >= 2 ? win::AnsiFromWide(argv[1]) : "";
    if ((road != "fixed" && road != "dhcp" && road != "back") || argc > 3) {
        std::printf("usage: road_lab fixed|dhcp|back [screenshot folder]\n");
        return 2;
    }
    if (argc == 3)
        g_shotFolder = argv[2];
    guitest::RunTest(("lab_road_" + road).c_str(), [&] {
        guitest::StartScript(Road(road));
        theApp.InitInstance();
        guitest::EndScript();
    });
    return guitest::Summary();
}
