#include "pages/network_page.h"

#include "app/app_objects.h"
#include "app/page_moves.h"
#include "pages/page_layouts.h"
#include "res/resource.h"

CNetworkPage::CNetworkPage()
    : CWizardPage(IDD_NETWORK_PAGE, kNetworkPageLayout, {{kFontE, 20, kPageFace}}) {}

void CNetworkPage::OnButtonClicked(WORD id) {
    switch (id) {
    case IDC_NETWORK_NEXT:
        OnNext();
        break;
    case IDC_NETWORK_BACK:
        OnBack();
        break;
    default:
        CWizardPage::OnButtonClicked(id);
    }
}

void CNetworkPage::OnNext() {
    MoveToPage(this, g_dateTimePage);
}

void CNetworkPage::OnBack() {
    MoveToPage(this, m_searchPage);
}
