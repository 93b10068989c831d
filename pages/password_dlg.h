#pragma once
// The administrator password window: the selected array itself must accept
// the password before the wizard lets the user change its settings.
#include "app/exchange_host.h"
#include "core/setup/wizard_run.h"
#include "win/controls.h"
#include "win/dialog.h"

class CPasswordDlg : public CDialog, private ExchangeClient {
public:
    // DoModal gives IDOK once the array of `run` accepted the password,
    // IDCANCEL when the user gave up or no array answered.
    CPasswordDlg(const WizardRun& run, CProgressDlg& progress);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange() override;
    // Starts a check; the window stays open until the array's verdict.
    void OnOK() override;
    void OnCommand(WORD id, WORD code) override;

private:
    void OnAnswer(const Reply& reply, Answer answer) override;
    void OnExpiry() override;
    // Back to Ready: the user can type and press OK or Cancel again.
    void EnableControls();

    const WizardRun& m_run;
    CAnsiLimitEdit m_password;
    CExchangeHost m_host;
};

// The administrator password window, run modally for `run`: IDOK when its
// array accepted the password.
INT_PTR CheckPassword(const WizardRun& run, CProgressDlg& progress);
