#pragma once
// One wizard run: what steps 2 to 4 show and "保存" sends, for the one array
// whose administrator password step 1 checked. Other windows, a new search
// among them, never change a run; only its own pages do.
#include "app/device_list.h"

#include <chrono>
#include <string>

struct WizardRun {
    // The array's search reply, unchanged: the column "之前配置" and the
    // address (nwk.ipaddr) every request of the run names.
    std::string reported;
    // The copy steps 2 and 3 edit; what the save sends whole.
    std::string working{};
    // This computer's address that the array answered: its requests leave
    // through that adapter.
    std::string localAddress{};
    // When the date and time in `working` were true: the reply's arrival, or
    // the moment step 3 wrote its own.
    std::chrono::steady_clock::time_point clockReadAt{};

    static WizardRun Of(const DeviceRecord& record) {
        return {record.settings, record.settings, record.localAddress, record.receivedAt};
    }
};
