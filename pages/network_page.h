#pragma once
// Wizard step 2: host name and IP configuration.
#include "app/wizard_page.h"
#include "pages/search_page.h"

class CNetworkPage : public CWizardPage {
public:
    CNetworkPage();

protected:
    bool OnCommand(WORD id, WORD code, HWND control) override;
    LRESULT OnCreate(CREATESTRUCTW* create) override;

private:
    void OnNext();
    void OnBack();

    CFont m_fontE;
    // The page "上一步" goes back to.
    CSearchPage m_searchPage;
};
