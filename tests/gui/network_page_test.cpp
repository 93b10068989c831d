// Step 2's wiring through its real controls: the mode buttons, the host name
// box, and what Next and Back leave in the working settings.
#include "app/app_objects.h"
#include "app/page_moves.h"
#include "app/wizard_state.h"
#include "res/resource.h"
#include "tests/gui/gui_test.h"
#include "tests/gui/user_script.h"

#include <commctrl.h>

namespace {

// Unknown keys around and between the page's own.
const std::string kFixed =
    "x.fw=1.2&sys.dns=8.8.8.8&sys.hostname=nas&nwk.bootproto=none&nwk.ipaddr=192.168.0.5&"
    "nwk.netmask=255.255.255.0&sys.gateway=192.168.0.1&nwk.mac=00:11";

// Step 2 opened on `settings`; every page window the test leads to goes with it.
struct Step2 {
    explicit Step2(const std::string& settings) {
        g_workingSettings = settings;
        MoveToPage(nullptr, g_networkPage);
    }
    ~Step2() {
        for (UINT id : {IDD_SEARCH_PAGE, IDD_NETWORK_PAGE, IDD_DATETIME_PAGE})
            for (HWND page : guitest::DialogWindows(id))
                CDialog::FromHandle(page)->DestroyWindow();
    }
};

HWND Item(int id) {
    return g_networkPage.GetDlgItem(id);
}

// Key by key in an emptied host name box, as typed.
std::string Type(const std::wstring& keys) {
    SetWindowTextW(Item(IDC_HOSTNAME), L"");
    for (wchar_t key : keys)
        SendMessageW(Item(IDC_HOSTNAME), WM_CHAR, key, 1);
    return guitest::Narrow(guitest::WindowText(Item(IDC_HOSTNAME)));
}

void PressNext(std::vector<guitest::Step> boxes = {}) {
    guitest::StartScript(std::move(boxes));
    guitest::Click(Item(IDC_NETWORK_NEXT));
    guitest::EndScript();
}

} // namespace

GUI_TEST(network_page_marks_one_mode_and_disables_the_addresses_for_dhcp) {
    for (bool dhcp : {true, false}) {
        Step2 page(dhcp ? "nwk.bootproto=dhcp" : "nwk.bootproto=none");
        ok(IsDlgButtonChecked(g_networkPage.m_hWnd, IDC_DHCP) == dhcp &&
               IsDlgButtonChecked(g_networkPage.m_hWnd, IDC_MANUAL_IP) == !dhcp,
           "expected %s marked alone", dhcp ? "DHCP" : "manual");
        for (int id : {IDC_IPADDR, IDC_NETMASK, IDC_GATEWAY, IDC_DNS}) {
            // The fields inside show whether the control is drawn disabled.
            ok(IsWindowEnabled(Item(id)) != dhcp &&
                   IsWindowEnabled(GetWindow(Item(id), GW_CHILD)) != dhcp,
               "address %d: expected %s", id, dhcp ? "disabled" : "enabled");
        }
    }
}

// DHCP shows the stored values again; Back drops the edits, so step 2
// reopens with the working settings.
GUI_TEST(network_dhcp_and_back_drop_the_edits) {
    for (const int button : {IDC_DHCP, IDC_NETWORK_BACK}) {
        Step2 page(kFixed);
        Type(L"edited");
        SendMessageW(Item(IDC_IPADDR), IPM_SETADDRESS, 0, MAKEIPADDRESS(9, 9, 9, 9));
        guitest::Click(Item(button));
        if (button == IDC_NETWORK_BACK)
            MoveToPage(nullptr, g_networkPage);
        DWORD address = 0;
        SendMessageW(Item(IDC_IPADDR), IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address));
        ok(guitest::WindowText(Item(IDC_HOSTNAME)) == L"nas" &&
               address == MAKEIPADDRESS(192, 168, 0, 5),
           "button %d: expected the stored name and address shown again", button);
    }
}

GUI_TEST(network_host_name_limits_typing_not_the_stored_name) {
    Step2 page("sys.hostname=abcdefghijklmnopqrst");
    const std::string stored = guitest::Narrow(guitest::WindowText(Item(IDC_HOSTNAME)));
    ok(stored == "abcdefghijklmnopqrst", "expected the stored name whole, got %s", stored.c_str());
    const std::string typed = Type(L"NAS-Server-Number-1");
    ok(typed == "nas-server-numb", "expected 15 characters in lower case, got %s", typed.c_str());
    // The limit is the array's, in bytes: seven Chinese characters and no eighth.
    const std::string chinese = Type(L"网络存储阵列名称");
    ok(chinese == guitest::Narrow(L"网络存储阵列名"), "expected 14 bytes, got %s", chinese.c_str());
}

GUI_TEST(network_next_refuses_separators_in_the_host_name) {
    for (const wchar_t* name : {L"x&nwk.bootproto", L"a=b"}) {
        Step2 page(kFixed);
        Type(name);
        PressNext({guitest::ExpectBox("Error", "Host name must not contain \"&\" or \"=\"!")});
        const LRESULT selection = SendMessageW(Item(IDC_HOSTNAME), EM_GETSEL, 0, 0);
        ok(g_workingSettings == kFixed && !g_dateTimePage.IsWindow() &&
               GetFocus() == Item(IDC_HOSTNAME) && LOWORD(selection) == 0 &&
               HIWORD(selection) == wcslen(name),
           "%s: expected nothing stored, the whole name selected in its box",
           guitest::Narrow(name).c_str());
    }
}

GUI_TEST(network_next_past_the_settings_limit_stores_nothing) {
    const std::string full = kFixed + "&pad=" + std::string(999 - 5 - kFixed.size() - 4, 'p');
    Step2 page(full);
    Type(L"nas12345");
    PressNext({guitest::ExpectBox("Error", guitest::Narrow(kSettingsTooLongText))});
    ok(g_workingSettings == full && g_networkPage.IsWindowVisible() && !g_dateTimePage.IsWindow(),
       "expected nothing stored and step 2 to stay");
}

GUI_TEST(network_back_and_next_to_an_open_step3_store_nothing) {
    for (bool back : {true, false}) {
        if (!back)
            g_dateTimePage.Create();
        Step2 page(kFixed);
        Type(L"edited");
        guitest::Click(Item(back ? IDC_NETWORK_BACK : IDC_NETWORK_NEXT));
        ok(g_workingSettings == kFixed && g_networkPage.IsWindowVisible() != back &&
               g_dateTimePage.IsWindowVisible() != back,
           "%s: expected nothing stored", back ? "Back" : "Next");
    }
}
