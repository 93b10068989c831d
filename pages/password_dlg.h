#pragma once
// The administrator password window: the selected array itself must accept
// the password before the wizard lets the user change its settings.
#include "app/exchange_host.h"
#include "win/controls.h"
#include "win/dialog.h"


class CPasswordDlg : public CDialog, private ExchangeClient {
public:
    // DoModal gives IDOK once the array accepted the password, IDCANCEL when
    // the user gave up or no array answered.
    CPasswordDlg();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange() override;
    // Starts a check; the window stays open until the array's verdict.
    void OnOK() override;
    void OnCommand(WORD id, WORD code) override;

private:
    void OnReply(const Reply& reply) override;
    void OnExpiry(bool listened) override;
    // Back to Ready: the user can type and press OK or Cancel again.
    void EnableControls();

    CAnsiLimitEdit m_password;
    CExchangeHost m_host;
};
