#pragma once
// Wizard step 4: the reported and the new values side by side, and the save.
#include "app/wizard_page.h"
#include "pages/datetime_page.h"

class CReviewPage : public CWizardPage {
public:
    CReviewPage();

protected:
    void OnButtonClicked(WORD id) override;

private:
    void OnBack();

    // The page "上一步" goes back to.
    CDateTimePage m_dateTimePage;
};
