#include "pages/search_page.h"

#include "core/settings/settings.h"
#include "core/setup/search_details.h"
#include "pages/page_layouts.h"
#include "pages/wizard.h"
#include "res/messages.h"
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
    const std::optional<ExchangeFailure> failure =
        m_host.Start(IDS_SEARCHING, Conversation::Search());
    if (!self.Same())
        return;
    // Nothing was asked: the list and its selection stay as they were.
    if (failure && failure != ExchangeFailure::kSend)
        return EndSearch();
    m_devices.FreeDeviceList();
    m_list.ResetContent();
    // The search runs out its ticks with nobody asked.
    if (failure)
        m_host.ShowSendError();
}

void CSearchPage::OnAnswer(const Reply& reply, Answer) {
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
        m_wizard.services.openWebPage(
            win::WideFromAnsi(WebPageAddress(GetSetting(record->settings, "nwk.ipaddr"))));
}

bool CSearchPage::ConfirmSharedAddress(const DeviceRecord& selected) {
    if (!AnotherArrayAnswersFor(std::span(m_devices.begin(), m_devices.end()), selected.settings))
        return true;
    const std::string text =
        kSharedAddressBefore + GetSetting(selected.settings, "nwk.ipaddr") + kSharedAddressAfter;
    return MessageBoxA(text, {}, MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) == IDYES;
}

void CSearchPage::OnOK() {
    const Busy busy(*this);
    const CWindowWatch self(*this);
    const DeviceRecord* record = Selected();
    if (record == nullptr || !ConfirmSharedAddress(*record) || !self.Same())
        return;
    auto run = std::make_shared<WizardRun>(WizardRun::Of(*record));
    if (m_wizard.services.checkPassword(*run, m_wizard.passwordProgress) != IDOK || !self.Same())
        return;
    m_wizard.Next(*this, std::move(run));
}

void CSearchPage::OnExit() {
    DestroyWindow();
}
