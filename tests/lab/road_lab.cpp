// The whole road on the real wizard under Wine in the lab, from the welcome
// window to the save and a new search (the roads: lab_test.sh). A road with a
// FOLDER stops at each window for tools/screenshots.sh: "ready NAME left top
// right bottom" on stdout, then waits for FOLDER\NAME.done.
#include "pages/page_layouts.h"
#include "tests/lab/lab_driver.h"

#include <commctrl.h>

#include <set>

namespace {

using guitest::On, guitest::Picture, guitest::Step;

// Step 1 once its search has ended: the lab's arrays (`count`: three, four with
// a second segment), one of them perhaps renamed by the road, and nothing a
// hostile datagram named. Line `line` is clicked; then OK, if `next`.
Step SearchEnded(int line, std::size_t count, bool next = true, const char* shot = nullptr) {
    const auto check = [=](HWND page) {
        const std::set<std::wstring> ours = {L"Q6-Store01", L"Q6-Backup", L"Q6-Media", L"Q6-Far",
                                             L"nas-road"};
        const std::vector<std::wstring> lines = lab::Lines(page);
        ok(lines.size() == count, "the lab's %zu arrays listed (got %zu)", count, lines.size());
        for (const std::wstring& name : lines)
            ok(ours.contains(name), "%s is one of the lab's", guitest::Narrow(name).c_str());
        Picture(shot, page); // as the search left it
        lab::ClickLine(page, line);
    };
    return On(IDD_SEARCH_PAGE, check, next ? IDOK : 0);
}

Step Network(bool dhcp, const wchar_t* name = L"nas-road") {
    const auto fill = [dhcp, name](HWND page) {
        // The mode first: choosing DHCP shows the stored values again.
        SendMessageW(GetDlgItem(page, dhcp ? IDC_DHCP : IDC_MANUAL_IP), BM_CLICK, 0, 0);
        if (!dhcp)
            for (const auto& [id, address] : {std::pair{IDC_IPADDR, MAKEIPADDRESS(10, 77, 1, 42)},
                                              {IDC_NETMASK, MAKEIPADDRESS(255, 255, 255, 0)},
                                              {IDC_GATEWAY, MAKEIPADDRESS(10, 77, 0, 1)},
                                              {IDC_DNS, MAKEIPADDRESS(10, 77, 0, 53)}})
                SendMessageW(GetDlgItem(page, id), IPM_SETADDRESS, 0, address);
        SetWindowTextW(GetDlgItem(page, IDC_HOSTNAME), name);
    };
    return On(IDD_NETWORK_PAGE, fill, IDC_NETWORK_NEXT, "step2");
}

// The user picks the Pacific zone and sets a date and a time of their own.
Step DateTime() {
    const auto set = [](HWND page) {
        const HWND zone = GetDlgItem(page, IDC_TIMEZONE);
        SendMessageW(zone, CB_SETCURSEL, 4, 0);
        SendMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_TIMEZONE, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(zone));
        // Each picker as the user's keys leave it: the value, then its notification.
        SYSTEMTIME when = {2031, 7, 0, 4, 8, 9, 10, 0};
        for (const int id : {IDC_DATE, IDC_TIME}) {
            const HWND picker = GetDlgItem(page, id);
            SetFocus(picker);
            SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&when));
            NMDATETIMECHANGE change = {{picker, UINT_PTR(id), DTN_DATETIMECHANGE}, GDT_VALID, when};
            SendMessageW(page, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&change));
        }
    };
    return On(IDD_DATETIME_PAGE, set, IDC_DATETIME_NEXT, "step3");
}

// Step 4's new column, and beside it the IP state the array reported, the
// other one on every road (the rest of that column is the byte-exact SET's
// business); then button `id`.
Step Review(bool dhcp, int id = IDC_SAVE) {
    const std::string want =
        dhcp ? "nas-road|10.77.1.1|255.255.0.0|10.77.0.254|DHCP|2031/07/04|08:09:10"
             : "nas-road|10.77.1.42|255.255.255.0|10.77.0.1|Fixed|2031/07/04|08:09:10";
    const auto check = [dhcp, want](HWND page) {
        const std::string shown = lab::Rows(page, kReviewPageLayout, kReviewNewColumn);
        ok(shown == want, "step 4 shows %s", shown.c_str());
        ok(lab::Row(page, kReviewPageLayout, IDL_STEP4_BEFORE_BOOTPROTO) ==
               (dhcp ? "Fixed" : "DHCP"),
           "the reported IP state beside it");
    };
    return On(IDD_REVIEW_PAGE, check, id, "step4");
}

