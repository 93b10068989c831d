// Step 2 as the user meets it: what it shows from the working settings and what
// "下一步" stores back, compared byte for byte.
#include "app/app_objects.h"
#include "app/page_moves.h"
#include "app/wizard_state.h"
#include "res/resource.h"
#include "tests/gui/gui_test.h"
#include "tests/gui/user_script.h"

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr char kSeparatorsText[] = "Host name must not contain \"&\" or \"=\"!";

// Unknown keys around and between the page's own, one value holding "=".
const std::string kFixed =
    "x.fw=1.2&sys.dns=8.8.8.8&sys.hostname=nas&opt=a=b&nwk.bootproto=none&nwk.ipaddr=192.168.0.5&"
    "nwk.netmask=255.255.255.0&sys.gateway=192.168.0.1&nwk.mac=00:11";

std::string With(std::string settings, const std::string& from, const std::string& to) {
    return settings.replace(settings.find(from), from.size(), to);
}

const std::string kDhcp = With(kFixed, "bootproto=none", "bootproto=dhcp");

// Step 2 opened on `settings`; every page window the test leads to goes with it.
class Step2 {
public:
    explicit Step2(const std::string& settings) {
        g_workingSettings = settings;
        MoveToPage(nullptr, g_networkPage);
    }
    ~Step2() {
        for (UINT id : {IDD_SEARCH_PAGE, IDD_NETWORK_PAGE, IDD_DATETIME_PAGE})
            for (HWND page : guitest::DialogWindows(id))
                CDialog::FromHandle(page)->DestroyWindow();
    }
    Step2(const Step2&) = delete;
    Step2& operator=(const Step2&) = delete;
};

HWND Item(int id) {
    return g_networkPage.GetDlgItem(id);
}

void SetName(const wchar_t* name) {
    SetWindowTextW(Item(IDC_HOSTNAME), name);
}

// Key by key at the end of the host name, as typed.
void Type(const std::wstring& keys) {
    const WPARAM end = GetWindowTextLengthW(Item(IDC_HOSTNAME));
    SendMessageW(Item(IDC_HOSTNAME), EM_SETSEL, end, end);
    for (wchar_t key : keys)
        SendMessageW(Item(IDC_HOSTNAME), WM_CHAR, key, 1);
}

void SetAddress(int id, BYTE a, BYTE b, BYTE c, BYTE d) {
    SendMessageW(Item(id), IPM_SETADDRESS, 0, MAKEIPADDRESS(a, b, c, d));
}

void Clear(int id) {
    SendMessageW(Item(id), IPM_CLEARADDRESS, 0, 0);
}

void PressNext(std::vector<guitest::Step> boxes = {}) {
    guitest::StartScript(std::move(boxes));
    guitest::Click(Item(IDC_NETWORK_NEXT));
    guitest::EndScript();
}

std::string Name() {
    return guitest::Narrow(guitest::WindowText(Item(IDC_HOSTNAME)));
}

constexpr int kAddressIds[] = {IDC_IPADDR, IDC_NETMASK, IDC_GATEWAY, IDC_DNS};

} // namespace

GUI_TEST(network_page_marks_dhcp_or_manual_and_disables_addresses_for_dhcp) {
    const struct {
        const char* settings;
        bool dhcp;
    } cases[] = {
        {"nwk.bootproto=dhcp", true},
        {"nwk.bootproto=DHCP", false},
    };
    for (const auto& c : cases) {
        Step2 page(c.settings);
        ok(IsDlgButtonChecked(g_networkPage.m_hWnd, IDC_DHCP) == c.dhcp &&
               IsDlgButtonChecked(g_networkPage.m_hWnd, IDC_MANUAL_IP) == !c.dhcp,
           "%s: expected %s marked alone", c.settings, c.dhcp ? "DHCP" : "manual");
        for (int id : kAddressIds) {
            const bool disabled = (GetWindowLongPtrW(Item(id), GWL_STYLE) & WS_DISABLED) != 0;
            // The fields inside show whether the control is drawn disabled.
            const bool fieldEnabled = IsWindowEnabled(GetWindow(Item(id), GW_CHILD));
            ok(disabled == c.dhcp && fieldEnabled == !c.dhcp, "%s: address %d %s", c.settings, id,
               c.dhcp ? "expected disabled" : "expected enabled");
        }
        ok(IsWindowEnabled(Item(IDC_HOSTNAME)), "%s: expected the host name editable", c.settings);
    }
}

