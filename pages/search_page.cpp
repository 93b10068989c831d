#include "pages/search_page.h"

#include "app/app_objects.h"
#include "app/page_moves.h"
#include "app/wizard_state.h"
#include "res/resource.h"

CSearchPage::CSearchPage()
    : CWizardPage(IDD_SEARCH_PAGE, {IDS_STEP1_HEADING, IDS_STEP1_TITLE, 0.23}) {}

bool CSearchPage::OnCommand(WORD id, WORD code, HWND control) {
    if (id == IDC_SEARCH_EXIT && code == BN_CLICKED) {
        OnExit();
        return true;
    }
    return CWizardPage::OnCommand(id, code, control);
}

LRESULT CSearchPage::OnCreate(CREATESTRUCTW* create) {
    if (CWizardPage::OnCreate(create) == -1)
        return -1;
    m_fontE.CreateFontIndirect(BoldFont(20, kPageFace));
    m_fontF.CreateFontIndirect(BoldFont(17, L"Arial"));
    return 0;
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
