#include "tests/lab/lab_driver.h"

#include "app/winsock_io.h"
#include "pages/password_dlg.h"

#include <algorithm>

namespace lab {

unsigned g_ticks = 0;

static LRESULT CALLBACK CountTicks(int code, WPARAM removal, LPARAM message) {
    const MSG* msg = reinterpret_cast<const MSG*>(message);
    if (code == HC_ACTION && removal == PM_REMOVE && msg->message == WM_TIMER &&
        msg->wParam == IDT_EXCHANGE)
        ++g_ticks;
    return CallNextHookEx(nullptr, code, removal, message);
}

std::vector<std::wstring> Lines(HWND page) {
    const HWND list = GetDlgItem(page, IDC_DEVICE_LIST);
    std::vector<std::wstring> lines(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        lines[i].resize(SendMessageW(list, LB_GETTEXTLEN, i, 0));
        SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(lines[i].data()));
    }
    return lines;
}

void ClickLine(HWND page, int line, bool twice) {
    const HWND list = GetDlgItem(page, IDC_DEVICE_LIST);
    SendMessageW(list, LB_SETTOPINDEX, line, 0);
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, line, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    for (int click = 0; click <= twice; ++click) {
        SendMessageW(list, click ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(list, WM_LBUTTONUP, 0, at);
    }
}

std::string Row(HWND page, std::span<const RunTimeControl> layout, int name) {
    // The page makes its table's controls first, in table order, before the
    // template's. (Step 2 moves its mode buttons after; no case reads them.)
    const auto row = std::ranges::find(layout, name, &RunTimeControl::name);
    if (row == layout.end())
        return "";
    HWND control = GetWindow(page, GW_CHILD);
    for (auto before = row - layout.begin(); control && before > 0; --before)
        control = GetWindow(control, GW_HWNDNEXT);
    return control ? guitest::Narrow(guitest::WindowText(control)) : "";
}

std::string Rows(HWND page, std::span<const RunTimeControl> layout, std::span<const int> names) {
    std::string rows;
    for (std::size_t i = 0; i < names.size(); ++i)
        rows.append(i > 0 ? "|" : "").append(Row(page, layout, names[i]));
    return rows;
}

SOCKET HoldClientPort() {
    const SOCKET holder = socket(AF_INET, SOCK_DGRAM, 0);
    const sockaddr_in local{AF_INET, htons(CLIENT_PORT), {}, {}};
    if (bind(holder, reinterpret_cast<const sockaddr*>(&local), sizeof local) == 0)
        return holder;
    closesocket(holder);
    return INVALID_SOCKET;
}

Step Password(const std::wstring& password) {
    return guitest::On(
        IDD_PASSWORD,
        [password](HWND window) { guitest::Type(GetDlgItem(window, IDC_PASSWORD), password); },
        password.empty() ? IDCANCEL : IDOK, "password");
}

std::vector<std::wstring> g_opened;

CWizard& Wizard() {
    static CWizard wizard(
        {CheckPassword, [](const std::wstring& address) { g_opened.push_back(address); }});
    return wizard;
}

void RunWizard(std::vector<Step> steps) {
    steps.push_back(
        guitest::WhenIdle("the end", [] { guitest::Press(GetMainWnd()->m_hWnd, IDCANCEL); }));
    guitest::StartScript(std::move(steps));
    CSetupApp().InitInstance([] { Wizard().OnStart(); });
    guitest::EndScript();
    ok(!Wizard().searchPage.IsWindow(), "step 1 went with the welcome window");
    ok(!Wizard().searchProgress.IsWindow(), "its progress window too");
}

} // namespace lab

int wmain(int argc, wchar_t** argv) {
    RegisterControlClasses();
    WSADATA data;
    ok(WSAStartup(MAKEWORD(2, 2), &data) == 0, "Winsock starts");
    SetWindowsHookExW(WH_GETMESSAGE, lab::CountTicks, nullptr, GetCurrentThreadId());
    return argc > 1 ? guitest::Run(argc, argv)
                    : (std::printf("usage: lab_driver CASE [ARGUMENTS]\n"), 2);
}
