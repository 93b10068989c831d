// The wizard's page moves, driven through the real buttons and keys.
#include "app/app_objects.h"
#include "app/page_moves.h"
#include "app/welcome_dlg.h"
#include "app/wizard_state.h"
#include "res/resource.h"
#include "tests/gui/gui_test.h"
#include "tests/gui/password_stand_in.h"

namespace {

// The welcome window as the main window, open for one test; closing it takes
// every page window with it, as at the end of the program.
class Wizard {
public:
    Wizard() {
        m_welcome.Create();
        SetMainWnd(&m_welcome);
        g_passwordAnswer = IDOK;
        g_passwordChecks = 0;
        g_deviceList.FreeDeviceList();
        g_deviceList.AddDevice("sys.hostname=nas1");
    }
    ~Wizard() {
        m_welcome.DestroyWindow();
        SetMainWnd(nullptr);
        g_deviceList.FreeDeviceList();
    }
    HWND Welcome() const { return m_welcome.m_hWnd; }

private:
    CWelcomeDlg m_welcome;
};

bool Shown(HWND page) {
    return IsWindow(page) && IsWindowVisible(page);
}

// A step-1 window searches as it opens. With only loopback the probe cannot
// go out, so the search keeps the device list as it found it and lists it.
void OpenStep1() {
    if (!g_searchPage.IsWindow())
        MoveToPage(nullptr, g_searchPage);
    for (int wait = 0; wait < 100 && g_searchProgress.IsWindow(); ++wait)
        guitest::PumpFor(20);
    ok(IsWindowEnabled(g_searchPage.GetDlgItem(IDOK)),
       "expected the search ended with 确定 usable");
}

// The one window of `templateId` that is not `global`'s: the page a Back made.
HWND OtherWindow(UINT templateId, const CWnd& global) {
    for (HWND hwnd : guitest::DialogWindows(templateId))
        if (hwnd != global.m_hWnd)
            return hwnd;
    return nullptr;
}

int PageWindowCount() {
    int count = 0;
    for (UINT id : {IDD_SEARCH_PAGE, IDD_NETWORK_PAGE, IDD_DATETIME_PAGE, IDD_REVIEW_PAGE})
        count += static_cast<int>(guitest::DialogWindows(id).size());
    return count;
}

struct Move {
    CDialog* from; // null: the welcome window
    int button;
    CDialog* to;
};
const Move kForward[] = {{nullptr, IDC_START, &g_searchPage},
                         {&g_searchPage, IDOK, &g_networkPage},
                         {&g_networkPage, IDC_NETWORK_NEXT, &g_dateTimePage},
                         {&g_dateTimePage, IDC_DATETIME_NEXT, &g_reviewPage}};

} // namespace

// A click or Enter (the default button) destroys the page and shows the next,
// owned by the welcome window, which stays usable; step 1 after the password
// check, emptying the device list.
GUI_TEST(forward_moves_replace_the_page) {
    for (const UINT key : {0, VK_RETURN})
        for (const Move& move : kForward) {
            Wizard wizard;
            if (move.from == &g_searchPage)
                OpenStep1();
            else if (move.from)
                MoveToPage(nullptr, *move.from);
            const HWND from = move.from ? move.from->m_hWnd : wizard.Welcome();
            const HWND button = GetDlgItem(from, move.button);
            key ? guitest::PressKey(button, key) : guitest::Click(button);
            const UINT id = move.to->TemplateId();
            ok(Shown(move.to->m_hWnd) && GetWindow(move.to->m_hWnd, GW_OWNER) == wizard.Welcome(),
               "to %u (key %u): expected the page shown, owned by the welcome window", id, key);
            ok(move.from ? !move.from->IsWindow() && PageWindowCount() == 1
                         : IsWindowEnabled(wizard.Welcome()),
               "to %u (key %u): expected the page before gone, the welcome window kept", id, key);
            ok(g_deviceList.size() == (move.from == &g_searchPage ? 0u : 1u) &&
                   g_passwordChecks == (move.from == &g_searchPage),
               "to %u (key %u): %d password checks, %zu devices", id, key, g_passwordChecks,
               g_deviceList.size());
        }
}

