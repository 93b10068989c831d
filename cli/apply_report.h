#pragma once
// What apply tells of a plan: the changes it is about to send, each row's
// outcome as it goes, and at the end a summary and the arrays as a new search
// finds them, as text or as JSON.
#include "cli/exchanges.h"
#include "cli/plan.h"

#include <optional>
#include <string>
#include <vector>

struct RowOutcome {
    const PlanTarget* target = nullptr;
    enum class Kind { kSaved, kUnchanged, kNotFound, kFailed } kind = Kind::kUnchanged;
    Outcome outcome;
    std::string sent; // the settings of the SET the array took
    // After the final search: the array as it reports itself now (null when
    // it was not found again), and the values sent it now reports otherwise.
    std::optional<FoundArray> now;
    std::vector<Field> differs;
};

struct PhaseSeconds {
    double search = 0, checks = 0, rows = 0, finalSearch = 0;
};

// ROW, ARRAY, VALUE, REPORTED, NEW: one line a change of every row.
std::string PlanChanges(const std::vector<PlanTarget>& targets);

// "row 3: NAME (MAC, ADDRESS): saved"
std::string RowLine(const RowOutcome& row);

// Compares each row with its array as `arrays`, a new search, shows it.
void CheckRows(std::vector<RowOutcome>& rows, const std::vector<FoundArray>& arrays);

// The counts and the time of each phase.
std::string SummaryText(const std::vector<RowOutcome>& rows, const PhaseSeconds& seconds);
// Each row's array as the final search found it, marked where it was not
// found or reports other values than were sent.
std::string FinalTable(const std::vector<RowOutcome>& rows);
std::string SummaryJson(const std::vector<RowOutcome>& rows, const PhaseSeconds& seconds,
                        bool searchedAgain);
