#include "cli/array_output.h"

#include "cli/csv.h"
#include "cli/json.h"
#include "cli/table.h"
#include "cli/text.h"

namespace {

// The fields of the table and of show, in their order.
constexpr Field kListed[] = {Field::kHostName, Field::kIp,      Field::kMode, Field::kNetmask,
                             Field::kGateway,  Field::kDns,     Field::kMac,  Field::kDate,
                             Field::kTime,     Field::kTimeZone};

// The plan's columns find writes: what apply takes, but the clock (a plan
// fed back unchanged must not set it back) and the password.
constexpr Field kPlanned[] = {Field::kMac,     Field::kHostName, Field::kMode, Field::kIp,
                              Field::kNetmask, Field::kGateway,  Field::kDns,  Field::kTimeZone};

std::string AddressShown(const FoundArray& array) {
    return FieldText(array.record.settings, Field::kIp) + (array.sharedAddress ? "*" : "");
}

} // namespace

std::string ArraysTable(const std::vector<FoundArray>& arrays) {
    std::vector<std::vector<std::string>> rows(1);
    for (const Field field : kListed)
        rows[0].emplace_back(NamesOf(field).heading);
    rows[0].emplace_back("VIA");
    for (const FoundArray& array : arrays) {
        std::vector<std::string>& row = rows.emplace_back();
        for (const Field field : kListed)
            row.push_back(field == Field::kIp ? AddressShown(array)
                                              : FieldText(array.record.settings, field));
        row.push_back(Shown(array.record.localAddress));
    }
    return Table(rows);
}

std::string ArrayJson(const FoundArray& array) {
    JsonObject object;
    for (const Field field : kListed)
        object.Add(NamesOf(field).column, FieldText(array.record.settings, field));
    return object.Add("via", Shown(array.record.localAddress))
        .AddBool("shared_address", array.sharedAddress)
        .Add("settings", Shown(array.record.settings))
        .Text();
}

std::string ArraysCsv(const std::vector<FoundArray>& arrays) {
    CsvRecord header;
    for (const Field field : kPlanned)
        header.emplace_back(NamesOf(field).column);
    std::string csv = CsvLine(header);
    for (const FoundArray& array : arrays) {
        CsvRecord cells;
        for (const Field field : kPlanned)
            cells.push_back(FieldText(array.record.settings, field));
        csv += CsvLine(cells);
    }
    return csv;
}

std::string ArrayDetails(const FoundArray& array) {
    std::vector<std::vector<std::string>> rows;
    for (const Field field : kListed) {
        std::string label(NamesOf(field).heading);
        for (char& c : label)
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
        rows.push_back({label + ":", field == Field::kIp
                                         ? AddressShown(array)
                                         : FieldText(array.record.settings, field)});
    }
    rows.push_back({"via:", Shown(array.record.localAddress)});
    return Table(rows);
}

std::vector<std::vector<std::string>> ChangeRows(const std::vector<Change>& changes) {
    std::vector<std::vector<std::string>> rows;
    for (const Change& change : changes)
        rows.push_back({std::string(NamesOf(change.field).column), change.reported, change.sent});
    return rows;
}
