#pragma once
// Wizard step 3: time zone, date and time.
#include "core/setup/running_clock.h"
#include "app/wizard_page.h"
#include "core/setup/datetime_settings.h"
#include "win/common_controls.h"
#include "win/controls.h"

#include <chrono>

class CWizard;

class CDateTimePage : public CWizardPage {
public:
    explicit CDateTimePage(CWizard& wizard);

protected:
    void DoDataExchange() override;
    BOOL OnInitDialog() override;
    void OnButtonClicked(WORD id) override;
    void OnTimer(UINT_PTR id) override;
    void OnNotify(UINT_PTR id, UINT code) override;

private:
    // A picker shows the array's clock running until the user takes it over:
    // `reading` as it stood at `readAt`, moved on by the time since.
    struct PickerClock {
        CDateTimeCtrl* picker;
        ClockReading reading;
        std::chrono::steady_clock::time_point readAt;
        bool running;
        bool changed; // by the user
    };

    void OnNext();
    void OnBack();

    void LoadControls();
    // False, with the run's working settings untouched and the user told,
    // when they could not take every value.
    bool SaveControls();
    // Sets the picker to `shown`; once taken, it runs from the run's clock.
    void LoadPicker(PickerClock& clock, const ClockReading& shown);
    // Sets the picker to what the user set before: it stands, and goes as set.
    void ShowSet(PickerClock& clock, const ClockReading& shown);
    void UpdateRunningPickers();
    PickerClock* ClockOf(UINT_PTR pickerId);

    CComboBox m_timeZone;
    CDateTimeCtrl m_date;
    CDateTimeCtrl m_time;
    CComboBox m_ntpServer;
    DateTimeValues m_values;
    PickerClock m_dateClock{&m_date, {}, {}, false, false};
    PickerClock m_timeClock{&m_time, {}, {}, false, false};
    // Set while the page itself moves a picker, whose change notification is
    // then none of the user's doing.
    bool m_settingPicker = false;
    CWizard& m_wizard;
};
