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
    }
    ~Wizard() {
        m_welcome.DestroyWindow();
        SetMainWnd(nullptr);
        g_deviceList.FreeDeviceList();
    }
    Wizard(const Wizard&) = delete;
    Wizard& operator=(const Wizard&) = delete;

    HWND Welcome() const { return m_welcome.m_hWnd; }
    void Press(CWnd& page, int id) { guitest::Click(page.GetDlgItem(id)); }
    void Start() { guitest::Click(m_welcome.GetDlgItem(IDC_START)); }
    // "开始" with one array found. With only loopback the probe cannot go out,
    // so the search keeps the device list as it found it and lists it.
    void StartWithOneArray() {
        g_deviceList.AddDevice("sys.hostname=nas1");
        Start();
        for (int wait = 0; wait < 100 && g_searchProgress.IsWindow(); ++wait)
            guitest::PumpFor(20);
        ok(!g_searchProgress.IsWindow() && IsWindowEnabled(g_searchPage.GetDlgItem(IDOK)),
           "expected the search ended with \"确定\" enabled");
    }

private:
    CWelcomeDlg m_welcome;
};

bool Shown(const CWnd& page) {
    return page.IsWindow() && page.IsWindowVisible();
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

} // namespace

GUI_TEST(start_opens_step1_owned_by_the_welcome_window) {
    Wizard wizard;
    wizard.Start();
    ok(Shown(g_searchPage), "expected the step-1 page shown");
    ok(GetWindow(g_searchPage.m_hWnd, GW_OWNER) == wizard.Welcome(),
       "expected the page owned by the welcome window");
    ok(IsWindowEnabled(wizard.Welcome()), "expected the welcome window to stay usable");
}

GUI_TEST(start_again_shows_the_same_step1_window) {
    Wizard wizard;
    wizard.Start();
    const HWND first = g_searchPage.m_hWnd;
    guitest::PressKey(g_searchPage.GetDlgItem(IDOK), VK_ESCAPE);
    ok(g_searchPage.m_hWnd == first && !g_searchPage.IsWindowVisible(),
       "expected Esc to hide step 1, keeping its window");
    wizard.Start();
    ok(g_searchPage.m_hWnd == first, "expected the same window, not a new one");
    ok(Shown(g_searchPage), "expected step 1 shown again");
    ok(guitest::DialogWindows(IDD_SEARCH_PAGE).size() == 1, "expected one step-1 window");
}

GUI_TEST(enter_on_the_welcome_window_starts) {
    Wizard wizard;
    guitest::PressKey(GetDlgItem(wizard.Welcome(), IDC_START), VK_RETURN);
    ok(Shown(g_searchPage), "expected Enter (the default button) to open step 1");
}

GUI_TEST(step1_ok_moves_forward_and_empties_the_device_list) {
    Wizard wizard;
    wizard.StartWithOneArray();
    wizard.Press(g_searchPage, IDOK);
    ok(g_passwordChecks == 1, "expected one password check, got %d", g_passwordChecks);
    ok(!g_searchPage.IsWindow(), "expected the step-1 window destroyed");
    ok(Shown(g_networkPage), "expected step 2 shown");
    ok(GetWindow(g_networkPage.m_hWnd, GW_OWNER) == wizard.Welcome(),
       "expected step 2 owned by the welcome window");
    ok(g_deviceList.size() == 0, "expected the device list emptied, %zu left", g_deviceList.size());
}

GUI_TEST(step1_ok_with_a_refused_password_stays) {
    Wizard wizard;
    wizard.StartWithOneArray();
    g_passwordAnswer = IDCANCEL;
    const HWND step1 = g_searchPage.m_hWnd;
    wizard.Press(g_searchPage, IDOK);
    ok(g_searchPage.m_hWnd == step1 && Shown(g_searchPage), "expected step 1 to stay as it was");
    ok(!g_networkPage.IsWindow(), "expected no step-2 window");
    ok(g_deviceList.size() == 1, "expected the device list kept, %zu left", g_deviceList.size());
}

