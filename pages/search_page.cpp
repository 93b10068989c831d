#include "pages/search_page.h"

#include "core/settings/settings.h"
#include "core/setup/search_details.h"
#include "pages/page_layouts.h"
#include "pages/wizard.h"
#include "res/resource.h"
#include "win/text.h"

#include <algorithm>

CSearchPage::CSearchPage(CWizard& wizard)
    : CWizardPage(wizard, IDD_SEARCH_PAGE, kSearchPageLayout,
                  {{kFontE, 20, kPageFace}, {kFontF, 17, L"Arial"}}),
      m_host(*this, wizard.searchProgress, *this), m_wizard(wizard) {}

void CSearchPage::DoDataExchange() {
    DDX_Control(IDC_DEVICE_LIST, m_list);
}

BOOL CSearchPage::OnInitDialog() {
    CWizardPage::OnInitDialog();
    StartSearch();
    return TRUE;
}

void CSearchPage::OnButtonClicked(WORD id) {
    switch (id) {
    case IDC_SEARCH_AGAIN:
        StartSearch();
        break;
    case IDC_SEARCH_EXIT:
        OnExit();
        break;
    default:
        CWizardPage::OnButtonClicked(id);
    }
}

void CSearchPage::OnCommand(WORD id, WORD code) {
    if (id != IDC_DEVICE_LIST)
        return;
    if (code == LBN_SELCHANGE)
        OnSelChange();
    else if (code == LBN_DBLCLK)
        OnOpenBrowser();
}

bool CSearchPage::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    // The records go with the window: after "退出", and after the move to step 2.
    if (message == WM_DESTROY)
        m_devices.FreeDeviceList();
    return CWizardPage::ProcessMessage(message, wParam, lParam, result);
}

void CSearchPage::StartSearch() {
    const Busy busy(*this);
    const CWindowWatch self(*this);
    ::EnableWindow(GetDlgItem(IDC_SEARCH_AGAIN), FALSE);
    ::EnableWindow(GetDlgItem(IDOK), FALSE);
    const Exchange::Sent sent = m_host.Start(IDS_SEARCHING, SEARCH_PROBE, SEARCH_TICK_LIMIT);
    if (!self.Same())
        return;
    // Nothing was asked: the list and its selection stay as they were.
    if (sent == Exchange::Sent::kCannotListen)
        return EndSearch();
    m_devices.FreeDeviceList();
    m_list.ResetContent();
    // The search runs out its ticks with nobody asked.
    if (sent == Exchange::Sent::kNotSent)
        m_host.ShowSendError();
}

void CSearchPage::OnReply(const Reply& reply) {
    // No array sends an empty settings string, and one cut by a NUL would go
    // back to the array without the rest: neither is listed.
    if (reply.command == "GETOK" && !reply.payload.empty() && !reply.cut)
        m_devices.AddDevice(reply.payload, reply.address);
}

void CSearchPage::OnExpiry() {
    // A list box that redraws itself after every line takes milliseconds a
    // line: a thousand arrays would be listed seconds after the search ended.
    m_list.SetRedraw(FALSE);
    for (const DeviceRecord& record : m_devices)
        m_list.AddString(win::WideFromAnsi(record.name));
    m_list.SetRedraw(TRUE);
    m_list.InvalidateRect(nullptr);
    EndSearch();
    if (m_list.GetCount() > 0) {
        m_list.SetCurSel(0);
        OnSelChange();
    }
}

void CSearchPage::EndSearch() {
    ::EnableWindow(GetDlgItem(IDC_SEARCH_AGAIN), TRUE);
    ::EnableWindow(GetDlgItem(IDOK), m_list.GetCount() > 0);
}

const DeviceRecord* CSearchPage::Selected() const {
    // No selection (LB_ERR) counts as the first line.
    return m_devices.At(m_list.GetCurSel());
}

// The details only: a run begins with "确定".
void CSearchPage::OnSelChange() {
    const DeviceRecord* record = Selected();
    if (record == nullptr)
        return;
    const auto texts = DetailTexts(record->settings);
    for (std::size_t row = 0; row < texts.size(); ++row)
        Control(kSearchDetails[row]).SetWindowText(win::WideFromAnsi(texts[row]));
}

// The first click of the double click selected the line clicked.
void CSearchPage::OnOpenBrowser() {
    if (const DeviceRecord* record = Selected())
        OpenWebPage(win::WideFromAnsi(WebPageAddress(GetSetting(record->settings, "nwk.ipaddr"))));
}

bool CSearchPage::ConfirmSharedAddress(const DeviceRecord& selected) {
    if (!AnotherArrayAnswersFor(std::span(m_devices.begin(), m_devices.end()), selected.settings))
        return true;
    const std::string address = GetSetting(selected.settings, "nwk.ipaddr");
    const std::string text = "Another array also answers for " + address +
                             ".\nThe password check and the new settings will reach every "
                             "array with this address.\nGo on?";
    return MessageBoxA(text, {}, MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) == IDYES;
}

void CSearchPage::OnOK() {
    const Busy busy(*this);
    const CWindowWatch self(*this);
    const DeviceRecord* record = Selected();
    if (record == nullptr || !ConfirmSharedAddress(*record) || !self.Same())
        return;
    auto run = std::make_shared<WizardRun>(WizardRun::Of(*record));
    if (RunPasswordCheck(*run, m_wizard.passwordProgress) != IDOK || !self.Same())
        return;
    m_wizard.Next(*this, std::move(run));
}

void CSearchPage::OnExit() {
    DestroyWindow();
}
