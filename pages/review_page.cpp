#include "pages/review_page.h"

#include "app/timer_ids.h"
#include "core/settings/settings.h"
#include "pages/confirm_dlg.h"
#include "pages/page_layouts.h"
#include "pages/wizard.h"
#include "res/messages.h"
#include "res/resource.h"
#include "win/text.h"

#include <array>
#include <string_view>

namespace {

// The summary's rows, top to bottom, in both columns.
constexpr std::array<std::string_view, kReviewRows> kSummaryKeys = {
    "sys.hostname", "nwk.ipaddr", "nwk.netmask", "sys.gateway", "nwk.bootproto", "date", "time"};


// What a row shows for its value: the value itself, whole, except the IP state.
std::string Shown(std::string_view key, const std::string& value) {
    if (key == "nwk.bootproto")
        return value == "dhcp" ? "DHCP" : "Fixed";
    return value;
}

} // namespace

CReviewPage::CReviewPage(CWizard& wizard)
    : CWizardPage(wizard, IDD_REVIEW_PAGE, kReviewPageLayout,
                  {{kFontE, 17, L"Arial"}, {kFontF, 19, L"Arial"}}),
      m_host(*this, wizard.saveProgress, *this), m_wizard(wizard) {}

BOOL CReviewPage::OnInitDialog() {
    CWizardPage::OnInitDialog();
    ShowColumn(kReviewNewColumn, m_run->working);
    ShowColumn(kReviewBeforeColumn, m_run->reported);
    if (m_run->DateRuns() || m_run->TimeRuns()) {
        ShowRunningClock();
        ::SetTimer(m_hWnd, IDT_RUNNING_CLOCK, kRunningClockMs, nullptr);
    }
    return TRUE;
}

void CReviewPage::ShowRunningClock() {
    const ClockReading now = m_run->ClockAt(WizardRun::Clock::now());
    if (m_run->DateRuns())
        Control(IDL_STEP4_NEW_DATE).SetWindowText(win::WideFromAnsi(DateText(now.date)));
    if (m_run->TimeRuns())
        Control(IDL_STEP4_NEW_TIME).SetWindowText(win::WideFromAnsi(TimeText(now.time)));
}

void CReviewPage::OnTimer(UINT_PTR id) {
    if (id == IDT_RUNNING_CLOCK)
        ShowRunningClock();
    else
        CWizardPage::OnTimer(id);
}

void CReviewPage::ShowColumn(const ReviewColumn& column, const std::string& settings) {
    for (std::size_t row = 0; row < kSummaryKeys.size(); ++row) {
        const std::string_view key = kSummaryKeys[row];
        Control(column[row])
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
    const Busy busy(*this);
    const CWindowWatch self(*this);
    CConfirmDlg confirm;
    if (confirm.DoModal() != IDOK || !self.Same())
        return;
    // The request goes to the array as its search reply named it, not to the
    // address it is about to take, from the address it answered on.
    const Conversation save = Conversation::Save(m_run->reported, m_run->localAddress,
                                                 m_run->SettingsToSend(WizardRun::Clock::now()));
    if (m_host.StartOrEnd(IDS_SAVING, save) && self.Same())
        EndUnsent();
}

void CReviewPage::OnBack() {
    m_wizard.Back(*this);
}

// The array took the settings. No expiry follows: the user is told once,
// whichever tick the answer came in.
void CReviewPage::OnAnswer(const Reply&, Answer) {
    const Busy busy(*this);
    const CWindowWatch self(*this);
    m_host.Finish();
    MessageBoxA(kSavedText, kStatusCaption, MB_OK);
    Close(self);
}

// No answer came: an answer ends the save before any expiry.
void CReviewPage::OnExpiry() {
    const Busy busy(*this);
    const CWindowWatch self(*this);
    AppMessageBoxA(kNoAnswerToSaveText, MB_OK);
    Close(self);
}

void CReviewPage::EndUnsent() {
    const CWindowWatch self(*this);
    MessageBoxA(kSaveFailedText, kStatusCaption, MB_OK | MB_ICONEXCLAMATION);
    Close(self);
}

// The save is over and told: the window that sent it goes, and only that one.
void CReviewPage::Close(const CWindowWatch& self) {
    if (self.Same())
        DestroyWindow();
}
