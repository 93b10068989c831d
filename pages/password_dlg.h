#pragma once
// The administrator password window: the selected array itself must accept
// the password before the wizard lets the user change its settings.
#include "app/progress_dlg.h"
#include "messaging/exchange.h"
#include "messaging/winsock_io.h"
#include "win/controls.h"
#include "win/dialog.h"

class CPasswordDlg : public CDialog {
public:
    // DoModal gives IDOK once the array accepted the password, IDCANCEL when
    // the user gave up or no array answered.
    CPasswordDlg();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange() override;
    // Starts a check; the window stays open until the array's verdict.
    void OnOK() override;
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void OnTimer();
    void OnPINGAsynch(LPARAM event);
    // Back to Ready: the user can type and press OK or Cancel again.
    void EndWaiting();

    CEdit m_password;
    WinsockIo m_io{*this};
    Exchange m_exchange{m_io};
    CProgressDlg& m_progress; // the application-wide one of the password check
};
