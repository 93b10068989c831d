#include "pages/network_page.h"

#include "app/app_objects.h"
#include "app/page_moves.h"
#include "res/resource.h"

CNetworkPage::CNetworkPage()
    : CWizardPage(IDD_NETWORK_PAGE, {IDS_STEP2_HEADING, IDS_STEP2_TITLE, 0.24, 1.2}) {}

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
    return CWizardPage::OnCommand(id, code, control);
}

LRESULT CNetworkPage::OnCreate(CREATESTRUCTW* create) {
    if (CWizardPage::OnCreate(create) == -1)
        return -1;
    m_fontE.CreateFontIndirect(BoldFont(20, kPageFace));
    return 0;
}

void CNetworkPage::OnNext() {
    MoveToPage(this, g_dateTimePage);
}

void CNetworkPage::OnBack() {
    MoveToPage(this, m_searchPage);
}
