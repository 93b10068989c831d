#include "pages/review_page.h"

#include "app/page_moves.h"
#include "res/resource.h"

CReviewPage::CReviewPage()
    : CWizardPage(IDD_REVIEW_PAGE, {IDS_STEP4_HEADING, IDS_STEP4_TITLE, 0.24}) {}

bool CReviewPage::OnCommand(WORD id, WORD code, HWND control) {
    if (id == IDC_REVIEW_BACK && code == BN_CLICKED) {
        OnBack();
        return true;
    }
    return CWizardPage::OnCommand(id, code, control);
}

LRESULT CReviewPage::OnCreate(CREATESTRUCTW* create) {
    if (CWizardPage::OnCreate(create) == -1)
        return -1;
    m_fontE.CreateFontIndirect(BoldFont(17, L"Arial"));
    m_fontF.CreateFontIndirect(BoldFont(19, L"Arial"));
    return 0;
}

void CReviewPage::OnBack() {
    MoveToPage(this, m_dateTimePage);
}
