#pragma once
// Wizard step 2: host name and IP configuration.
#include "app/color_controls.h"
#include "app/wizard_page.h"
#include "core/setup/network_settings.h"
#include "win/common_controls.h"
#include "win/controls.h"

#include <array>
#include <optional>

class CWizard;

class CNetworkPage : public CWizardPage {
public:
    explicit CNetworkPage(CWizard& wizard);

protected:
    void DoDataExchange() override;
    BOOL OnInitDialog() override;
    void OnButtonClicked(WORD id) override;

private:
    // The page's one data-exchange block: the controls to `values` when
    // saving, `values` to the controls when loading.
    void ExchangeControls(bool saving, NetworkValues& values);
    // Shows the run's working settings, discarding any edits.
    void LoadFromSettings();
    // The four addresses only: a mode button keeps the host name typed.
    void LoadAddresses();
    void OnManualIp();
    void OnDhcp();
    void SwitchMode(bool dhcp);
    void OnNext();
    void OnBack();
    // Marks the mode's button, and makes it the group's tab stop, so that Tab
    // lands on the mode in force instead of choosing the other.
    void SetMode(bool dhcp);
    void RefuseHostName();
    void OnCommand(WORD id, WORD code) override;

    CColorButton m_manualIp;
    CColorButton m_dhcp;
    CAnsiLimitEdit m_hostName;
    // nwk.ipaddr, nwk.netmask, sys.gateway, sys.dns, as NetworkValues orders them.
    std::array<CIPAddressCtrl, 4> m_addresses;
    // The mode the buttons show; none before the window's first.
    std::optional<bool> m_dhcpShown;
    CWizard& m_wizard;
};
