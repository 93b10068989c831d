#include "pages/password_dlg.h"
#include "res/messages.h"
#include "res/resource.h"

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
    // The array compares bytes: the password goes as a Chinese system's ANSI
    // code page spells it, with nothing escaped.
    const Conversation check =
        Conversation::Verify(m_run.reported, m_run.localAddress, m_password.GetBytes());
    // No request can name such an array: its address would be cut to another.
    if (check.Refused()) {
        MessageBoxA(kAddressTooLongText, kErrorCaption, MB_ICONEXCLAMATION);
        return;
    }
    ::EnableWindow(GetDlgItem(IDCANCEL), FALSE);
    ::EnableWindow(GetDlgItem(IDOK), FALSE);
    m_password.EnableWindow(FALSE);
    const CWindowWatch self(*this);
    if (!m_host.StartOrEnd(IDS_VERIFYING, check) || !self.Same())
        return;
    // Nothing went out: the user may try again once the port or the network is back.
    EnableControls();
}

void CPasswordDlg::EnableControls() {
    ::EnableWindow(GetDlgItem(IDOK), TRUE);
    ::EnableWindow(GetDlgItem(IDCANCEL), TRUE);
    m_password.EnableWindow(TRUE);
}

// Only a verdict is an answer: were the controls given back on any other
// datagram, a second check could start while this one still holds the port.
void CPasswordDlg::OnAnswer(const Reply&, Answer answer) {
    EnableControls();
    m_host.Finish();
    if (answer == Answer::kPasswordRight) {
        CDialog::OnOK();
        return;
    }
    const CWindowWatch self(*this);
    MessageBoxA(kWrongPasswordText, kErrorCaption, MB_ICONEXCLAMATION);
    if (!self.Same())
        return;
    m_password.SetBytes("");
    SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_password.m_hWnd), TRUE);
}

void CPasswordDlg::OnExpiry() {
    EnableControls();
    const CWindowWatch self(*this);
    AppMessageBoxA(kNoAnswerToCheckText, MB_OK);
    if (self.Same())
        CDialog::OnCancel();
}

INT_PTR CheckPassword(const WizardRun& run, CProgressDlg& progress) {
    CPasswordDlg dialog(run, progress);
    return dialog.DoModal();
}
