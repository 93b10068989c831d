#include "cli/csv.h"

#include <utility>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

} // namespace

CsvText ReadCsv(std::string_view text) {
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    CsvText csv;
    CsvRecord record;
    std::string cell;
    std::size_t i = 0;
    const auto endCell = [&] { record.push_back(std::exchange(cell, {})); };
    const auto endRecord = [&] {
        endCell();
        csv.records.push_back(std::exchange(record, {}));
    };
    while (i < text.size()) {
        if (text[i] == '"' && cell.empty()) {
            // A quoted cell runs to the quote that no second quote follows.
            for (++i;; ++i) {
                if (i == text.size()) {
                    csv.error = "row " + std::to_string(csv.records.size() + 1) +
                                ": a quoted cell is not closed";
                    return csv;
                }
                if (text[i] == '"' && (i + 1 == text.size() || text[i + 1] != '"'))
                    break;
                if (text[i] == '"')
                    ++i;
                cell += text[i];
            }
            ++i;
            if (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
                csv.error = "row " + std::to_string(csv.records.size() + 1) +
                            ": text after a quoted cell's closing quote";
                return csv;
            }
            continue;
        }
        const char c = text[i++];
        if (c == ',') {
            endCell();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i < text.size() && text[i] == '\n')
                ++i;
            endRecord();
        } else {
            cell += c;
        }
    }
    if (!cell.empty() || !record.empty())
        endRecord();
    return csv;
}

std::string CsvLine(const CsvRecord& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0)
            line += ',';
        const std::string& cell = cells[i];
        if (cell.find_first_of(",\"\r\n") == std::string::npos) {
            line += cell;
            continue;
        }
        line += '"';
        for (const char c : cell) {
            if (c == '"')
                line += '"';
            line += c;
        }
        line += '"';
    }
    return line + "\n";
}
