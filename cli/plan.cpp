#include "cli/plan.h"

#include "cli/csv.h"
#include "cli/text.h"
#include "core/protocol/message.h"
#include "core/settings/settings.h"

#include <algorithm>

namespace {

constexpr std::string_view kMacColumn = "mac";
constexpr std::string_view kPasswordColumn = "password";
// The columns of an array's values, besides the MAC and the password.
constexpr Field kValueColumns[] = {Field::kHostName, Field::kMode,    Field::kIp,
                                   Field::kNetmask,  Field::kGateway, Field::kDns,
                                   Field::kTimeZone, Field::kDate,    Field::kTime};

std::string RowText(int row) {
    return "row " + std::to_string(row) + ": ";
}

// What a column of the header holds: kNone for cells beyond the header or
// under an empty name, kUnknown under a name no column has (the header's
// problem already).
struct Column {
    enum class Kind { kNone, kUnknown, kMac, kPassword, kValue } kind = Kind::kNone;
    Field field = Field::kMac;
};

std::optional<Column> ColumnNamed(std::string_view name) {
    if (name.empty())
        return Column{};
    if (EqualsIgnoringCase(name, kMacColumn))
        return Column{Column::Kind::kMac};
    if (EqualsIgnoringCase(name, kPasswordColumn))
        return Column{Column::Kind::kPassword};
    for (const Field field : kValueColumns)
        if (EqualsIgnoringCase(name, NamesOf(field).column))
            return Column{Column::Kind::kValue, field};
    return std::nullopt;
}

std::vector<Column> ReadHeader(const CsvRecord& header, Problems& problems) {
    std::vector<Column> columns;
    for (const std::string& name : header) {
        const std::optional<Column> column = ColumnNamed(name);
        if (!column)
            problems.push_back(RowText(1) + Shown(name) +
                               ": no such column (the columns: " + PlanColumns() + ")");
        const bool twice = column && column->kind != Column::Kind::kNone &&
                           std::any_of(columns.begin(), columns.end(), [&](const Column& before) {
                               return before.kind == column->kind && before.field == column->field;
                           });
        if (twice)
            problems.push_back(RowText(1) + Shown(name) + ": a second column of this name");
        columns.push_back(column.value_or(Column{Column::Kind::kUnknown}));
    }
    if (std::none_of(columns.begin(), columns.end(),
                     [](const Column& c) { return c.kind == Column::Kind::kMac; }))
        problems.push_back(RowText(1) + "no mac column: nothing says which array a row is for");
    return columns;
}

PlanRow ReadRow(int number, const CsvRecord& cells, const std::vector<Column>& columns,
                Problems& problems) {
    PlanRow row;
    row.row = number;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const std::string& cell = cells[i];
        const Column column = i < columns.size() ? columns[i] : Column{};
        const auto problem = [&](std::string_view name, const std::string& text) {
            problems.push_back(RowText(number) + std::string(name) + ": " + text);
        };
        if (column.kind == Column::Kind::kMac) {
            row.mac = BytesOf(cell).value_or(cell);
            if (!BytesOf(cell))
                problem(kMacColumn, cell + " is no text q6 reads");
        }
        if (cell.empty())
            continue;
        switch (column.kind) {
        case Column::Kind::kNone:
            problems.push_back(RowText(number) + "cell " + std::to_string(i + 1) + " (" + cell +
                               ") is under no column of the header");
            break;
        case Column::Kind::kUnknown:
        case Column::Kind::kMac:
            break;
        case Column::Kind::kPassword:
            row.password = BytesOf(cell);
            if (!row.password)
                problem(kPasswordColumn, "no text q6 reads");
            else if (const auto tooLong = PasswordProblem(*row.password))
                problem(kPasswordColumn, *tooLong);
            break;
        case Column::Kind::kValue:
            if (const auto text = TakeValue(column.field, cell, true, row.named))
                problem(NamesOf(column.field).column, *text);
            break;
        }
    }
    if (row.mac.empty())
        problems.push_back(RowText(number) + "mac: empty: the row names no array");
    return row;
}

