#pragma once
// CSV as RFC 4180 writes it and spreadsheets save it: cells in double quotes
// where they hold a comma, a quote (doubled) or a line end; records ended by
// CRLF or LF; a UTF-8 byte order mark before the first.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using CsvRecord = std::vector<std::string>;

struct CsvText {
    std::vector<CsvRecord> records;
    // Why the text could not be read to its end, with the number of the row
    // (the record, from 1) where it stopped; the records before it are read.
    std::optional<std::string> error;
};

CsvText ReadCsv(std::string_view text);

// One record, its line end "\n" included.
std::string CsvLine(const CsvRecord& cells);
