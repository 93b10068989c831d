#include "app/wizard_page.h"

CWizardPage::CWizardPage(UINT templateId, const PageHead& head)
    : CDialog(templateId), m_head(head) {}

bool CWizardPage::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
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

LRESULT CWizardPage::OnCreate(CREATESTRUCTW* create) {
    if (Default(WM_CREATE, 0, reinterpret_cast<LPARAM>(create)) == -1)
        return -1;
    m_fontA.Create(m_hWnd, 220);
    m_fontB.Create(m_hWnd, 150);
    m_fontC.Create(m_hWnd, 110);
    m_fontD.Create(m_hWnd, 100);
    CreatePageHead(*this, m_head, m_heading, m_title, m_fontA, m_fontB);
    return 0;
}

void CWizardPage::OnPaint() {
    PaintPage(m_hWnd, kPageColour);
}
