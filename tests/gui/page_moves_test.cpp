// The wizard's page moves, driven through the real buttons and keys.
#include "app/app_objects.h"
#include "app/page_moves.h"
#include "app/welcome_dlg.h"
#include "app/wizard_state.h"
#include "pages/search_page.h"
#include "res/resource.h"
#include "tests/gui/gui_test.h"

static INT_PTR g_passwordAnswer = IDOK;
static int g_passwordChecks = 0;

// Taken by the linker in place of the library's, so step 1 moves without an array to ask.
INT_PTR RunPasswordCheck() {
    ++g_passwordChecks;
    return g_passwordAnswer;
}

namespace {

// The welcome window as the main window; closing it takes every page with it.
struct Wizard {
    CWelcomeDlg welcome;
    Wizard() {
        welcome.Create();
        SetMainWnd(&welcome);
        g_passwordAnswer = IDOK;
        g_passwordChecks = 0;
        g_deviceList.FreeDeviceList();
        g_deviceList.AddDevice("sys.hostname=nas1");
        g_workingSettings.clear();
    }
    ~Wizard() {
        welcome.DestroyWindow();
        SetMainWnd(nullptr);
        g_deviceList.FreeDeviceList();
    }
};

// Step 1 searches as it opens; with only loopback it keeps the device list.
void AwaitSearch() {
    for (int wait = 0; wait < 100 && g_searchProgress.IsWindow(); ++wait)
        guitest::PumpFor(20);
}

int PageWindowCount() {
    int count = 0;
    for (UINT id : {IDD_SEARCH_PAGE, IDD_NETWORK_PAGE, IDD_DATETIME_PAGE, IDD_REVIEW_PAGE})
        count += static_cast<int>(guitest::DialogWindows(id).size());
    return count;
}

} // namespace

// A click or Enter destroys the page and shows the next, owned by the welcome
// window (step 1 after the password check, emptying the device list). A target
// open already, hidden by Esc, is only shown, and nothing is stored.
GUI_TEST(forward_moves_replace_the_page_or_show_an_open_one) {
    const struct {
        CDialog* from; // null: the welcome window
        int button;
        CDialog* to;
    } moves[] = {{nullptr, IDC_START, &g_searchPage},
                 {&g_searchPage, IDOK, &g_networkPage},
                 {&g_networkPage, IDC_NETWORK_NEXT, &g_dateTimePage},
                 {&g_dateTimePage, IDC_DATETIME_NEXT, &g_reviewPage}};
    for (const bool open : {false, true})
        for (const auto& move : moves) {
            Wizard wizard;
            const UINT id = move.to->TemplateId();
            if (open) {
                MoveToPage(nullptr, *move.to);
                guitest::PressKey(move.to->m_hWnd, VK_ESCAPE);
            }
            const HWND target = move.to->m_hWnd;
            if (move.from)
                MoveToPage(nullptr, *move.from);
            AwaitSearch();
            ok(!open || (IsWindow(target) && !IsWindowVisible(target)),
               "%u: expected Esc to hide it", id);
            const HWND from = move.from ? move.from->m_hWnd : wizard.welcome.m_hWnd;
            const std::string before = g_workingSettings;
            const HWND button = GetDlgItem(from, move.button);
            (&move - moves + open) % 2 ? guitest::PressKey(button, VK_RETURN)
                                       : guitest::Click(button);
            const bool step1 = move.from == &g_searchPage;
            ok(move.to->IsWindowVisible() && (!open || move.to->m_hWnd == target) &&
                   GetWindow(move.to->m_hWnd, GW_OWNER) == wizard.welcome.m_hWnd &&
                   (move.from ? IsWindowVisible(from) == open && PageWindowCount() == 1 + open
                              : IsWindowEnabled(from) && PageWindowCount() == 1) &&
                   g_deviceList.size() == !(step1 && !open) && g_passwordChecks == step1 &&
                   (!open || g_workingSettings == before),
               "%u (open %d): the page before %s? %d password checks, %zu devices, settings \"%s\"",
               id, open, open ? "kept" : "gone", g_passwordChecks, g_deviceList.size(),
               g_workingSettings.c_str());
        }
}

// Back moves to the page object's own previous step, not the application-wide
// one, and stores nothing. A refused password leaves step 1 as it was; its exit
// closes it and empties the device list.
GUI_TEST(back_moves_to_the_pages_own_previous_step_and_step1_stays_or_exits) {
    Wizard wizard;
    const std::string edited = "sys.hostname=edited&nwk.bootproto=none";
    g_workingSettings = edited;
    MoveToPage(nullptr, g_reviewPage);
    HWND page = g_reviewPage.m_hWnd;
    const struct {
        int button;
        UINT previous;
    } backs[] = {{IDC_REVIEW_BACK, IDD_DATETIME_PAGE},
                 {IDC_DATETIME_BACK, IDD_NETWORK_PAGE},
                 {IDC_NETWORK_BACK, IDD_SEARCH_PAGE}};
    for (const auto& back : backs) {
        guitest::Click(GetDlgItem(page, back.button));
        const std::vector<HWND> made = guitest::DialogWindows(back.previous);
        ok(!IsWindow(page) && made.size() == 1 && !g_dateTimePage.IsWindow() &&
               !g_networkPage.IsWindow() && !g_searchPage.IsWindow() && IsWindowVisible(made[0]) &&
               GetWindow(made[0], GW_OWNER) == wizard.welcome.m_hWnd && g_workingSettings == edited,
           "to %u: expected the page gone, its own previous step shown, nothing stored",
           back.previous);
        page = made.empty() ? nullptr : made[0];
    }
    AwaitSearch();
    g_passwordAnswer = IDCANCEL;
    guitest::Click(GetDlgItem(page, IDOK));
    ok(IsWindowVisible(page) && PageWindowCount() == 1 && g_deviceList.size() == 1,
       "expected a refused password to leave step 1 as it was");
    guitest::Click(GetDlgItem(page, IDC_SEARCH_EXIT));
    ok(PageWindowCount() == 0 && g_deviceList.size() == 0, "expected 退出 to empty the list");
}
