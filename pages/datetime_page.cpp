#include "pages/datetime_page.h"

#include "app/app_objects.h"
#include "app/page_moves.h"
#include "res/resource.h"

CDateTimePage::CDateTimePage()
    : CWizardPage(IDD_DATETIME_PAGE, {IDS_STEP3_HEADING, IDS_STEP3_TITLE, 0.24}) {}

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
    return CWizardPage::OnCommand(id, code, control);
}

LRESULT CDateTimePage::OnCreate(CREATESTRUCTW* create) {
    if (CWizardPage::OnCreate(create) == -1)
        return -1;
    m_fontE.CreateFontIndirect(BoldFont(20, kPageFace));
    return 0;
}

void CDateTimePage::OnNext() {
    MoveToPage(this, g_reviewPage);
}

void CDateTimePage::OnBack() {
    MoveToPage(this, m_networkPage);
}
