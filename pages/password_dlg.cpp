#include "pages/password_dlg.h"
#include "app/app_objects.h"
#include "app/wizard_state.h"
#include "messaging/settings.h"
#include "res/resource.h"
#include "win/text.h"

namespace {

// The array compares at most this many bytes of code-page-936 text: 16 ASCII
// characters or 8 Chinese ones.
constexpr int kPasswordBytes = 16;

} // namespace

CPasswordDlg::CPasswordDlg() : CDialog(IDD_PASSWORD), m_host(*this, g_passwordProgress, *this) {}

void CPasswordDlg::DoDataExchange() {
    DDX_Control(IDC_PASSWORD, m_password);
}

BOOL CPasswordDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_password.SetByteLimit(kPasswordBytes);
    return TRUE;
}

void CPasswordDlg::OnCommand(WORD id, WORD code) {
    if (id == IDC_PASSWORD && code == EN_CHANGE)
        m_password.OnChange();
}

void CPasswordDlg::OnOK() {
    ::EnableWindow(GetDlgItem(IDCANCEL), FALSE);
    ::EnableWindow(GetDlgItem(IDOK), FALSE);
    m_password.EnableWindow(FALSE);
    // The array compares bytes: send the password as a Chinese system's
    // ANSI code page spells it, with nothing escaped.
    const std::string password = win::AnsiFromWide(m_password.GetWindowText());
    m_host.Start(IDS_VERIFYING,
                 BuildRequest(GetSetting(g_reportedSettings, "nwk.ipaddr"), "VERIFY",
                              "passwd=" + password),
                 VERIFY_TICK_LIMIT);
}

void CPasswordDlg::EnableControls() {
    ::EnableWindow(GetDlgItem(IDOK), TRUE);
    ::EnableWindow(GetDlgItem(IDCANCEL), TRUE);
    m_password.EnableWindow(TRUE);
}

void CPasswordDlg::OnReply(const Reply& reply) {
    // Only a verdict ends the wait: were the controls given back on any other
    // datagram, a second check could start while this one still holds the port.
    if (reply.command != "VERIFYOK" && reply.command != "VERIFYFAIL")
        return;
    EnableControls();
    m_host.Finish();
    if (reply.command == "VERIFYOK") {
        CDialog::OnOK();
        return;
    }
    MessageBox(L"Wrong password!", L"Error", MB_ICONEXCLAMATION);
    m_password.SetText(L"");
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_password.m_hWnd), TRUE);
}

void CPasswordDlg::OnExpiry(bool listened) {
    EnableControls();
    if (!listened)
        return;
    AppMessageBoxA("Error server is not exist!!", MB_OK);
    CDialog::OnCancel();
}
