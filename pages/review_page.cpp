#include "pages/review_page.h"

#include "app/page_moves.h"
#include "res/resource.h"

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
    m_fontA.Create(m_hWnd, 220);
    m_fontB.Create(m_hWnd, 150);
    m_fontC.Create(m_hWnd, 110);
    m_fontD.Create(m_hWnd, 100);
    m_fontE.CreateFontIndirect(BoldFont(17, L"Arial"));
    m_fontF.CreateFontIndirect(BoldFont(19, L"Arial"));
    CreatePageHead(*this, {IDS_STEP4_HEADING, IDS_STEP4_TITLE, 0.24}, m_heading, m_title, m_fontA,
                   m_fontB);
    return 0;
}

void CReviewPage::OnPaint() {
    PaintPage(m_hWnd, kPageColour);
}

void CReviewPage::OnBack() {
    MoveToPage(this, m_dateTimePage);
}