GUI_TEST(step1_ok_only_shows_an_open_step2) {
    Wizard wizard;
    MoveToPage(nullptr, g_networkPage);
    const HWND step2 = g_networkPage.m_hWnd;
    guitest::PressKey(g_networkPage.GetDlgItem(IDC_NETWORK_NEXT), VK_ESCAPE);
    ok(!g_networkPage.IsWindowVisible(), "expected Esc to hide step 2");
    wizard.StartWithOneArray();
    wizard.Press(g_searchPage, IDOK);
    ok(g_networkPage.m_hWnd == step2 && Shown(g_networkPage), "expected the same step 2 shown");
    ok(Shown(g_searchPage), "expected step 1 to stay open");
    ok(g_deviceList.size() == 1, "expected the device list kept, %zu left", g_deviceList.size());
}

GUI_TEST(step1_exit_closes_it_and_empties_the_device_list) {
    Wizard wizard;
    wizard.StartWithOneArray();
    wizard.Press(g_searchPage, IDC_SEARCH_EXIT);
    ok(!g_searchPage.IsWindow(), "expected the step-1 window destroyed");
    ok(PageWindowCount() == 0, "expected no page window, found %d", PageWindowCount());
    ok(g_deviceList.size() == 0, "expected the device list emptied");
    ok(IsWindow(wizard.Welcome()), "expected the welcome window to stay");
}

GUI_TEST(forward_moves_through_steps_2_to_4) {
    Wizard wizard;
    MoveToPage(nullptr, g_networkPage);
    wizard.Press(g_networkPage, IDC_NETWORK_NEXT);
    ok(!g_networkPage.IsWindow(), "expected step 2 destroyed");
    ok(Shown(g_dateTimePage), "expected step 3 shown");
    wizard.Press(g_dateTimePage, IDC_DATETIME_NEXT);
    ok(!g_dateTimePage.IsWindow(), "expected step 3 destroyed");
    ok(Shown(g_reviewPage), "expected step 4 shown");
    ok(PageWindowCount() == 1, "expected one page window, found %d", PageWindowCount());
}

GUI_TEST(forward_to_an_open_page_only_shows_it) {
    Wizard wizard;
    g_dateTimePage.Create();
    g_reviewPage.Create();
    const HWND step3 = g_dateTimePage.m_hWnd;
    const HWND step4 = g_reviewPage.m_hWnd;
    MoveToPage(nullptr, g_networkPage);
    wizard.Press(g_networkPage, IDC_NETWORK_NEXT);
    ok(g_dateTimePage.m_hWnd == step3 && Shown(g_dateTimePage), "expected the same step 3 shown");
    ok(Shown(g_networkPage), "expected step 2 to stay");
    wizard.Press(g_dateTimePage, IDC_DATETIME_NEXT);
    ok(g_reviewPage.m_hWnd == step4 && Shown(g_reviewPage), "expected the same step 4 shown");
    ok(Shown(g_dateTimePage), "expected step 3 to stay");
}

GUI_TEST(back_moves_to_the_pages_own_previous_step) {
    Wizard wizard;
    g_workingSettings = "sys.hostname=edited&nwk.bootproto=none";
    const std::string before = g_workingSettings;
    MoveToPage(nullptr, g_reviewPage);

    wizard.Press(g_reviewPage, IDC_REVIEW_BACK);
    ok(!g_reviewPage.IsWindow(), "expected step 4 destroyed");
    const HWND step3 = OtherWindow(IDD_DATETIME_PAGE, g_dateTimePage);
    ok(step3 != nullptr && IsWindowVisible(step3), "expected step 4's own step 3 shown");
    ok(!g_dateTimePage.IsWindow(), "expected the application-wide step 3 untouched");

    guitest::Click(GetDlgItem(step3, IDC_DATETIME_BACK));
    ok(!IsWindow(step3), "expected that step 3 destroyed");
    const HWND step2 = OtherWindow(IDD_NETWORK_PAGE, g_networkPage);
    ok(step2 != nullptr && IsWindowVisible(step2), "expected its own step 2 shown");

    guitest::Click(GetDlgItem(step2, IDC_NETWORK_BACK));
    ok(!IsWindow(step2), "expected that step 2 destroyed");
    const HWND step1 = OtherWindow(IDD_SEARCH_PAGE, g_searchPage);
    ok(step1 != nullptr && IsWindowVisible(step1), "expected its own step 1 shown");
    ok(GetWindow(step1, GW_OWNER) == wizard.Welcome(), "expected it owned by the welcome window");

    ok(g_workingSettings == before, "expected Back to store nothing, got \"%s\"",
       g_workingSettings.c_str());
    ok(PageWindowCount() == 1, "expected one page window, found %d", PageWindowCount());
}

