#pragma once
// The arrays found as q6 prints them: a table for people, JSON and CSV for
// scripts, one array's details, and the changes a command is about to send.
#include "cli/found_arrays.h"
#include "cli/settings_edit.h"

#include <string>
#include <vector>

// The table, an array whose address another one answers for too marked "*".
std::string ArraysTable(const std::vector<FoundArray>& arrays);
// The footnote the mark refers to.
inline constexpr const char* kSharedAddressNote =
    "* another array answers for this address too: every request to one reaches the other; "
    "connect them one at a time to set them up";

// One object: every field, this computer's address the array answered on,
// whether its address is shared, and its whole settings string.
std::string ArrayJson(const FoundArray& array);

// A plan of the arrays as they are: the columns apply takes, but for the
// clock and the password.
std::string ArraysCsv(const std::vector<FoundArray>& arrays);

// One line a field, for show.
std::string ArrayDetails(const FoundArray& array);

// VALUE, REPORTED, NEW: one line a change.
std::vector<std::vector<std::string>> ChangeRows(const std::vector<Change>& changes);
