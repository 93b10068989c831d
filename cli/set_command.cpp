#include "cli/array_output.h"
#include "cli/commands.h"
#include "cli/exchanges.h"
#include "cli/steps.h"
#include "cli/table.h"
#include "cli/this_computer.h"
#include "core/protocol/conversation.h"
#include "core/settings/settings.h"

namespace {

// Requests go by broadcast and name the array by its address: every array
// answering for it would take them.
Exit RefuseSharedAddress(Console& console, const std::vector<FoundArray>& arrays,
                         const FoundArray& array) {
    console.err << "q6: refused, nothing was sent: " << Describe(array.record.settings)
                << " answers for its address with\n";
    const std::string address = GetSetting(array.record.settings, "nwk.ipaddr");
    for (const FoundArray* other : AnsweringFor(arrays, address, array))
        console.err << "  " << Describe(other->record.settings) << "\n";
    console.err << "every request to one of them reaches all: connect them one at a time to "
                   "set them up\n";
    return Exit::kRefused;
}

} // namespace

Exit RunSet(const Arguments& arguments, Console& console) {
    NamedValues named;
    std::vector<std::string> problems;
    for (const auto& [field, text] : arguments.values)
        if (const auto problem = TakeValue(field, text, false, named))
            problems.push_back(OptionOf(field) + ": " + *problem);
    named.dhcp = arguments.dhcp;
    named.clockNow = arguments.clockNow;
    if (!problems.empty()) {
        ListProblems(console, "refused, nothing was sent:", problems);
        return Exit::kRefused;
    }
    const GivenPassword given = ReadGivenPassword(console, arguments);
    if (given.failure)
        return *given.failure;
    if (!arguments.dryRun && !PasswordAvailable(console, given))
        return Exit::kUsage;

    const auto search = SearchNamed(console, arguments.target);
    if (const Exit* exit = std::get_if<Exit>(&search))
        return *exit;
    const std::vector<FoundArray>& arrays = std::get<NamedArray>(search).found;
    const FoundArray& array = std::get<NamedArray>(search).Array();
    const DeviceRecord& record = array.record;
    const std::string name = Describe(record.settings);
    if (array.sharedAddress)
        return RefuseSharedAddress(console, arrays, array);

    const SettingsEdit edit = EditSettings(record.settings, named, LocalNow());
    for (const FieldProblem& problem : edit.problems)
        problems.push_back(OptionOf(problem.field) + ": " + problem.text);
    if (const auto taken = AddressTaken(arrays, array, edit.working))
        problems.push_back(OptionOf(Field::kIp) + ": " + *taken);
    if (!problems.empty()) {
        ListProblems(console, "refused, nothing was sent:", problems);
        return Exit::kRefused;
    }
    if (edit.changes.empty()) {
        console.err << "q6: nothing to change: " << name
                    << " reports every value named; nothing was sent\n";
        return Exit::kDone;
    }
    if (const auto refused =
            Conversation::Verify(record.settings, record.localAddress, {}).Refused()) {
        console.err << "q6: " << name << ": "
                    << FailureOutcome(*refused, Step::kCheck, record.localAddress).text << "\n";
        return Exit::kRefused;
    }

    std::vector<std::vector<std::string>> rows = {{"VALUE", "REPORTED", "NEW"}};
    for (auto& row : ChangeRows(edit.changes))
        rows.push_back(std::move(row));
    console.out << Table(rows) << std::flush;
    if (const auto stop = Confirm(console, arguments, "Send these settings to " + name + "?"))
        return *stop;
    const auto password = Password(console, given, "Password of " + name + ": ");
    if (const Exit* exit = std::get_if<Exit>(&password))
        return *exit;

    std::string sent;
    const Outcome outcome = CheckAndSave(
        record, std::get<std::string>(password),
        [&] {
            return SettingsToSend(record, EditSettings(record.settings, named, LocalNow()),
                                  WizardRun::Clock::now());
        },
        sent);
    console.err << (outcome.exit == Exit::kDone ? "" : "q6: ") << name << ": " << outcome.text
                << "\n";
    return outcome.exit;
}
