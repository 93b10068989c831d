#include "pages/datetime_page.h"

#include "app/app_objects.h"
#include "app/page_moves.h"
#include "res/resource.h"
#include "win/text.h"

CDateTimePage::CDateTimePage() : CDialog(IDD_DATETIME_PAGE) {}

bool CDateTimePage::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
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

bool CDateTimePage::OnCommand(WORD id, WORD code, HWND control) {
    if (code == BN_CLICKED) {
        switch (id) {
        case IDC_DATETIME_NEXT:
            OnNext();
            return true;
        case IDC_DATETIME_BACK:
            OnBack();
            return true;
        }
    }
    return CDialog::OnCommand(id, code, control);
}

LRESULT CDateTimePage::OnCreate(CREATESTRUCTW* create) {
    if (Default(WM_CREATE, 0, reinterpret_cast<LPARAM>(create)) == -1)
        return -1;
    const RECT client = GetClientRect();
    const double W = client.right;
    const double H = client.bottom;

    m_fontA.Create(m_hWnd, 220);
    m_fontB.Create(m_hWnd, 150);
    m_fontD.Create(m_hWnd, 100);
    m_fontE.CreateFontIndirect(BoldFont(20, kPageFace));
    const FontMetrics& a = m_fontA.metrics;
    const FontMetrics& b = m_fontB.metrics;

    const std::wstring heading = win::LoadResourceString(IDS_STEP3_HEADING);
    const int headingLength = win::AnsiLength(heading);
    CreatePageControl(m_heading, *this, heading, 0,
                      TruncatedRect(0.04 * W, 0.02 * H,
                                    (headingLength + 1) * a.avgCharWidth + 0.04 * W,
                                    a.height + 0.02 * H),
                      IDC_RUNTIME_LABEL, m_fontA.font, kOrange);

    const std::wstring title = win::LoadResourceString(IDS_STEP3_TITLE);
    const int titleLength = win::AnsiLength(title);
    const auto titleWidth = static_cast<int>((titleLength + 1) * b.avgCharWidth * 1.1);
    CreatePageControl(m_title, *this, title, 0,
                      TruncatedRect(0.24 * W, 0.05 * H, titleWidth + 0.24 * W, b.height + 0.05 * H),
                      IDC_RUNTIME_LABEL, m_fontB.font, kOrange);
    return 0;
}

void CDateTimePage::OnPaint() {
    PaintPage(m_hWnd, kPageColour);
}

void CDateTimePage::OnNext() {
    MoveToPage(this, g_reviewPage);
}

void CDateTimePage::OnBack() {
    MoveToPage(this, m_networkPage);
}
