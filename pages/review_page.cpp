#include "pages/review_page.h"

#include "app/app_objects.h"
#include "app/page_moves.h"
#include "app/wizard_state.h"
#include "messaging/settings.h"
#include "pages/confirm_dlg.h"
#include "pages/page_layouts.h"
#include "res/resource.h"
#include "win/text.h"

#include <array>
#include <string_view>

namespace {

// The summary's rows, top to bottom, in both columns.
constexpr std::array<std::string_view, 7> kSummaryKeys = {
    "sys.hostname", "nwk.ipaddr", "nwk.netmask", "sys.gateway", "nwk.bootproto", "date", "time"};

constexpr wchar_t kStatusCaption[] = L"Status";

// What a row shows for its value: the value itself, whole, except the IP state.
std::string Shown(std::string_view key, const std::string& value) {
    if (key == "nwk.bootproto")
        return value == "dhcp" ? "DHCP" : "Fixed";
    return value;
}

} // namespace

CReviewPage::CReviewPage()
    : CWizardPage(IDD_REVIEW_PAGE, kReviewPageLayout,
                  {{kFontE, 17, L"Arial"}, {kFontF, 19, L"Arial"}}),
      m_host(*this, g_saveProgress, *this) {}

BOOL CReviewPage::OnInitDialog() {
    CWizardPage::OnInitDialog();
    ShowColumn(kReviewFirstNew, g_workingSettings);
    ShowColumn(kReviewFirstBefore, g_reportedSettings);
    return TRUE;
}

void CReviewPage::ShowColumn(int firstRow, const std::string& settings) {
    for (std::size_t row = 0; row < kSummaryKeys.size(); ++row) {
        const std::string_view key = kSummaryKeys[row];
        Control(firstRow + static_cast<int>(row))
            .SetWindowText(win::WideFromAnsi(Shown(key, GetSetting(settings, key))));
    }
}

void CReviewPage::OnButtonClicked(WORD id) {
    switch (id) {
    case IDC_SAVE:
        OnSave();
        break;
    case IDC_REVIEW_BACK:
        OnBack();
        break;
    default:
        CWizardPage::OnButtonClicked(id);
    }
}

void CReviewPage::OnSave() {
    CConfirmDlg confirm;
    if (confirm.DoModal() != IDOK)
        return;
    // The request goes to the array as its search reply named it, not to the
    // address it is about to take. An address too long for the address field
    // gives no request: nothing is sent, and the save ends as one that could
    // not be sent.
    m_host.Start(IDS_SAVING,
                 BuildRequest(GetSetting(g_reportedSettings, "nwk.ipaddr"), "SET",
                              g_workingSettings),
                 SAVE_TICK_LIMIT);
}

void CReviewPage::OnBack() {
    MoveToPage(this, m_dateTimePage);
}

void CReviewPage::OnReply(const Reply& reply) {
    if (reply.command != "SETOK")
        return;
    // No expiry follows: the user is told once, whichever tick the reply came in.
    m_host.Finish();
    MessageBox(L"Configurations have saved successfully!", kStatusCaption, MB_OK);
    DestroyWindow();
}

void CReviewPage::OnExpiry(bool listened) {
    // A reply ends the save before any expiry; here without a listening
    // socket the request never went out.
    if (listened)
        AppMessageBoxA("Server does not exist!!", MB_OK);
    else
        MessageBox(L"Configurations have saved Fail!", kStatusCaption, MB_OK | MB_ICONEXCLAMATION);
    DestroyWindow();
}
