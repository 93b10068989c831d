#include "pages/network_page.h"

#include "pages/page_layouts.h"
#include "pages/wizard.h"
#include "res/messages.h"
#include "res/resource.h"

namespace {

constexpr int kAddressIds[] = {IDC_IPADDR, IDC_NETMASK, IDC_GATEWAY, IDC_DNS};

NetworkValues WorkingValues(const WizardRun& run) {
    NetworkValues values;
    SettingsExchange dx = SettingsExchange::Loading(run.working);
    ExchangeNetworkSettings(dx, values);
    return values;
}

// An empty stored address shows blank.
void ExchangeAddress(bool saving, CIPAddressCtrl& control, std::optional<Octets>& value) {
    if (saving) {
        Octets octets{};
        control.GetAddress(octets[0], octets[1], octets[2], octets[3]);
        value = octets;
    } else if (value) {
        control.SetAddress((*value)[0], (*value)[1], (*value)[2], (*value)[3]);
    } else {
        control.ClearAddress();
    }
}

} // namespace

CNetworkPage::CNetworkPage(CWizard& wizard)
    : CWizardPage(wizard, IDD_NETWORK_PAGE, kNetworkPageLayout, {{kFontE, 20, kPageFace}}),
      m_wizard(wizard) {
    BindControl(IDC_MANUAL_IP, m_manualIp);
    BindControl(IDC_DHCP, m_dhcp);
}

void CNetworkPage::DoDataExchange() {
    DDX_Control(IDC_HOSTNAME, m_hostName);
    for (std::size_t i = 0; i < m_addresses.size(); ++i)
        DDX_Control(kAddressIds[i], m_addresses[i]);
}

void CNetworkPage::ExchangeControls(bool saving, NetworkValues& values) {
    if (saving) {
        values.hostName = m_hostName.GetBytes();
        values.dhcp = m_manualIp.GetCheck() != BST_CHECKED;
    } else {
        m_hostName.SetByteLimit(kHostNameBytes);
        m_hostName.SetBytes(values.hostName);
    }
    for (std::size_t i = 0; i < m_addresses.size(); ++i)
        ExchangeAddress(saving, m_addresses[i], values.addresses[i]);
}

void CNetworkPage::LoadFromSettings() {
    NetworkValues values = WorkingValues(*m_run);
    ExchangeControls(false, values);
}

void CNetworkPage::LoadAddresses() {
    NetworkValues values = WorkingValues(*m_run);
    for (std::size_t i = 0; i < m_addresses.size(); ++i)
        ExchangeAddress(false, m_addresses[i], values.addresses[i]);
}

BOOL CNetworkPage::OnInitDialog() {
    CWizardPage::OnInitDialog();
    // Made with the window, before the template's controls, the mode buttons
    // would come first in tab order; they belong after the host name.
    HWND after = m_hostName.m_hWnd;
    for (const CColorButton* button : {&m_manualIp, &m_dhcp}) {
        ::SetWindowPos(button->m_hWnd, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = button->m_hWnd;
    }
    m_dhcpShown.reset();
    if (WorkingValues(*m_run).dhcp)
        OnDhcp();
    else
        OnManualIp();
    LoadFromSettings();
    return TRUE;
}

void CNetworkPage::OnButtonClicked(WORD id) {
    switch (id) {
    case IDC_MANUAL_IP:
        OnManualIp();
        break;
    case IDC_DHCP:
        OnDhcp();
        break;
    case IDC_NETWORK_NEXT:
        OnNext();
        break;
    case IDC_NETWORK_BACK:
        OnBack();
        break;
    default:
        CWizardPage::OnButtonClicked(id);
    }
}

void CNetworkPage::OnCommand(WORD id, WORD code) {
    if (id == IDC_HOSTNAME && code == EN_CHANGE)
        m_hostName.OnChange();
}

void CNetworkPage::OnManualIp() {
    SwitchMode(false);
}

void CNetworkPage::OnDhcp() {
    SwitchMode(true);
}

// With DHCP the array keeps its stored addresses, so a switch either way
// shows those again, a stored empty one blank: an address typed for the fixed
// mode must not outlive a switch to DHCP and back. The host name stays as
// typed, and a click on the mode in force changes nothing.
void CNetworkPage::SwitchMode(bool dhcp) {
    if (m_dhcpShown != dhcp)
        LoadAddresses();
    SetMode(dhcp);
}

// EnableWindow sets the same WS_DISABLED bit and also tells the address
// control, which greys its fields, so the user sees they do not count.
void CNetworkPage::SetMode(bool dhcp) {
    for (CColorButton* button : {&m_manualIp, &m_dhcp}) {
        const bool marked = (button == &m_dhcp) == dhcp;
        button->SetCheck(marked ? BST_CHECKED : BST_UNCHECKED);
        const LONG_PTR style = ::GetWindowLongPtrW(button->m_hWnd, GWL_STYLE);
        ::SetWindowLongPtrW(button->m_hWnd, GWL_STYLE,
                            marked ? style | WS_TABSTOP : style & ~LONG_PTR{WS_TABSTOP});
    }
    for (CIPAddressCtrl& address : m_addresses)
        address.EnableWindow(!dhcp);
    m_dhcpShown = dhcp;
}

void CNetworkPage::OnNext() {
    const Busy busy(*this);
    NetworkValues values;
    ExchangeControls(true, values);
    if (HostNameRefused(values.hostName)) {
        RefuseHostName();
        return;
    }
    SettingsExchange dx = SettingsExchange::Saving(m_run->working);
    ExchangeNetworkSettings(dx, values);
    if (!CommitToWorkingSettings(dx))
        return;
    m_wizard.Next(*this, m_run);
}

// The array reads "&" and "=" as separators: such a name would add or break
// pairs of the settings it is sent.
void CNetworkPage::RefuseHostName() {
    const CWindowWatch self(*this);
    MessageBoxA(kHostNameSeparatorsText, kErrorCaption, MB_ICONEXCLAMATION);
    if (self.Same())
        SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_hostName.m_hWnd), TRUE);
}

void CNetworkPage::OnBack() {
    m_wizard.Back(*this);
}
