#include "pages/search_page.h"

#include "app/app_objects.h"
#include "app/page_moves.h"
#include "app/wizard_state.h"
#include "res/resource.h"
#include "win/text.h"

CSearchPage::CSearchPage() : CDialog(IDD_SEARCH_PAGE) {}

bool CSearchPage::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_CREATE:
        result = OnCreate(reinterpret_cast<CREATESTRUCTW*>(lParam));
        return true;
    case WM_PAINT:
        OnPaint();
        return true;
    }
    return CDialog::ProcessMessage(message, wParam, lParam, result);
}

bool CSearchPage::OnCommand(WORD id, WORD code, HWND control) {
    if (id == IDC_SEARCH_EXIT && code == BN_CLICKED) {
        OnExit();
        return true;
    }
    return CDialog::OnCommand(id, code, control);
}

LRESULT CSearchPage::OnCreate(CREATESTRUCTW* create) {
    if (Default(WM_CREATE, 0, reinterpret_cast<LPARAM>(create)) == -1)
        return -1;
    const RECT client = GetClientRect();
    const double W = client.right;
    const double H = client.bottom;

    m_fontA.Create(m_hWnd, 220);
    m_fontB.Create(m_hWnd, 150);
    m_fontC.Create(m_hWnd, 110);
    m_fontD.Create(m_hWnd, 100);
    m_fontE.CreateFontIndirect(BoldFont(20, kPageFace));
    m_fontF.CreateFontIndirect(BoldFont(17, L"Arial"));

    const std::wstring heading = win::LoadResourceString(IDS_STEP1_HEADING);
    const int headingLength = win::AnsiLength(heading);
    const FontMetrics& a = m_fontA.metrics;
    CreatePageControl(m_heading, *this, heading, 0,
                      TruncatedRect(0.04 * W, 0.02 * H,
                                    0.04 * W + (headingLength + 1) * a.avgCharWidth,
                                    0.02 * H + a.height),
                      IDC_RUNTIME_LABEL, m_fontA.font, kOrange);

    const std::wstring title = win::LoadResourceString(IDS_STEP1_TITLE);
    const int titleLength = win::AnsiLength(title);
    const FontMetrics& b = m_fontB.metrics;
    const auto titleWidth = static_cast<int>(1.1 * (titleLength + 1) * b.avgCharWidth);
    CreatePageControl(m_title, *this, title, 0,
                      TruncatedRect(0.23 * W, 0.05 * H, 0.23 * W + titleWidth, 0.05 * H + b.height),
                      IDC_RUNTIME_LABEL, m_fontB.font, kOrange);
    return 0;
}

void CSearchPage::OnPaint() {
    PaintPage(m_hWnd, kPageColour);
}

void CSearchPage::OnOK() {
    if (RunPasswordCheck() != IDOK)
        return;
    MoveToPage(this, g_networkPage, nullptr, [] { g_deviceList.FreeDeviceList(); });
}

void CSearchPage::OnExit() {
    g_deviceList.FreeDeviceList();
    DestroyWindow();
}
