#pragma once
// The commands of q6, each from its parsed arguments to its exit code.
#include "cli/arguments.h"
#include "cli/console.h"
#include "cli/exit_codes.h"

Exit RunFind(const Arguments& arguments, Console& console);
Exit RunShow(const Arguments& arguments, Console& console);
Exit RunSet(const Arguments& arguments, Console& console);
Exit RunApply(const Arguments& arguments, Console& console);
Exit RunZones(const Arguments& arguments, Console& console);
