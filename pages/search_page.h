#pragma once
// Wizard step 1: finds the arrays, lists them, shows the selected one's
// settings and makes them the settings steps 2 to 4 work on.
#include "app/device_list.h"
#include "app/exchange_host.h"
#include "app/wizard_page.h"
#include "win/controls.h"

#include <string>
#include <vector>

class CSearchPage : public CWizardPage, private ExchangeClient {
public:
    CSearchPage();

protected:
    // Searches as soon as the window exists.
    BOOL OnInitDialog() override;
    void DoDataExchange() override;
    // "确定": on to step 2, once the array has accepted the administrator password.
    void OnOK() override;
    void OnButtonClicked(WORD id) override;
    void OnCommand(WORD id, WORD code) override;
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void StartSearch();
    void OnSelChange();
    void OnOpenBrowser();
    void OnExit();
    // Every "GETOK" becomes a record; the list is filled at the end.
    void OnReply(const Reply& reply) override;
    void OnExpiry(bool listened) override;
    // The other array that shares the selected one's address would take the
    // password check and the new settings too: true when the user goes on.
    bool ConfirmSharedAddress();
    // Empties the device list, unless another step-1 window's search is
    // filling it right now.
    void FreeDeviceList();

    CListBox m_list;
    // The records of the list's lines, as the search's end listed them: a
    // second step-1 window may search into the shared device list meanwhile,
    // and a line must still select the array it names.
    std::vector<DeviceRecord> m_listed;
    CExchangeHost m_host;
};

// The administrator password check that guards the way to step 2: IDOK when the
// selected array accepted the password. One function, in its own file, so the
// password window plugs in here and the GUI tests can stand in for it.
INT_PTR RunPasswordCheck();

// Opens `address` in the user's web browser. In a file of its own, so the GUI
// tests see the address without a browser starting.
void OpenWebPage(const std::wstring& address);
