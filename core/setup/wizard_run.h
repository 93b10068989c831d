#pragma once
// One wizard run: what steps 2 to 4 show and "保存" sends, for the one array
// whose administrator password step 1 checked. Other windows, a new search
// among them, never change a run; only its own pages do.
#include "core/setup/device_list.h"
#include "core/setup/running_clock.h"

#include <chrono>
#include <optional>
#include <string>

struct WizardRun {
    using Clock = std::chrono::steady_clock;

    // The array's search reply, unchanged: the column "之前配置" and the
    // address (nwk.ipaddr) every request of the run names.
    std::string reported;
    // The copy steps 2 and 3 edit; what the save sends whole.
    std::string working{};
    // This computer's address that the array answered: its requests leave
    // through that adapter.
    std::string localAddress{};
    // The array's clock as it runs: `clock` as it stood at `clockReadAt`,
    // first the reply's date and time at its arrival.
    ClockReading clock{};
    Clock::time_point clockReadAt{};
    // Which of date and time the user set on step 3, as its last "下一步"
    // left them: those go as set; the other runs on with the array's clock
    // until "保存" sends it. None before step 3's first "下一步": the working
    // settings go as they are.
    struct SetByUser {
        bool date = false;
        bool time = false;
    };
    std::optional<SetByUser> setByUser{};

    static WizardRun Of(const DeviceRecord& record);
    // The array's clock at `now`.
    ClockReading ClockAt(Clock::time_point now) const;
    // Whether the date or the time runs on to the save.
    bool DateRuns() const { return setByUser && !setByUser->date; }
    bool TimeRuns() const { return setByUser && !setByUser->time; }
    // What "保存" sends at `now`: the working settings, their date or time
    // the running clock's where it runs.
    std::string SettingsToSend(Clock::time_point now) const;
};
