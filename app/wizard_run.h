#pragma once
// One wizard run: what steps 2 to 4 show and "保存" sends, for the one array
// whose administrator password step 1 checked. Other windows, a new search
// among them, never change a run; only its own pages do.
#include "app/device_list.h"
#include "app/running_clock.h"

#include <chrono>
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
    // The array's clock as step 3 runs it: `clock` as it stood at
    // `clockReadAt`, first the reply's date and time at its arrival.
    ClockReading clock{};
    Clock::time_point clockReadAt{};
    // Set by step 3's "下一步" when the user set neither date nor time: the
    // clock runs on until "保存" sends it.
    bool clockRuns = false;

    static WizardRun Of(const DeviceRecord& record);
    // The clock at `now`.
    ClockReading ClockAt(Clock::time_point now) const;
    // What "保存" sends at `now`: the working settings, their date and time
    // the running clock's where it runs.
    std::string SettingsToSend(Clock::time_point now) const;
};
