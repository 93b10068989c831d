#include "pages/network_page.h"

#include "app/app_objects.h"
#include "app/page_moves.h"
#include "res/resource.h"

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
    m_fontA.Create(m_hWnd, 220);
    m_fontB.Create(m_hWnd, 150);
    m_fontC.Create(m_hWnd, 110);
    m_fontD.Create(m_hWnd, 100);
    m_fontE.CreateFontIndirect(BoldFont(20, kPageFace));
    CreatePageHead(*this, {IDS_STEP2_HEADING, IDS_STEP2_TITLE, 0.24, 1.2}, m_heading, m_title,
                   m_fontA, m_fontB);
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
