#pragma once
// A plan: one row of values for each array, named by its MAC address, read
// from CSV with a header row and checked whole before anything is sent.
#include "cli/found_arrays.h"
#include "cli/named_values.h"
#include "cli/settings_edit.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct PlanRow {
    int row = 0;     // as a spreadsheet numbers it: the header is row 1
    std::string mac; // bytes, compared without case
    NamedValues named;
    std::optional<std::string> password; // the row's own, as the array compares it
};

// Each worded for the user: "row 3: ip: 10.0.0.300 is no IPv4 address".
using Problems = std::vector<std::string>;

// The plan's rows, blank ones left out, and every problem found without a
// search: columns, values, a MAC named twice, one fixed address given twice.
std::vector<PlanRow> ReadPlan(std::string_view csv, Problems& problems);

struct PlanTarget {
    const PlanRow* row;
    const FoundArray* array; // null when no array found reports the row's MAC
    SettingsEdit edit;       // the array's, when found
};

// Each row with its array among those found, and the problems only the
// search shows: an array that shares its address with another, a MAC that
// several arrays report, values the array's settings cannot take.
std::vector<PlanTarget> TargetPlan(const std::vector<PlanRow>& rows,
                                   const std::vector<FoundArray>& arrays, Problems& problems);

// The plan's columns, as --help and the problems list them.
std::string PlanColumns();
