#pragma once
// The program: its arguments (UTF-8) to its exit code.
#include "cli/console.h"

#include <string>
#include <vector>

int RunQ6(const std::vector<std::string>& args, Console& console);
