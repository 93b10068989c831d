#pragma once
// Wizard step 1: finds the arrays and selects one.
#include "app/wizard_page.h"

class CSearchPage : public CWizardPage {
public:
    CSearchPage();

protected:
    // "确定": on to step 2, once the array has accepted the administrator password.
    void OnOK() override;
    void OnButtonClicked(WORD id) override;

private:
    void OnExit();
};

// The administrator password check that guards the way to step 2: IDOK when the
// selected array accepted the password. One function, in its own file, so the
// password window plugs in here and the GUI tests can stand in for it.
INT_PTR RunPasswordCheck();
