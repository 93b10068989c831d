#pragma once
// One array's settings string edited by the values named for it, by the
// wizard's rules: only the named values that differ from the reported ones
// change, each pair replaced in place in the wizard's format, and every other
// byte goes back as the array reported it.
#include "cli/fields.h"
#include "cli/named_values.h"
#include "core/setup/device_list.h"
#include "core/setup/running_clock.h"
#include "core/setup/wizard_run.h"

#include <string>
#include <string_view>
#include <vector>

struct Change {
    Field field;
    std::string reported; // both as q6 prints them
    std::string sent;
};

struct FieldProblem {
    Field field;
    std::string text;
};

struct SettingsEdit {
    std::string working; // the reported settings with the changed values replaced
    std::vector<Change> changes;
    // A date or time named and changed goes as named; the other runs on with
    // the array's clock, unless the array reports no clock it could run from.
    WizardRun::SetByUser setByUser;
    // Why these settings cannot go to the array; nothing may be sent then.
    std::vector<FieldProblem> problems;
};

// `localNow` is this computer's clock, for a clock named "now".
SettingsEdit EditSettings(std::string_view reported, const NamedValues& named,
                          const ClockReading& localNow);

// What the SET carries at `now`: the edited settings of the array of
// `record`, its clock run on where the edit did not set it.
std::string SettingsToSend(const DeviceRecord& record, const SettingsEdit& edit,
                           WizardRun::Clock::time_point now);
