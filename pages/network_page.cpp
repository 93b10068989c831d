#include "pages/network_page.h"

#include "app/app_objects.h"
#include "app/page_moves.h"
#include "res/resource.h"
#include "win/text.h"

CNetworkPage::CNetworkPage() : CDialog(IDD_NETWORK_PAGE) {}

bool CNetworkPage::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
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

bool CNetworkPage::OnCommand(WORD id, WORD code, HWND control) {
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_NETWORK_NEXT:
            OnNext();
            return true;
        case IDC_NETWORK_BACK:
            OnBack();
            return true;
        }
    }
    return CDialog::OnCommand(id, code, control);
}

LRESULT CNetworkPage::OnCreate(CREATESTRUCTW* create) {
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
    // This page gives its two large fonts a fifth more line height.
    const double aA = m_fontA.metrics.avgCharWidth;
    const double hA = 1.2 * m_fontA.metrics.height;
    const double aB = m_fontB.metrics.avgCharWidth;
    const double hB = 1.2 * m_fontB.metrics.height;

    const std::wstring heading = win::LoadResourceString(IDS_STEP2_HEADING);
    const int headingLength = win::AnsiLength(heading);
    CreatePageControl(m_heading, *this, heading, 0,
                      TruncatedRect(0.04 * W, 0.02 * H, (headingLength + 1) * aA + 0.04 * W,
                                    static_cast<int>(hA) + 0.02 * H),
                      IDC_RUNTIME_LABEL, m_fontA.font, kOrange);

    const std::wstring title = win::LoadResourceString(IDS_STEP2_TITLE);
    const int titleLength = win::AnsiLength(title);
    const auto titleWidth = static_cast<int>((titleLength + 1) * aB * 1.1);
    CreatePageControl(
        m_title, *this, title, 0,
        TruncatedRect(0.24 * W, 0.05 * H, titleWidth + 0.24 * W, static_cast<int>(hB) + 0.05 * H),
        IDC_RUNTIME_LABEL, m_fontB.font, kOrange);
    return 0;
}

void CNetworkPage::OnPaint() {
    PaintPage(m_hWnd, kPageColour);
}

void CNetworkPage::OnNext() {
    MoveToPage(this, g_dateTimePage);
}

void CNetworkPage::OnBack() {
    MoveToPage(this, m_searchPage);
}
