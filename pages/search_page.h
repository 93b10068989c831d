#pragma once
// Wizard step 1: finds the arrays, lists them, shows the selected one's
// settings, and begins a run with it once the array has accepted the
// administrator password.
#include "app/exchange_host.h"
#include "app/wizard_page.h"
#include "core/setup/device_list.h"
#include "win/controls.h"

#include <string>

class CWizard;

class CSearchPage : public CWizardPage, private ExchangeClient {
public:
    explicit CSearchPage(CWizard& wizard);

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
    // The search's end, whether it expired or could not listen: buttons back,
    // and "确定" on while a line is there to choose.
    void EndSearch();
    void OnSelChange();
    void OnOpenBrowser();
    void OnExit();
    // Every array that answers becomes a record; the list is filled at the end.
    void OnAnswer(const Reply& reply, Answer answer) override;
    void OnExpiry() override;
    // The selected line's array; null when there is none.
    const DeviceRecord* Selected() const;
    // The other array that shares the selected one's address would take the
    // password check and the new settings too: true when the user goes on.
    bool ConfirmSharedAddress(const DeviceRecord& selected);

    CListBox m_list;
    DeviceList m_devices;
    CExchangeHost m_host;
    CWizard& m_wizard;
};
