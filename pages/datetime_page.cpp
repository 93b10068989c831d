#include "pages/datetime_page.h"

#include "app/app_objects.h"
#include "app/page_moves.h"
#include "pages/page_layouts.h"
#include "res/resource.h"

CDateTimePage::CDateTimePage()
    : CWizardPage(IDD_DATETIME_PAGE, kDateTimePageLayout, {{kFontE, 20, kPageFace}}) {}

void CDateTimePage::OnButtonClicked(WORD id) {
    switch (id) {
    case IDC_DATETIME_NEXT:
        OnNext();
        break;
    case IDC_DATETIME_BACK:
        OnBack();
        break;
    default:
        CWizardPage::OnButtonClicked(id);
    }
}

void CDateTimePage::OnNext() {
    MoveToPage(this, g_reviewPage);
}

void CDateTimePage::OnBack() {
    MoveToPage(this, m_networkPage);
}
