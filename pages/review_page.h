#pragma once
// Wizard step 4: the reported and the new values side by side, and the save.
#include "app/wizard_page.h"
#include "pages/datetime_page.h"

class CReviewPage : public CWizardPage {
public:
    CReviewPage();

protected:
    bool OnCommand(WORD id, WORD code, HWND control) override;
    LRESULT OnCreate(CREATESTRUCTW* create) override;

private:
    void OnBack();

    // The page "上一步" goes back to.
    CDateTimePage m_dateTimePage;
    CFont m_fontE;
    CFont m_fontF;
};
