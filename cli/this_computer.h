#pragma once
// This computer's clock and environment, as the system gives them.
#include "core/setup/running_clock.h"

#include <optional>
#include <string>

// The local date and time now.
ClockReading LocalNow();

// The environment variable's value, UTF-8; nullopt when it is not set.
std::optional<std::string> EnvironmentVariable(const char* name);
