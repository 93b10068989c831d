#include "pages/search_page.h"

#include "app/app_objects.h"
#include "app/page_moves.h"
#include "app/wizard_state.h"
#include "res/resource.h"

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
    m_fontA.Create(m_hWnd, 220);
    m_fontB.Create(m_hWnd, 150);
    m_fontC.Create(m_hWnd, 110);
    m_fontD.Create(m_hWnd, 100);
    m_fontE.CreateFontIndirect(BoldFont(20, kPageFace));
    m_fontF.CreateFontIndirect(BoldFont(17, L"Arial"));
    CreatePageHead(*this, {IDS_STEP1_HEADING, IDS_STEP1_TITLE, 0.23}, m_heading, m_title, m_fontA,
                   m_fontB);
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