// The keyboard: each key goes to the window that has the focus when it is
// read, as the user's would. Tab, Enter, the arrows (→ ↓ ↑), Home (⇱) and
// End (⇲) are keys; every other character is typed.
void Keys(const std::wstring& keys) {
    const std::wstring_view named = L"\t\r→↓↑⇱⇲";
    const WORD codes[] = {VK_TAB, VK_RETURN, VK_RIGHT, VK_DOWN, VK_UP, VK_HOME, VK_END};
    std::vector<INPUT> input;
    for (const wchar_t c : keys) {
        const WORD key = named.find(c) == named.npos ? 0 : codes[named.find(c)];
        for (const DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
            INPUT one{};
            one.type = INPUT_KEYBOARD;
            one.ki.wVk = key;
            one.ki.wScan = key ? 0 : static_cast<WORD>(c);
            one.ki.dwFlags = up | (key ? 0 : KEYEVENTF_UNICODE);
            input.push_back(one);
        }
    }
    ok(SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT)) == input.size(),
       "the keys go in");
}

// A picker's fields typed in the order of the format it shows, → between them.
std::wstring PickerKeys(LCTYPE format, const SYSTEMTIME& when) {
    wchar_t text[80] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, format, text, 80);
    const std::wstring_view fields = L"yMdHhms";
    const int values[] = {
        when.wYear,   when.wMonth, when.wDay, when.wHour, (when.wHour + 11) % 12 + 1,
        when.wMinute, when.wSecond};
    std::wstring keys;
    for (const wchar_t* at = text; *at; ++at) {
        if (at != text && at[-1] == *at)
            continue;
        if (fields.find(*at) != fields.npos)
            keys += (keys.empty() ? L"" : L"→") + std::to_wstring(values[fields.find(*at)]);
        else if (*at == L't')
            keys += when.wHour < 12 ? L"→A" : L"→P";
    }
    return keys;
}

// The fixed road by keys alone: Enter presses the default button, Tab and the
// arrows reach every control, typing fills the focused one.
std::vector<Step> KeyRoad() {
    const auto keys = [](UINT templateId, std::wstring typed, int focused = 0) {
        return On(templateId, [=](HWND window) {
            ok(!focused || GetFocus() == GetDlgItem(window, focused),
               "template %u starts at control %d", templateId, focused);
            Keys(typed);
        });
    };
    const SYSTEMTIME when = {2031, 7, 0, 4, 8, 9, 10, 0};
    return {
        keys(IDD_WELCOME, L"\r", IDC_START),
        keys(IDD_SEARCH_PAGE, L"↓\r", IDC_DEVICE_LIST),
        keys(IDD_PASSWORD, L"admin\r", IDC_PASSWORD),
        // The array is on DHCP: Down chooses the fixed address, Up DHCP, Down
        // the fixed address again. Choosing DHCP shows the stored values
        // again, so the name comes last, Tab going round to it. Wine's address
        // control leaves the caret at the start of the field it moves on to
        // after three digits, where "." does not move on.
        keys(IDD_NETWORK_PAGE,
             L"\t↓↑↓\t10.77.1.42\t255⇲.255⇲.0\t10.77.0.1\t10.77.0.53\t\t\tnas-road\r",
             IDC_HOSTNAME),
        // Wine's picker selects none of its fields when Tab gives it the
        // focus: the first → selects the first.
        keys(IDD_DATETIME_PAGE,
             L"⇱↓↓↓↓\t→" + PickerKeys(LOCALE_SSHORTDATE, when) + L"\t→" +
                 PickerKeys(LOCALE_STIMEFORMAT, when) + L"\r",
             IDC_TIMEZONE),
        Review(false, 0),
        keys(IDD_REVIEW_PAGE, L"\r", IDC_SAVE),
        keys(IDD_CONFIRM, L"\r", IDOK),
        {"the saved box", [] { return guitest::FindMessageBox().has_value(); },
         [] { Keys(L"\r"); }},
        {"the page gone",
         [] { return !lab::Wizard().reviewPage.IsWindow() && !guitest::FindMessageBox(); },
         [] { Keys(L"\r"); }},
        SearchEnded(1, 3, false),
    };
}

// Steps 2 and 3 passed without a touch; step 4 shows the reported values in
// both columns, whole, "DHCP" as Fixed (only "dhcp" is DHCP), the new one's
// clock running, and is saved seconds later.
std::vector<Step> Untouched() {
    static std::string shownTime;
    static double shownAt = 0;
    const auto time = [](HWND page) {
        return lab::Row(page, kReviewPageLayout, IDL_STEP4_NEW_TIME);
    };
    return {On(IDD_NETWORK_PAGE, {}, IDC_NETWORK_NEXT),
            On(IDD_DATETIME_PAGE, {}, IDC_DATETIME_NEXT),
            On(IDD_REVIEW_PAGE,
               [time](HWND page) {
                   const std::string before = lab::Rows(page, kReviewPageLayout,
                                                        lab::kBeforeWithoutClock),
                                     after =
                                         lab::Rows(page, kReviewPageLayout, lab::kNewWithoutClock);
                   ok(after == "Q6-Media|10.77.1.3|255.255.0.0|" + std::string(300, 'g') + "|Fixed",
                      "step 4 shows the reported values: %.80s", after.c_str());
                   ok(before == after, "nothing changed: %.80s", before.c_str());
                   shownTime = time(page);
                   shownAt = guitest::NowMs();
               }),
            {"two seconds on step 4, its clock running",
             [time] {
                 return guitest::NowMs() - shownAt > 2200 &&
                        time(guitest::Shown(IDD_REVIEW_PAGE)) != shownTime;
             },
             [] { guitest::Press(guitest::Shown(IDD_REVIEW_PAGE), IDC_SAVE); }}};
}

