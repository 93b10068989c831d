#pragma once
// q6's conversations with the arrays, each held to its end on this thread
// (Converse), and their failures in the user's words.
#include "cli/exit_codes.h"
#include "core/protocol/failure.h"
#include "core/setup/device_list.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct SearchResult {
    std::optional<ExchangeFailure> failure;
    std::vector<DeviceRecord> replies; // every answer, in arrival order
};

SearchResult SearchArrays(std::chrono::milliseconds wait);

enum class Step { kSearch, kCheck, kSave };

struct Outcome {
    Exit exit = Exit::kDone;
    std::string text; // what happened, for the user
};

// `from`: this computer's address the array answered on.
Outcome FailureOutcome(ExchangeFailure failure, Step step, std::string_view from);

// The array's own password check, then, when it took the password, one SET
// of what `settingsToSend` builds at that moment, to the array of `record`
// from the address it answered on. `sent` receives the settings sent.
Outcome CheckAndSave(const DeviceRecord& record, std::string_view password,
                     const std::function<std::string()>& settingsToSend, std::string& sent);
