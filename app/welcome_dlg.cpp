#include "app/welcome_dlg.h"

#include "app/page_frame.h"
#include "res/resource.h"

CWelcomeDlg::CWelcomeDlg(std::function<void()> onStart)
    : CDialog(IDD_WELCOME), m_onStart(std::move(onStart)),
      m_icon(::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME))) {}

BOOL CWelcomeDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));
    return TRUE;
}

bool CWelcomeDlg::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_PAINT:
        OnPaint();
        return true;
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<LRESULT>(OnQueryDragIcon());
        return true;
    }
    return CDialog::ProcessMessage(message, wParam, lParam, result);
}

void CWelcomeDlg::OnButtonClicked(WORD id) {
    switch (id) {
    case IDC_START:
        OnStart();
        break;
    default:
        CDialog::OnButtonClicked(id);
    }
}

void CWelcomeDlg::OnPaint() {
    PaintPage(m_hWnd, kWelcomeColour);
}

// The welcome window stays open and usable: "开始" may be pressed at any time.
void CWelcomeDlg::OnStart() {
    m_onStart();
}
