#pragma once
// Wizard step 2: host name and IP configuration.
#include "app/wizard_page.h"
#include "pages/search_page.h"

class CNetworkPage : public CWizardPage {
public:
    CNetworkPage();

protected:
    void OnButtonClicked(WORD id) override;

private:
    void OnNext();
    void OnBack();

    // The page "上一步" goes back to.
    CSearchPage m_searchPage;
};
