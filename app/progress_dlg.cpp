#include "app/progress_dlg.h"

#include "res/resource.h"
#include "win/text.h"

CProgressDlg::CProgressDlg() : CDialog(IDD_PROGRESS) {}

CProgressDlg::~CProgressDlg() {
    if (IsWindow())
        DestroyWindow();
}

BOOL CProgressDlg::Open(HWND owner) {
    if (IsWindow())
        return TRUE;
    // A window that went with its owner never ran DestroyWindow: its flag
    // must not make a later close enable an owner this Open did not disable.
    m_ownerDisabled = false;
    m_owner = GetSafeOwner(owner);
    if (m_owner != nullptr && ::IsWindowEnabled(m_owner)) {
        ::EnableWindow(m_owner, FALSE);
        m_ownerDisabled = true;
    }
    if (!Create(owner)) {
        if (m_ownerDisabled && m_owner != nullptr)
            ::EnableWindow(m_owner, TRUE);
        m_ownerDisabled = false;
        return FALSE;
    }
    return TRUE;
}

BOOL CProgressDlg::DestroyWindow() {
    const bool givenBack = m_ownerDisabled && m_owner != nullptr;
    if (givenBack)
        ::EnableWindow(m_owner, TRUE);
    m_ownerDisabled = false;
    const BOOL destroyed = CDialog::DestroyWindow();
    // An owner disabled as it was made (step 1 searches from its start) could
    // not give the focus to a control; left on the window itself, the keys
    // would reach none of them.
    if (givenBack && ::GetFocus() == m_owner)
        if (const HWND first = ::GetNextDlgTabItem(m_owner, nullptr, FALSE))
            ::SendMessageW(m_owner, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
    return destroyed;
}

void CProgressDlg::DoDataExchange() {
    DDX_Control(IDC_PROGRESS_MESSAGE, m_message);
    DDX_Control(IDC_PROGRESS_BAR, m_bar);
}

BOOL CProgressDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_bar.SetRange(m_range.lower, m_range.upper);
    m_bar.SetStep(m_range.step);
    m_bar.SetPos(m_range.lower);
    // The window's text, which no caption bar shows.
    SetWindowText(win::LoadResourceString(IDS_SAVING));
    return TRUE;
}

bool CProgressDlg::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case DM_GETDEFID:
        // The template's hidden Cancel button is its default button, so the
        // dialog manager would turn Enter into Cancel; Enter is OK here.
        result = MAKELRESULT(IDOK, DC_HASDEFID);
        return true;
    }
    return CDialog::ProcessMessage(message, wParam, lParam, result);
}

void CProgressDlg::Step() {
    PumpMessages();
    if (!IsWindow())
        return;
    const int before = m_bar.StepIt();
    SetPercent(before + m_range.step);
}

void CProgressDlg::SetPercent(int position) {
    const std::wstring text = win::WideFromAnsi(PercentText(m_range, position));
    CWnd percent;
    percent.Attach(GetDlgItem(IDC_PROGRESS_PERCENT));
    if (percent.GetWindowText() != text)
        percent.SetWindowText(text);
}

void CProgressDlg::PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Leave the quit request for the loop that owns the program.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        // Keys go to the dialog manager of whichever of our windows they are
        // for, this one or a page, so that no key pressed at a tick is lost.
        if (PreTranslateDialogMessage(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}