// A target that has a window already is only shown: the page stays as it was,
// no action runs, and no second window is made.
GUI_TEST(forward_to_an_open_page_only_shows_it) {
    for (const Move& move : kForward) {
        Wizard wizard;
        move.to->Create();
        const HWND target = move.to->m_hWnd;
        guitest::PressKey(target, VK_ESCAPE);
        if (move.from == &g_searchPage)
            OpenStep1();
        else if (move.from)
            MoveToPage(nullptr, *move.from);
        const HWND from = move.from ? move.from->m_hWnd : wizard.Welcome();
        guitest::Click(GetDlgItem(from, move.button));
        ok(move.to->m_hWnd == target && Shown(target) && Shown(from),
           "to %u: expected the same window shown, the page before kept", move.to->TemplateId());
        ok(g_deviceList.size() == 1 && PageWindowCount() == 1 + (move.from != nullptr),
           "to %u: expected nothing else done, %zu devices, %d pages", move.to->TemplateId(),
           g_deviceList.size(), PageWindowCount());
    }
}

// A refused password leaves step 1 as it was; its exit closes it and empties
// the device list.
GUI_TEST(step1_stays_on_a_refused_password_and_exit_closes_it) {
    Wizard wizard;
    OpenStep1();
    g_passwordAnswer = IDCANCEL;
    const HWND step1 = g_searchPage.m_hWnd;
    guitest::Click(g_searchPage.GetDlgItem(IDOK));
    ok(g_searchPage.m_hWnd == step1 && Shown(step1) && !g_networkPage.IsWindow() &&
           g_deviceList.size() == 1,
       "expected step 1 as it was, no step 2, the device list kept");
    guitest::Click(g_searchPage.GetDlgItem(IDC_SEARCH_EXIT));
    ok(PageWindowCount() == 0 && g_deviceList.size() == 0 && IsWindow(wizard.Welcome()),
       "expected no page, no device, the welcome window kept");
}

// Back moves to the page object's own previous step (not the application-wide
// one), stores nothing, and only shows that step when it is open already.
GUI_TEST(back_moves_to_the_pages_own_previous_step) {
    Wizard wizard;
    g_workingSettings = "sys.hostname=edited&nwk.bootproto=none";
    MoveToPage(nullptr, g_reviewPage);
    guitest::Click(g_reviewPage.GetDlgItem(IDC_REVIEW_BACK));
    const HWND step3 = OtherWindow(IDD_DATETIME_PAGE, g_dateTimePage);
    ok(!g_reviewPage.IsWindow() && Shown(step3) && !g_dateTimePage.IsWindow(),
       "expected step 4 gone and its own step 3 shown");

    guitest::PressKey(GetDlgItem(step3, IDC_DATETIME_NEXT), VK_ESCAPE);
    MoveToPage(nullptr, g_reviewPage);
    guitest::Click(g_reviewPage.GetDlgItem(IDC_REVIEW_BACK));
    ok(Shown(step3) && Shown(g_reviewPage.m_hWnd), "expected the hidden step 3 shown, step 4 kept");
    g_reviewPage.DestroyWindow();

    guitest::Click(GetDlgItem(step3, IDC_DATETIME_BACK));
    const HWND step2 = OtherWindow(IDD_NETWORK_PAGE, g_networkPage);
    ok(!IsWindow(step3) && Shown(step2), "expected that step 3 gone and its own step 2 shown");
    guitest::Click(GetDlgItem(step2, IDC_NETWORK_BACK));
    const HWND step1 = OtherWindow(IDD_SEARCH_PAGE, g_searchPage);
    ok(!IsWindow(step2) && Shown(step1) && GetWindow(step1, GW_OWNER) == wizard.Welcome(),
       "expected that step 2 gone and its own step 1 shown, owned by the welcome window");
    ok(g_workingSettings == "sys.hostname=edited&nwk.bootproto=none" && PageWindowCount() == 1,
       "expected Back to store nothing and leave one page");
}

GUI_TEST(esc_and_close_box_only_hide_a_page) {
    Wizard wizard;
    MoveToPage(nullptr, g_dateTimePage);
    const HWND step3 = g_dateTimePage.m_hWnd;
    guitest::PressKey(g_dateTimePage.GetDlgItem(IDC_DATETIME_NEXT), VK_ESCAPE);
    ok(g_dateTimePage.m_hWnd == step3 && !IsWindowVisible(step3), "expected Esc to hide step 3");
    g_dateTimePage.ShowWindow(SW_SHOW);
    g_dateTimePage.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    guitest::Pump();
    ok(g_dateTimePage.m_hWnd == step3 && !IsWindowVisible(step3),
       "expected the close box to hide step 3");
}

GUI_TEST(closing_the_welcome_window_closes_every_page) {
    {
        Wizard wizard;
        MoveToPage(nullptr, g_searchPage);
        MoveToPage(nullptr, g_networkPage);
        MoveToPage(nullptr, g_reviewPage);
    }
    ok(!g_searchPage.IsWindow() && !g_networkPage.IsWindow() && !g_reviewPage.IsWindow() &&
           PageWindowCount() == 0,
       "expected no page window left, found %d", PageWindowCount());
}
