#include "pages/datetime_page.h"

#include "app/timer_ids.h"
#include "core/setup/time_zones.h"
#include "pages/page_layouts.h"
#include "pages/wizard.h"
#include "res/resource.h"
#include "win/text.h"

namespace {

using Clock = std::chrono::steady_clock;

SYSTEMTIME SystemTimeOf(const ClockReading& reading) {
    SYSTEMTIME time = {};
    time.wYear = static_cast<WORD>(reading.date.year);
    time.wMonth = static_cast<WORD>(reading.date.month);
    time.wDay = static_cast<WORD>(reading.date.day);
    time.wHour = static_cast<WORD>(reading.time.hour);
    time.wMinute = static_cast<WORD>(reading.time.minute);
    time.wSecond = static_cast<WORD>(reading.time.second);
    return time;
}

ClockReading ReadingOf(const SYSTEMTIME& time) {
    return {{time.wYear, time.wMonth, time.wDay}, {time.wHour, time.wMinute, time.wSecond}};
}

ClockReading PickerReading(const CDateTimeCtrl& picker) {
    SYSTEMTIME time = {};
    picker.GetTime(time);
    return ReadingOf(time);
}

} // namespace

CDateTimePage::CDateTimePage(CWizard& wizard)
    : CWizardPage(wizard, IDD_DATETIME_PAGE, kDateTimePageLayout, {{kFontE, 20, kPageFace}}),
      m_wizard(wizard) {}

void CDateTimePage::DoDataExchange() {
    DDX_Control(IDC_TIMEZONE, m_timeZone);
    DDX_Control(IDC_DATE, m_date);
    DDX_Control(IDC_TIME, m_time);
    DDX_Control(IDC_NTP_SERVER, m_ntpServer);
}

BOOL CDateTimePage::OnInitDialog() {
    CWizardPage::OnInitDialog();
    LoadControls();
    ::SetTimer(m_hWnd, IDT_RUNNING_CLOCK, kRunningClockMs, nullptr);
    return TRUE;
}

// ---- Data exchange

void CDateTimePage::LoadControls() {
    SettingsExchange dx = SettingsExchange::Loading(m_run->working);
    ExchangeDateTimeSettings(dx, m_values);

    FillTimeZones([this](std::string_view row) { m_timeZone.AddString(win::WideFromAnsi(row)); });
    m_timeZone.SetCurSel(m_values.zoneRow);

    // The time picker takes the run's date with the time, so a date the
    // pickers refuse leaves both at this computer's clock. Both run from the
    // whole reading: the date turns at the array's midnight. What the user
    // set on an earlier pass shows as set, and stays so.
    const ClockReading& clock = m_run->clock;
    const ClockReading set = {m_values.date, m_values.time};
    const std::optional<WizardRun::SetByUser>& setByUser = m_run->setByUser;
    if (setByUser && setByUser->date)
        ShowSet(m_dateClock, {set.date, {}});
    else
        LoadPicker(m_dateClock, {clock.date, {}});
    if (setByUser && setByUser->time)
        ShowSet(m_timeClock, set);
    else
        LoadPicker(m_timeClock, clock);
    UpdateRunningPickers();

    for (const std::string& item : m_values.ntpItems)
        m_ntpServer.AddString(win::WideFromAnsi(item));
    m_ntpServer.SetCurSel(m_values.ntpSelected);
}

bool CDateTimePage::SaveControls() {
    UpdateRunningPickers();
    m_values.zoneRow = m_timeZone.GetCurSel();
    m_values.date = PickerReading(m_date).date;
    m_values.time = PickerReading(m_time).time;
    m_values.ntpSelected = m_ntpServer.GetCurSel();

    SettingsExchange dx = SettingsExchange::Saving(m_run->working);
    ExchangeDateTimeSettings(dx, m_values);
    return CommitToWorkingSettings(dx);
}

// ---- The running clock

void CDateTimePage::LoadPicker(PickerClock& clock, const ClockReading& shown) {
    m_settingPicker = true;
    const bool taken = clock.picker->SetTime(SystemTimeOf(shown));
    m_settingPicker = false;
    // A refused reading leaves the picker at this computer's clock, which runs
    // from now.
    clock.reading = taken ? m_run->clock : PickerReading(*clock.picker);
    clock.readAt = taken ? m_run->clockReadAt : Clock::now();
    clock.running = true;
    clock.changed = false;
}

void CDateTimePage::ShowSet(PickerClock& clock, const ClockReading& shown) {
    m_settingPicker = true;
    clock.picker->SetTime(SystemTimeOf(shown));
    m_settingPicker = false;
    clock.running = false;
    clock.changed = true;
}

void CDateTimePage::UpdateRunningPickers() {
    const Clock::time_point now = Clock::now();
    for (PickerClock* clock : {&m_dateClock, &m_timeClock}) {
        if (!clock->running)
            continue;
        const auto elapsed = std::chrono::duration_cast<std::chrono::seconds>(now - clock->readAt);
        m_settingPicker = true;
        clock->picker->SetTime(SystemTimeOf(AdvanceClock(clock->reading, elapsed.count())));
        m_settingPicker = false;
    }
}

CDateTimePage::PickerClock* CDateTimePage::ClockOf(UINT_PTR pickerId) {
    if (pickerId == IDC_DATE)
        return &m_dateClock;
    if (pickerId == IDC_TIME)
        return &m_timeClock;
    return nullptr;
}

// ---- Messages

void CDateTimePage::OnNotify(UINT_PTR id, UINT code) {
    // From the user's first touch the picker shows, and Next writes, the
    // user's value.
    const bool userChange = code == DTN_DATETIMECHANGE && !m_settingPicker;
    if (code != NM_SETFOCUS && !userChange)
        return;
    if (PickerClock* clock = ClockOf(id)) {
        clock->running = false;
        clock->changed = clock->changed || userChange;
    }
}

void CDateTimePage::OnTimer(UINT_PTR id) {
    if (id == IDT_RUNNING_CLOCK)
        UpdateRunningPickers();
    else
        CWizardPage::OnTimer(id);
}

void CDateTimePage::OnButtonClicked(WORD id) {
    switch (id) {
    case IDC_DATETIME_NEXT:
        OnNext();
        break;
    case IDC_DATETIME_BACK:
        OnBack();
        break;
    default:
        CWizardPage::OnButtonClicked(id);
    }
}

void CDateTimePage::OnNext() {
    const Busy busy(*this);
    if (!SaveControls())
        return;
    // A date or time the user set goes to the array as set; the other, left
    // alone, runs on with the array's clock until the save sends it, from
    // this computer's clock where the pickers refused the array's.
    m_run->setByUser = WizardRun::SetByUser{m_dateClock.changed, m_timeClock.changed};
    for (const PickerClock* clock : {&m_timeClock, &m_dateClock})
        if (!clock->changed) {
            m_run->clock = clock->reading;
            m_run->clockReadAt = clock->readAt;
            break;
        }
    m_wizard.Next(*this, m_run);
}

void CDateTimePage::OnBack() {
    m_wizard.Back(*this);
}