GUI_TEST(network_next_stores_the_pages_values_in_place) {
    const struct {
        const char* what;
        std::string before;
        std::function<void()> edit;
        std::string after;
    } cases[] = {
        {"blank and 0.0.0.0 as empty, 10.0.0.1 as is", kFixed,
         [] {
             SetName(L"nas2");
             Clear(IDC_IPADDR);
             SetAddress(IDC_NETMASK, 0, 0, 0, 0);
             SetAddress(IDC_GATEWAY, 10, 0, 0, 1);
         },
         With(With(kFixed, "hostname=nas", "hostname=nas2"),
              "ipaddr=192.168.0.5&nwk.netmask=255.255.255.0&sys.gateway=192.168.0.1",
              "ipaddr=&nwk.netmask=&sys.gateway=10.0.0.1")},
        {"DHCP writes the host name and the word alone", kDhcp, [] { SetName(L"nas2"); },
         With(kDhcp, "hostname=nas", "hostname=nas2")},
        {"DHCP undoes the edits of host name and addresses", kFixed,
         [] {
             SetName(L"zzz");
             SetAddress(IDC_IPADDR, 9, 9, 9, 9);
             Clear(IDC_DNS);
             guitest::Click(Item(IDC_DHCP));
             guitest::Click(Item(IDC_MANUAL_IP));
         },
         kFixed},
        {"manual chosen over stored DHCP", kDhcp, [] { guitest::Click(Item(IDC_MANUAL_IP)); },
         kFixed},
        {"a Chinese host name keeps its bytes", "sys.hostname=\xb4\xe6\xb4\xa2&nwk.bootproto=dhcp",
         [] {}, "sys.hostname=\xb4\xe6\xb4\xa2&nwk.bootproto=dhcp"},
    };
    for (const auto& c : cases) {
        Step2 page(c.before);
        c.edit();
        PressNext();
        ok(g_workingSettings == c.after, "%s: expected \"%s\", got \"%s\"", c.what, c.after.c_str(),
           g_workingSettings.c_str());
        ok(!g_networkPage.IsWindow() && g_dateTimePage.IsWindow() &&
               g_dateTimePage.IsWindowVisible(),
           "%s: expected the move to step 3", c.what);
    }
}

GUI_TEST(network_host_name_limits_typing_not_the_stored_name) {
    Step2 page("sys.hostname=abcdefghijklmnopqrst");
    ok(Name() == "abcdefghijklmnopqrst", "expected the stored name whole, got \"%s\"",
       Name().c_str());
    SetName(L"");
    Type(L"NAS-Server-Number-1");
    ok(Name() == "nas-server-numb", "expected 15 typed characters in lower case, got \"%s\"",
       Name().c_str());
    // The limit is the array's, in bytes: seven Chinese characters and no eighth.
    SetName(L"");
    Type(L"网络存储阵列名称");
    ok(Name() == guitest::Narrow(L"网络存储阵列名"), "expected 14 bytes typed, got \"%s\"",
       Name().c_str());
}

GUI_TEST(network_back_discards_the_edits) {
    Step2 page(kFixed);
    SetName(L"edited");
    SetAddress(IDC_IPADDR, 9, 9, 9, 9);
    guitest::Click(Item(IDC_NETWORK_BACK));
    ok(g_workingSettings == kFixed, "expected nothing stored, got \"%s\"",
       g_workingSettings.c_str());
    ok(!g_networkPage.IsWindow(), "expected step 2 left");

    MoveToPage(nullptr, g_networkPage);
    DWORD address = 0;
    SendMessageW(Item(IDC_IPADDR), IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address));
    ok(Name() == "nas" && address == MAKEIPADDRESS(192, 168, 0, 5),
       "expected the working settings shown again, got \"%s\" and %08lx", Name().c_str(), address);
}

GUI_TEST(network_next_with_step3_open_only_shows_it) {
    g_dateTimePage.Create();
    Step2 page(kFixed);
    SetName(L"nas2");
    PressNext();
    ok(g_dateTimePage.IsWindowVisible(), "expected step 3 shown");
    ok(g_networkPage.IsWindow() && g_networkPage.IsWindowVisible(), "expected step 2 to stay");
    ok(g_workingSettings == kFixed, "expected nothing stored, got \"%s\"",
       g_workingSettings.c_str());
}

GUI_TEST(network_next_refuses_separators_in_the_host_name) {
    for (const wchar_t* name : {L"x&nwk.bootproto", L"a=b"}) {
        const std::string shown = guitest::Narrow(name);
        Step2 page(kFixed);
        SetName(L"");
        Type(name);
        PressNext({guitest::ExpectBox("Error", kSeparatorsText)});
        ok(g_workingSettings == kFixed, "%s: expected nothing stored, got \"%s\"", shown.c_str(),
           g_workingSettings.c_str());
        ok(g_networkPage.IsWindowVisible() && !g_dateTimePage.IsWindow(),
           "%s: expected step 2 to stay", shown.c_str());
        const LRESULT selection = SendMessageW(Item(IDC_HOSTNAME), EM_GETSEL, 0, 0);
        ok(GetFocus() == Item(IDC_HOSTNAME) && LOWORD(selection) == 0 &&
               HIWORD(selection) == shown.size(),
           "%s: expected the whole name selected in its box", shown.c_str());
    }
}

// What a save that would pass the settings' limit shows; what it keeps is
// the exchange block's business.
GUI_TEST(network_next_past_the_limit_shows_the_too_long_box) {
    const std::string full = kFixed + "&pad=" + std::string(999 - 5 - kFixed.size() - 4, 'p');
    Step2 page(full);
    Type(L"12345");
    PressNext({guitest::ExpectBox("Error", guitest::Narrow(kSettingsTooLongText))});
    ok(g_workingSettings == full && g_networkPage.IsWindowVisible() && !g_dateTimePage.IsWindow(),
       "expected nothing stored and step 2 to stay");
}