GUI_TEST(back_to_an_open_page_only_shows_it) {
    Wizard wizard;
    MoveToPage(nullptr, g_reviewPage);
    wizard.Press(g_reviewPage, IDC_REVIEW_BACK);
    const HWND step3 = OtherWindow(IDD_DATETIME_PAGE, g_dateTimePage);
    // Forward again to the application-wide step 4, then Back while its own
    // step 3 still exists (hidden by Esc).
    guitest::PressKey(GetDlgItem(step3, IDC_DATETIME_NEXT), VK_ESCAPE);
    ok(IsWindow(step3) && !IsWindowVisible(step3), "expected Esc to hide step 3");
    MoveToPage(nullptr, g_reviewPage);
    wizard.Press(g_reviewPage, IDC_REVIEW_BACK);
    ok(IsWindowVisible(step3), "expected the same step 3 shown");
    ok(Shown(g_reviewPage), "expected step 4 to stay");
}

GUI_TEST(save_on_step4_leaves_the_page_as_it_is) {
    Wizard wizard;
    MoveToPage(nullptr, g_reviewPage);
    const HWND step4 = g_reviewPage.m_hWnd;
    wizard.Press(g_reviewPage, IDC_SAVE);
    ok(g_reviewPage.m_hWnd == step4 && Shown(g_reviewPage), "expected step 4 unchanged");
    ok(PageWindowCount() == 1, "expected no other page, found %d", PageWindowCount());
}

GUI_TEST(esc_and_close_box_hide_a_page) {
    Wizard wizard;
    MoveToPage(nullptr, g_dateTimePage);
    const HWND step3 = g_dateTimePage.m_hWnd;
    guitest::PressKey(g_dateTimePage.GetDlgItem(IDC_DATETIME_NEXT), VK_ESCAPE);
    ok(g_dateTimePage.m_hWnd == step3 && !g_dateTimePage.IsWindowVisible(),
       "expected Esc to hide step 3 and keep its window");
    g_dateTimePage.ShowWindow(SW_SHOW);
    g_dateTimePage.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    guitest::Pump();
    ok(g_dateTimePage.m_hWnd == step3 && !g_dateTimePage.IsWindowVisible(),
       "expected the close box to hide step 3 and keep its window");
}

GUI_TEST(enter_on_a_page_presses_its_forward_button) {
    Wizard wizard;
    MoveToPage(nullptr, g_networkPage);
    guitest::PressKey(g_networkPage.GetDlgItem(IDC_NETWORK_NEXT), VK_RETURN);
    ok(Shown(g_dateTimePage), "expected Enter to move on to step 3");
    ok(!g_networkPage.IsWindow(), "expected step 2 destroyed");
}

GUI_TEST(closing_the_welcome_window_closes_every_page) {
    {
        Wizard wizard;
        wizard.Start();
        MoveToPage(nullptr, g_networkPage);
        MoveToPage(nullptr, g_reviewPage);
    }
    ok(!g_searchPage.IsWindow() && !g_networkPage.IsWindow() && !g_reviewPage.IsWindow(),
       "expected every page object without a window");
    ok(PageWindowCount() == 0, "expected no page window left, found %d", PageWindowCount());
}
