#pragma once
// Wizard step 3: time zone, date and time.
#include "app/wizard_page.h"
#include "pages/network_page.h"

class CDateTimePage : public CWizardPage {
public:
    CDateTimePage();

protected:
    void OnButtonClicked(WORD id) override;

private:
    void OnNext();
    void OnBack();

    // The page "上一步" goes back to.
    CNetworkPage m_networkPage;
};
