#include "pages/review_page.h"

#include "app/page_moves.h"
#include "pages/page_layouts.h"
#include "res/resource.h"

CReviewPage::CReviewPage()
    : CWizardPage(IDD_REVIEW_PAGE, kReviewPageLayout,
                  {{kFontE, 17, L"Arial"}, {kFontF, 19, L"Arial"}}) {}

void CReviewPage::OnButtonClicked(WORD id) {
    switch (id) {
    case IDC_REVIEW_BACK:
        OnBack();
        break;
    default:
        CWizardPage::OnButtonClicked(id);
    }
}

void CReviewPage::OnBack() {
    MoveToPage(this, m_dateTimePage);
}
