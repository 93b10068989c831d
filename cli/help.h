#pragma once
// What q6 --help and q6 COMMAND --help say.
#include "cli/arguments.h"

#include <string>

inline constexpr const char* kVersion = "q6 1.0";

std::string HelpText(Command command);
