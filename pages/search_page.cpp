#include "pages/search_page.h"

#include "app/app_objects.h"
#include "app/page_moves.h"
#include "app/wizard_state.h"
#include "pages/page_layouts.h"
#include "res/resource.h"

CSearchPage::CSearchPage()
    : CWizardPage(IDD_SEARCH_PAGE, kSearchPageLayout,
                  {{kFontE, 20, kPageFace}, {kFontF, 17, L"Arial"}}) {}

void CSearchPage::OnButtonClicked(WORD id) {
    switch (id) {
    case IDC_SEARCH_EXIT:
        OnExit();
        break;
    default:
        CWizardPage::OnButtonClicked(id);
    }
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