std::vector<Step> Road(const std::string& road) {
    // The rival road takes array 1 to DHCP, the others array 2 to a fixed address.
    const bool back = road == "back", rival = road == "rival";
    const int line = rival ? 0 : road == "untouched" ? 2 : road == "second" ? 3 : 1;
    const std::size_t count = road == "second" ? 4 : 3;
    std::vector<Step> steps = {On(IDD_WELCOME, {}, IDC_START, "welcome"),
                               {"the search under way",
                                [] { return lab::Wizard().searchProgress.IsWindowVisible(); },
                                [] { Picture("searching", lab::Wizard().searchProgress.m_hWnd); }},
                               SearchEnded(line, count, true, "step1"),
                               lab::Password(L"admin")};
    if (back)
        // Back from step 2 searches again; back from steps 4 and 3 leads to
        // step 2 again, whose Next must store the changes made since.
        steps.insert(steps.end(), {On(IDD_NETWORK_PAGE, {}, IDC_NETWORK_BACK),
                                   SearchEnded(1, count), lab::Password(L"admin"), Network(true),
                                   DateTime(), On(IDD_REVIEW_PAGE, {}, IDC_REVIEW_BACK),
                                   On(IDD_DATETIME_PAGE, {}, IDC_DATETIME_BACK)});
    if (rival)
        // A first pass left on step 4, hidden by Esc; the second pass must
        // make it anew.
        steps.insert(
            steps.end(),
            {Network(false, L"first-pass"), On(IDD_DATETIME_PAGE, {}, IDC_DATETIME_NEXT),
             On(IDD_REVIEW_PAGE,
                [](HWND page) {
                    ok(lab::Row(page, kReviewPageLayout, IDL_STEP4_NEW_NAME) == "first-pass",
                       "the first pass on step 4");
                    PostMessageW(page, WM_COMMAND, IDCANCEL, 0); // Esc
                }),
             On(IDD_WELCOME, {}, IDC_START), SearchEnded(line, count), lab::Password(L"admin")});
    const std::vector<Step> edits =
        road == "untouched"
            ? Untouched()
            : std::vector{Network(rival), DateTime(), Review(rival, rival ? 0 : IDC_SAVE)};
    steps.insert(steps.end(), edits.begin(), edits.end());
    if (rival) // A new search selects another array while step 4 waits for "保存".
        steps.insert(steps.end(), {On(IDD_WELCOME, {}, IDC_START), SearchEnded(1, count, false),
                                   On(IDD_REVIEW_PAGE, {}, IDC_SAVE)});
    if (back) // Cancel on the confirmation: nothing is sent, step 4 is usable again.
        steps.insert(steps.end(),
                     {On(IDD_CONFIRM, {}, IDCANCEL), On(IDD_REVIEW_PAGE, {}, IDC_SAVE)});
    steps.insert(steps.end(),
                 {On(IDD_CONFIRM, {}, IDOK, "confirm"),
                  guitest::ExpectBox("Status", "Configurations have saved successfully!",
                                     [] { Picture("saved", guitest::FindMessageBox()->window); }),
                  {"the page gone", [] { return !lab::Wizard().reviewPage.IsWindow(); },
                   [] { guitest::Press(GetMainWnd()->m_hWnd, IDC_START); }},
                  SearchEnded(line, count, false)});
    return steps;
}

// The array's host name set in UTF-8 through its web page, bytes that code page
// 936 cannot spell back: with only the gateway changed on step 2, the SET
// carries the name byte for byte (lab_test.sh).
GUI_TEST(name_bytes) {
    lab::RunWizard({On(IDD_WELCOME, {}, IDC_START), On(IDD_SEARCH_PAGE, {}, IDOK),
                    lab::Password(L"admin"),
                    On(
                        IDD_NETWORK_PAGE,
                        [](HWND page) {
                            SendDlgItemMessageW(page, IDC_GATEWAY, IPM_SETADDRESS, 0,
                                                MAKEIPADDRESS(10, 77, 0, 9));
                        },
                        IDC_NETWORK_NEXT),
                    On(IDD_DATETIME_PAGE, {}, IDC_DATETIME_NEXT), On(IDD_REVIEW_PAGE, {}, IDC_SAVE),
                    On(IDD_CONFIRM, {}, IDOK),
                    guitest::ExpectBox("Status", "Configurations have saved successfully!")});
}

// Each road a case (the flood road is the fixed one).
const bool g_roads = [] {
    for (const char* road : {"fixed", "back", "rival", "untouched", "second", "keys"})
        guitest::AddTest(std::string("road_") + road, [road](const guitest::Args& folder) {
            guitest::g_pictureFolder = folder.empty() ? L"" : folder[0];
            lab::RunWizard(road == std::string("keys") ? KeyRoad() : Road(road));
        });
    return true;
}();

} // namespace
