#include "pages/password_dlg.h"
#include "core/settings/settings.h"
#include "res/resource.h"

namespace {

// The array compares at most this many bytes of code-page-936 text: 16 ASCII
// characters or 8 Chinese ones.
constexpr int kPasswordBytes = 16;

} // namespace

CPasswordDlg::CPasswordDlg(const WizardRun& run, CProgressDlg& progress)
    : CDialog(IDD_PASSWORD), m_run(run), m_host(*this, progress, *this) {}

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
    const std::string address = GetSetting(m_run.reported, "nwk.ipaddr");
    // No request can name such an array: its address would be cut to another.
    if (address.size() > kAddressFieldLength) {
        MessageBox(L"The array's address is too long: the request cannot be sent!", L"Error",
                   MB_ICONEXCLAMATION);
        return;
    }
    ::EnableWindow(GetDlgItem(IDCANCEL), FALSE);
    ::EnableWindow(GetDlgItem(IDOK), FALSE);
    m_password.EnableWindow(FALSE);
    // The array compares bytes: send the password as a Chinese system's
    // ANSI code page spells it, with nothing escaped.
    const std::string password = m_password.GetBytes();
    const CWindowWatch self(*this);
    if (m_host.StartOrEnd(IDS_VERIFYING, BuildRequest(address, "VERIFY", "passwd=" + password),
                          VERIFY_TICK_LIMIT, m_run.localAddress) ||
        !self.Same())
        return;
    // Nothing went out: the user may try again once the port or the network is back.
    EnableControls();
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
    const CWindowWatch self(*this);
    MessageBox(L"Wrong password!", L"Error", MB_ICONEXCLAMATION);
    if (!self.Same())
        return;
    m_password.SetBytes("");
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_password.m_hWnd), TRUE);
}

void CPasswordDlg::OnExpiry() {
    EnableControls();
    const CWindowWatch self(*this);
    AppMessageBoxA("Error server is not exist!!", MB_OK);
    if (self.Same())
        CDialog::OnCancel();
}
