#include "pages/datetime_page.h"

#include "app/app_objects.h"
#include "app/page_moves.h"
#include "res/resource.h"

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
    m_fontA.Create(m_hWnd, 220);
    m_fontB.Create(m_hWnd, 150);
    m_fontD.Create(m_hWnd, 100);
    m_fontE.CreateFontIndirect(BoldFont(20, kPageFace));
    CreatePageHead(*this, {IDS_STEP3_HEADING, IDS_STEP3_TITLE, 0.24}, m_heading, m_title, m_fontA,
                   m_fontB);
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
