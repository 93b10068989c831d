#include "core/setup/wizard_run.h"

#include "core/settings/settings.h"

WizardRun WizardRun::Of(const DeviceRecord& record) {
    const ClockReading reported = {ParseDate(GetSetting(record.settings, "date")),
                                   ParseTime(GetSetting(record.settings, "time"))};
    return {record.settings, record.settings, record.localAddress, reported, record.receivedAt};
}

ClockReading WizardRun::ClockAt(Clock::time_point now) const {
    return AdvanceClock(
        clock, std::chrono::duration_cast<std::chrono::seconds>(now - clockReadAt).count());
}

std::string WizardRun::SettingsToSend(Clock::time_point now) const {
    // The running clock keeps the lengths step 3 wrote and checked: the year
    // stops at 9999, and the other fields have two digits each.
    const ClockReading running = ClockAt(now);
    std::string sent = working;
    if (DateRuns())
        ReplaceSetting(sent, "date", DatePair("date", running.date));
    if (TimeRuns())
        ReplaceSetting(sent, "time", TimePair("time", running.time));
    return sent;
}
