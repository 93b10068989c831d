#include "cli/apply_report.h"
#include "cli/commands.h"
#include "cli/files.h"
#include "cli/search_wait.h"
#include "cli/steps.h"

#include <algorithm>

namespace {

using Steady = std::chrono::steady_clock;

double SecondsSince(Steady::time_point start) {
    return std::chrono::duration<double>(Steady::now() - start).count();
}

bool Sends(const PlanTarget& target) {
    return target.array && !target.edit.changes.empty();
}

// The row's password check and save, or why it was skipped.
RowOutcome RunRow(const PlanTarget& target, const std::string& commonPassword) {
    RowOutcome row;
    row.target = &target;
    if (!target.array) {
        row.kind = RowOutcome::Kind::kNotFound;
        return row;
    }
    if (!Sends(target))
        return row;
    const DeviceRecord& record = target.array->record;
    row.outcome = CheckAndSave(
        record, target.row->password.value_or(commonPassword),
        [&] { return SettingsToSend(record, target.edit, WizardRun::Clock::now()); }, row.sent);
    row.kind =
        row.outcome.exit == Exit::kDone ? RowOutcome::Kind::kSaved : RowOutcome::Kind::kFailed;
    return row;
}

} // namespace

Exit RunApply(const Arguments& arguments, Console& console) {
    // With --json the summary alone goes to the standard output.
    std::ostream& lines = arguments.json ? console.err : console.out;
    Steady::time_point phase = Steady::now();
    PhaseSeconds seconds;
    const std::optional<std::string> csv = ReadWholeFile(arguments.target);
    if (!csv) {
        console.err << "q6: " << arguments.target << ": cannot be read\n";
        return Exit::kUsage;
    }
    Problems problems;
    const std::vector<PlanRow> rows = ReadPlan(*csv, problems);
    if (!problems.empty()) {
        ListProblems(console, "the plan is refused, nothing was sent:", problems);
        return Exit::kRefused;
    }
    if (rows.empty()) {
        console.err << "q6: the plan has no rows: nothing to do\n";
        return Exit::kDone;
    }
    const GivenPassword given = ReadGivenPassword(console, arguments);
    if (given.failure)
        return *given.failure;
    const bool everyRowItsOwn =
        std::all_of(rows.begin(), rows.end(), [](const PlanRow& row) { return row.password; });
    if (!arguments.dryRun && !everyRowItsOwn && !PasswordAvailable(console, given))
        return Exit::kUsage;
    seconds.checks = SecondsSince(phase);

    phase = Steady::now();
    const auto found = Search(console, kSearchWait);
    if (const Exit* exit = std::get_if<Exit>(&found))
        return *exit;
    const auto& arrays = std::get<std::vector<FoundArray>>(found);
    seconds.search = SecondsSince(phase);

    phase = Steady::now();
    const std::vector<PlanTarget> targets = TargetPlan(rows, arrays, problems);
    seconds.checks += SecondsSince(phase);
    if (!problems.empty()) {
        ListProblems(console, "the plan is refused, nothing was sent:", problems);
        return Exit::kRefused;
    }

    const auto sending = std::count_if(targets.begin(), targets.end(), Sends);
    std::string commonPassword;
    if (sending > 0) {
        lines << PlanChanges(targets) << std::flush;
        const std::string question =
            "Send these settings to " + std::to_string(sending) + " arrays?";
        if (const auto stop = Confirm(console, arguments, question))
            return *stop;
        const bool needed = std::any_of(targets.begin(), targets.end(), [](const PlanTarget& t) {
            return Sends(t) && !t.row->password;
        });
        if (needed) {
            const auto password = Password(console, given, "Password of the arrays: ");
            if (const Exit* exit = std::get_if<Exit>(&password))
                return *exit;
            commonPassword = std::get<std::string>(password);
        }
    }

    phase = Steady::now();
    std::vector<RowOutcome> outcomes;
    for (const PlanTarget& target : targets) {
        outcomes.push_back(RunRow(target, commonPassword));
        lines << RowLine(outcomes.back()) << "\n" << std::flush;
    }
    seconds.rows = SecondsSince(phase);

    // Nothing sent, nothing to see again: the first search shows the arrays as they are.
    const bool searchAgain = sending > 0;
    if (searchAgain) {
        phase = Steady::now();
        const SearchResult again = SearchArrays(kSearchWait);
        seconds.finalSearch = SecondsSince(phase);
        if (again.failure)
            console.err << "q6: the final search failed: "
                        << FailureOutcome(*again.failure, Step::kSearch, {}).text << "\n";
        CheckRows(outcomes, FindArrays(again.replies));
    }
    if (arguments.json) {
        console.out << SummaryJson(outcomes, seconds, searchAgain);
    } else {
        console.out << SummaryText(outcomes, seconds);
        if (searchAgain)
            console.out << FinalTable(outcomes);
    }
    const bool allDone = std::none_of(outcomes.begin(), outcomes.end(), [](const RowOutcome& row) {
        return row.kind == RowOutcome::Kind::kFailed || row.kind == RowOutcome::Kind::kNotFound;
    });
    return allDone ? Exit::kDone : Exit::kRowsFailed;
}
