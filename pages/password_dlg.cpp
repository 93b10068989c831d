#include "pages/password_dlg.h"
#include "app/app_objects.h"
#include "app/wizard_state.h"
#include "messaging/settings.h"
#include "res/resource.h"
#include "win/text.h"

namespace {

constexpr int kPasswordLimit = 16;

} // namespace

CPasswordDlg::CPasswordDlg() : CDialog(IDD_PASSWORD), m_progress(g_passwordProgress) {}

void CPasswordDlg::DoDataExchange() {
    DDX_Control(IDC_PASSWORD, m_password);
}

BOOL CPasswordDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_password.LimitText(kPasswordLimit);
    return TRUE;
}

void CPasswordDlg::OnOK() {
    ::EnableWindow(GetDlgItem(IDCANCEL), FALSE);
    ::EnableWindow(GetDlgItem(IDOK), FALSE);
    m_progress.Open(m_hWnd);
    if (m_progress.m_message.IsWindow())
        m_progress.m_message.SetWindowText(win::LoadResourceString(IDS_VERIFYING));
    m_password.EnableWindow(FALSE);

    // The array compares bytes: send the password as a Chinese system's
    // ANSI code page spells it, with nothing escaped.
    const std::string password = win::AnsiFromWide(m_password.GetWindowText());
    const std::string request =
        BuildRequest(GetSetting(g_reportedSettings, "nwk.ipaddr"), "VERIFY", "passwd=" + password);
    m_exchange.SendRequest(request, VERIFY_TICK_LIMIT);
}

bool CPasswordDlg::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_TIMER:
        OnTimer();
        result = 0;
        return true;
    case WM_PING_ASYNCH:
        OnPINGAsynch(lParam);
        result = 0;
        return true;
    }
    return CDialog::ProcessMessage(message, wParam, lParam, result);
}

void CPasswordDlg::EndWaiting() {
    ::EnableWindow(GetDlgItem(IDOK), TRUE);
    ::EnableWindow(GetDlgItem(IDCANCEL), TRUE);
    m_password.EnableWindow(TRUE);
    m_progress.DestroyWindow();
}

void CPasswordDlg::OnPINGAsynch(LPARAM event) {
    const std::optional<Reply> reply =
        m_exchange.OnPINGAsynch(WSAGETSELECTEVENT(event), WSAGETSELECTERROR(event));
    // Only a verdict ends the wait: were the controls given back on any other
    // datagram, a second check could start while this one still holds the port.
    if (!reply || (reply->command != "VERIFYOK" && reply->command != "VERIFYFAIL"))
        return;
    EndWaiting();
    m_exchange.StopTimer();
    m_exchange.CloseReceiveSocket();
    if (reply->command == "VERIFYOK") {
        CDialog::OnOK();
        return;
    }
    MessageBox(L"Wrong password!", L"Error", MB_ICONEXCLAMATION);
    m_password.SetWindowText(L"");
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_password.m_hWnd), TRUE);
}

void CPasswordDlg::OnTimer() {
    m_progress.Step();
    if (!m_exchange.OnTick())
        return;
    EndWaiting();
    m_exchange.StopTimer();
    // A verdict handled during this tick's step has closed the socket already.
    if (!m_exchange.ReceiveSocketOpen())
        return;
    m_exchange.CloseReceiveSocket();
    AppMessageBoxA("Error server is not exist!!", MB_OK);
    CDialog::OnCancel();
}
