#include "cli/csv.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using Records = std::vector<CsvRecord>;

// What spreadsheets save: quotes, doubled quotes, separators and line ends
// inside quotes, either line end, a byte order mark, rows of any length.
TEST(Csv, ReadsWhatSpreadsheetsSave) {
    const std::tuple<std::string, Records, std::string> cases[] = {
        {"a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}, ""},
        {"\xEF\xBB\xBFmac,ip\n1,2", {{"mac", "ip"}, {"1", "2"}}, ""},
        {"\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\"\n",
         {{"a,b", "say \"hi\"", "two\r\nlines"}},
         ""},
        {"a,b,c\nd\n,,\n\n", {{"a", "b", "c"}, {"d"}, {"", "", ""}, {""}}, ""},
        {"\"\",x,\nab\"c\rz", {{"", "x", ""}, {"ab\"c"}, {"z"}}, ""},
        {"x\ny,\"z", {{"x"}}, "row 2: a quoted cell is not closed"},
        {"\"ab\"c,d\n", {}, "row 1: text after a quoted cell's closing quote"},
    };
    for (const auto& [text, records, error] : cases) {
        const CsvText csv = ReadCsv(text);
        EXPECT_EQ(csv.records, records) << text;
        EXPECT_EQ(csv.error.value_or(""), error) << text;
    }
}

TEST(Csv, QuotesOnlyWhatNeedsItAndReadsItBack) {
    const CsvRecord cells = {"plain", "a,b", "q\"q", "l\nl", "", " lead", "\xE5\xAD\x98"};
    EXPECT_EQ(CsvLine(cells), "plain,\"a,b\",\"q\"\"q\",\"l\nl\",, lead,\xE5\xAD\x98\n");
    EXPECT_EQ(ReadCsv(CsvLine(cells) + CsvLine({""})).records, (Records{cells, {""}}));
}

} // namespace
