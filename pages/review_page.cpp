#include "pages/review_page.h"

#include "app/page_moves.h"
#include "res/resource.h"
#include "win/text.h"

CReviewPage::CReviewPage() : CDialog(IDD_REVIEW_PAGE) {}

bool CReviewPage::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
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

bool CReviewPage::OnCommand(WORD id, WORD code, HWND control) {
    if (id == IDC_REVIEW_BACK && code == BN_CLICKED) {
        OnBack();
        return true;
    }
    return CDialog::OnCommand(id, code, control);
}

LRESULT CReviewPage::OnCreate(CREATESTRUCTW* create) {
    if (Default(WM_CREATE, 0, reinterpret_cast<LPARAM>(create)) == -1)
        return -1;
    const RECT client = GetClientRect();
    const double W = client.right;
    const double H = client.bottom;

    m_fontA.Create(m_hWnd, 220);
    m_fontB.Create(m_hWnd, 150);
    m_fontC.Create(m_hWnd, 110);
    m_fontD.Create(m_hWnd, 100);
    m_fontE.CreateFontIndirect(BoldFont(17, L"Arial"));
    m_fontF.CreateFontIndirect(BoldFont(19, L"Arial"));
    const FontMetrics& a = m_fontA.metrics;
    const FontMetrics& b = m_fontB.metrics;

    const std::wstring heading = win::LoadResourceString(IDS_STEP4_HEADING);
    const double headingX = 0.04 * W;
    const double headingY = 0.02 * H;
    const int headingWidth = (win::AnsiLength(heading) + 1) * a.avgCharWidth;
    CreatePageControl(
        m_heading, *this, heading, 0,
        TruncatedRect(headingX, headingY, headingX + headingWidth, headingY + a.height),
        IDC_RUNTIME_LABEL, m_fontA.font, kOrange);

    const std::wstring title = win::LoadResourceString(IDS_STEP4_TITLE);
    const double titleX = 0.24 * W;
    const double titleY = 0.05 * H;
    const auto titleWidth = static_cast<int>(1.1 * (win::AnsiLength(title) + 1) * b.avgCharWidth);
    CreatePageControl(m_title, *this, title, 0,
                      TruncatedRect(titleX, titleY, titleX + titleWidth, titleY + b.height),
                      IDC_RUNTIME_LABEL, m_fontB.font, kOrange);
    return 0;
}

void CReviewPage::OnPaint() {
    PaintPage(m_hWnd, kPageColour);
}

void CReviewPage::OnBack() {
    MoveToPage(this, m_dateTimePage);
}
