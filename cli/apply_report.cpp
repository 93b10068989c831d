#include "cli/apply_report.h"

#include "cli/array_output.h"
#include "cli/json.h"
#include "cli/table.h"
#include "cli/text.h"
#include "core/settings/settings.h"

#include <cstdio>

namespace {

// The fields of a plan that the final table shows: what a plan can set.
constexpr Field kChecked[] = {Field::kHostName, Field::kIp,  Field::kMode, Field::kNetmask,
                              Field::kGateway,  Field::kDns, Field::kMac,  Field::kTimeZone};

std::string Who(const PlanTarget& target) {
    return target.array ? Describe(target.array->record.settings) : Shown(target.row->mac);
}

std::string_view KindWord(RowOutcome::Kind kind) {
    switch (kind) {
    case RowOutcome::Kind::kSaved:
        return "saved";
    case RowOutcome::Kind::kUnchanged:
        return "unchanged";
    case RowOutcome::Kind::kNotFound:
        return "not found";
    case RowOutcome::Kind::kFailed:
        break;
    }
    return "failed";
}

// "as sent", "differs: ip", "not found", or nothing for a row not sent.
std::string CheckWord(const RowOutcome& row) {
    if (!row.now)
        return "not found";
    if (row.kind != RowOutcome::Kind::kSaved)
        return "";
    if (row.differs.empty())
        return "as sent";
    std::string word = "differs:";
    for (std::size_t i = 0; i < row.differs.size(); ++i)
        word += (i == 0 ? " " : ", ") + std::string(NamesOf(row.differs[i]).column);
    return word;
}

int Count(const std::vector<RowOutcome>& rows, RowOutcome::Kind kind) {
    int count = 0;
    for (const RowOutcome& row : rows)
        count += row.kind == kind;
    return count;
}

std::string Seconds(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f s", seconds);
    return text;
}

} // namespace

std::string PlanChanges(const std::vector<PlanTarget>& targets) {
    std::vector<std::vector<std::string>> rows = {{"ROW", "ARRAY", "VALUE", "REPORTED", "NEW"}};
    for (const PlanTarget& target : targets) {
        if (!target.array)
            continue;
        const std::string name = FieldText(target.array->record.settings, Field::kHostName);
        for (std::vector<std::string>& change : ChangeRows(target.edit.changes)) {
            change.insert(change.begin(), {std::to_string(target.row->row), name});
            rows.push_back(std::move(change));
        }
    }
    return Table(rows);
}

std::string RowLine(const RowOutcome& row) {
    std::string text;
    switch (row.kind) {
    case RowOutcome::Kind::kNotFound:
        text = "not found, skipped";
        break;
    case RowOutcome::Kind::kUnchanged:
        text = "nothing to change, skipped";
        break;
    default:
        text = row.outcome.text;
    }
    return "row " + std::to_string(row.target->row->row) + ": " + Who(*row.target) + ": " + text;
}

void CheckRows(std::vector<RowOutcome>& rows, const std::vector<FoundArray>& arrays) {
    for (RowOutcome& row : rows) {
        const FoundArray* now = nullptr;
        int reporting = 0;
        for (const FoundArray& array : arrays)
            if (EqualsIgnoringCase(GetSetting(array.record.settings, "nwk.mac"),
                                   row.target->row->mac)) {
                now = &array;
                ++reporting;
            }
        if (reporting != 1)
            continue;
        row.now = *now;
        if (row.kind != RowOutcome::Kind::kSaved)
            continue;
        // The clock runs on: date and time never read back as sent.
        for (const Change& change : row.target->edit.changes) {
            const std::string_view key = NamesOf(change.field).key;
            if (change.field != Field::kDate && change.field != Field::kTime &&
                GetSetting(now->record.settings, key) != GetSetting(row.sent, key))
                row.differs.push_back(change.field);
        }
    }
}

std::string SummaryText(const std::vector<RowOutcome>& rows, const PhaseSeconds& seconds) {
    return std::to_string(rows.size()) +
           " rows: " + std::to_string(Count(rows, RowOutcome::Kind::kSaved)) + " saved, " +
           std::to_string(Count(rows, RowOutcome::Kind::kUnchanged)) + " unchanged, " +
           std::to_string(Count(rows, RowOutcome::Kind::kNotFound)) + " not found, " +
           std::to_string(Count(rows, RowOutcome::Kind::kFailed)) + " failed\n" + "search " +
           Seconds(seconds.search) + ", checks " + Seconds(seconds.checks) + ", rows " +
           Seconds(seconds.rows) + ", final search " + Seconds(seconds.finalSearch) + "\n";
}

std::string FinalTable(const std::vector<RowOutcome>& rows) {
    std::vector<std::vector<std::string>> lines(1, {"ROW", "CHECK"});
    for (const Field field : kChecked)
        lines[0].emplace_back(NamesOf(field).heading);
    for (const RowOutcome& row : rows) {
        std::vector<std::string>& line = lines.emplace_back();
        line = {std::to_string(row.target->row->row), CheckWord(row)};
        for (const Field field : kChecked)
            line.push_back(row.now                ? FieldText(row.now->record.settings, field)
                           : field == Field::kMac ? Shown(row.target->row->mac)
                                                  : "");
    }
    return Table(lines);
}

std::string SummaryJson(const std::vector<RowOutcome>& rows, const PhaseSeconds& seconds,
                        bool searchedAgain) {
    std::vector<std::string> objects;
    for (const RowOutcome& row : rows) {
        std::vector<std::string> changes;
        for (const Change& change : row.target->edit.changes)
            changes.push_back(JsonObject()
                                  .Add("value", NamesOf(change.field).column)
                                  .Add("reported", change.reported)
                                  .Add("new", change.sent)
                                  .Text());
        JsonObject object;
        object.AddInteger("row", row.target->row->row)
            .Add("mac", Shown(row.target->row->mac))
            .Add("outcome", KindWord(row.kind))
            .AddInteger("exit", static_cast<int>(row.kind == RowOutcome::Kind::kNotFound
                                                     ? Exit::kNoArray
                                                     : row.outcome.exit))
            .Add("text", RowLine(row))
            .AddJson("changes", JsonArray(changes));
        if (searchedAgain)
            object.Add("check", CheckWord(row))
                .AddJson("now", row.now ? ArrayJson(*row.now) : "null");
        objects.push_back(object.Text());
    }
    return JsonObject()
               .AddJson("rows", JsonArray(objects, true))
               .AddInteger("saved", Count(rows, RowOutcome::Kind::kSaved))
               .AddInteger("unchanged", Count(rows, RowOutcome::Kind::kUnchanged))
               .AddInteger("not_found", Count(rows, RowOutcome::Kind::kNotFound))
               .AddInteger("failed", Count(rows, RowOutcome::Kind::kFailed))
               .AddJson("seconds", JsonObject()
                                       .AddNumber("search", seconds.search)
                                       .AddNumber("checks", seconds.checks)
                                       .AddNumber("rows", seconds.rows)
                                       .AddNumber("final_search", seconds.finalSearch)
                                       .Text())
               .Text() +
           "\n";
}
