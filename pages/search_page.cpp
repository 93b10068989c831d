#include "pages/search_page.h"

#include "app/app_objects.h"
#include "app/page_moves.h"
#include "app/wizard_state.h"
#include "messaging/settings.h"
#include "pages/page_layouts.h"
#include "pages/search_details.h"
#include "res/resource.h"
#include "win/text.h"

#include <algorithm>

namespace {

// The step-1 window whose search fills the device list: only one can listen
// on the port at a time.
const CSearchPage* g_filling = nullptr;

} // namespace

CSearchPage::CSearchPage()
    : CWizardPage(IDD_SEARCH_PAGE, kSearchPageLayout,
                  {{kFontE, 20, kPageFace}, {kFontF, 17, L"Arial"}}),
      m_host(*this, g_searchProgress, *this) {}

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
    if (message == WM_DESTROY) {
        m_listed.clear();
        if (g_filling == this)
            g_filling = nullptr;
    }
    return CWizardPage::ProcessMessage(message, wParam, lParam, result);
}

void CSearchPage::StartSearch() {
    ::EnableWindow(GetDlgItem(IDC_SEARCH_AGAIN), FALSE);
    ::EnableWindow(GetDlgItem(IDOK), FALSE);
    // A search that cannot listen keeps what the last one found.
    if (m_host.Start(IDS_SEARCHING, SEARCH_PROBE, SEARCH_TICK_LIMIT)) {
        g_filling = this;
        g_deviceList.FreeDeviceList();
        m_list.ResetContent();
        m_listed.clear();
    }
}

void CSearchPage::OnReply(const Reply& reply) {
    // No array sends an empty settings string, and one cut by a NUL would go
    // back to the array without the rest: neither is listed.
    if (reply.command == "GETOK" && !reply.payload.empty() && !reply.cut)
        g_deviceList.AddDevice(reply.payload);
}

void CSearchPage::OnExpiry(bool) {
    if (g_filling == this)
        g_filling = nullptr;
    ::EnableWindow(GetDlgItem(IDC_SEARCH_AGAIN), TRUE);
    // A list box that redraws itself after every line takes milliseconds a
    // line: a thousand arrays would be listed seconds after the search ended.
    m_list.SetRedraw(FALSE);
    for (const DeviceRecord& record : g_deviceList) {
        m_listed.push_back(record);
        m_list.AddString(win::WideFromAnsi(record.name));
    }
    m_list.SetRedraw(TRUE);
    m_list.InvalidateRect(nullptr);
    if (m_list.GetCount() <= 0)
        return;
    ::EnableWindow(GetDlgItem(IDOK), TRUE);
    m_list.SetCurSel(0);
    OnSelChange();
}

void CSearchPage::OnSelChange() {
    // No selection (LB_ERR) counts as the first line.
    const auto line = static_cast<std::size_t>(std::max(m_list.GetCurSel(), 0));
    if (line >= m_listed.size())
        return;
    const DeviceRecord& record = m_listed[line];
    g_reportedSettings = record.settings;
    g_workingSettings = g_reportedSettings;
    g_clockReadAt = record.receivedAt;
    const auto texts = DetailTexts(record.settings);
    for (int row = 0; row < kDetailRows; ++row)
        Control(kSearchFirstField + row).SetWindowText(win::WideFromAnsi(texts[row]));
}

void CSearchPage::OnOpenBrowser() {
    OpenWebPage(win::WideFromAnsi(WebPageAddress(GetSetting(g_workingSettings, "nwk.ipaddr"))));
}

bool CSearchPage::ConfirmSharedAddress() {
    if (!AnotherArrayAnswersFor(m_listed, g_reportedSettings))
        return true;
    const std::string address = GetSetting(g_reportedSettings, "nwk.ipaddr");
    const std::string text = "Another array also answers for " + address +
                             ".\nThe password check and the new settings will reach every "
                             "array with this address.\nGo on?";
    return MessageBoxA(text, {}, MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) == IDYES;
}

void CSearchPage::OnOK() {
    if (!ConfirmSharedAddress() || RunPasswordCheck() != IDOK)
        return;
    MoveToPage(this, g_networkPage, nullptr, [this] { FreeDeviceList(); });
}

void CSearchPage::OnExit() {
    FreeDeviceList();
    DestroyWindow();
}

void CSearchPage::FreeDeviceList() {
    if (g_filling == nullptr || g_filling == this)
        g_deviceList.FreeDeviceList();
}