// A MAC named twice, and one fixed address given to two arrays.
void CheckRowsAgainstEachOther(const std::vector<PlanRow>& rows, Problems& problems) {
    for (auto later = rows.begin(); later != rows.end(); ++later) {
        for (auto earlier = rows.begin(); earlier != later; ++earlier) {
            if (!later->mac.empty() && EqualsIgnoringCase(later->mac, earlier->mac))
                problems.push_back(RowText(later->row) + "mac: " + Shown(later->mac) +
                                   " is named in row " + std::to_string(earlier->row) + " too");
            const auto& address = later->named.addresses[0];
            const auto fixed = [](const PlanRow& row) { return row.named.dhcp != true; };
            if (address && !address->empty() && AddressText(*address) && fixed(*later) &&
                fixed(*earlier) && earlier->named.addresses[0] == address)
                problems.push_back(RowText(later->row) + "ip: " + *address + " is given in row " +
                                   std::to_string(earlier->row) + " too");
        }
    }
}

// The edit of the row's array, and the problems only the arrays found show.
SettingsEdit EditFor(const PlanRow& row, const FoundArray& array,
                     const std::vector<FoundArray>& arrays, Problems& problems) {
    const std::string rowText = RowText(row.row);
    const std::string& settings = array.record.settings;
    const std::string address = GetSetting(settings, "nwk.ipaddr");
    for (const FoundArray* other : AnsweringFor(arrays, address, array))
        problems.push_back(rowText + Describe(settings) + " answers for its address with " +
                           Describe(other->record.settings) +
                           ": requests name an array by its address, so these must be "
                           "connected one at a time");
    SettingsEdit edit = EditSettings(settings, row.named, {});
    for (const FieldProblem& problem : edit.problems)
        problems.push_back(rowText + std::string(NamesOf(problem.field).column) + ": " +
                           problem.text);
    if (const auto taken = AddressTaken(arrays, array, edit.working))
        problems.push_back(rowText + "ip: " + *taken);
    if (!edit.changes.empty() && address.size() > kAddressFieldLength)
        problems.push_back(rowText + Describe(settings) +
                           ": its address is longer than 15 bytes, no request can name it");
    return edit;
}

} // namespace

std::string PlanColumns() {
    std::string names(kMacColumn);
    for (const Field field : kValueColumns)
        names += ", " + std::string(NamesOf(field).column);
    return names + ", " + std::string(kPasswordColumn);
}

std::vector<PlanRow> ReadPlan(std::string_view csv, Problems& problems) {
    const CsvText text = ReadCsv(csv);
    if (text.error)
        problems.push_back(*text.error);
    std::vector<PlanRow> rows;
    if (text.records.empty()) {
        if (!text.error)
            problems.push_back("the plan is empty: it needs a header row and a row per array");
        return rows;
    }
    const std::vector<Column> columns = ReadHeader(text.records.front(), problems);
    for (std::size_t i = 1; i < text.records.size(); ++i) {
        const CsvRecord& cells = text.records[i];
        if (std::all_of(cells.begin(), cells.end(), [](const std::string& c) { return c.empty(); }))
            continue;
        rows.push_back(ReadRow(static_cast<int>(i + 1), cells, columns, problems));
    }
    CheckRowsAgainstEachOther(rows, problems);
    return rows;
}

std::vector<PlanTarget> TargetPlan(const std::vector<PlanRow>& rows,
                                   const std::vector<FoundArray>& arrays, Problems& problems) {
    std::vector<PlanTarget> targets;
    for (const PlanRow& row : rows) {
        PlanTarget target{&row, nullptr, {}};
        std::vector<const FoundArray*> reporting;
        for (const FoundArray& array : arrays)
            if (EqualsIgnoringCase(GetSetting(array.record.settings, "nwk.mac"), row.mac))
                reporting.push_back(&array);
        if (reporting.size() == 1) {
            target.array = reporting.front();
            target.edit = EditFor(row, *target.array, arrays, problems);
        } else if (reporting.size() > 1) {
            std::string names;
            for (const FoundArray* array : reporting)
                names += (names.empty() ? "" : ", ") + Describe(array->record.settings);
            problems.push_back(RowText(row.row) + "mac: " + Shown(row.mac) + " is reported by " +
                               std::to_string(reporting.size()) + " arrays: " + names);
        }
        targets.push_back(std::move(target));
    }
    return targets;
}
