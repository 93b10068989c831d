#include "pages/time_zones.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TimeZones, SixtyThreeRowsEachReadBackFromItsZoneWordExceptAtlantic) {
    int rows = 0;
    FillTimeZones([&](std::string_view) { ++rows; });
    EXPECT_EQ(rows, 63);
    EXPECT_EQ(kTimeZoneTable[63], "EOF");
    for (int row = 0; row < kTimeZoneRows; ++row) {
        const std::string_view text = kTimeZoneTable[row];
        const std::size_t close = text.find(") ");
        EXPECT_TRUE(text.starts_with("(GMT") && (close == 4 || close == 10)) << text;
        const std::string word = ZoneWord(row);
        ASSERT_FALSE(word.empty()) << row;
        EXPECT_EQ(RowForZone(word), row == 13 ? 19 : row) << word;
    }
}

// The zone word is the first word after the parenthesis, without a comma.
TEST(TimeZones, ZoneWordCases) {
    const struct {
        int row;
        const char* word;
    } cases[] = {
        {46, "Beijing"},    {8, "Mexico"}, {18, "Buenos"}, {37, "Abu"}, {19, "Mid-Atlantic"},
        {21, "Casablanca"}, {-1, ""},      {63, ""},       {1000, ""}};
    for (const auto& c : cases)
        EXPECT_EQ(ZoneWord(c.row), c.word) << c.row;
}

// A stored value selects the last row containing it, case and all.
TEST(TimeZones, RowForZoneCases) {
    const struct {
        std::string stored;
        int row;
    } cases[] = {{"Taipei", 49},   {"Beijing", 46},
                 {"Atlantic", 19}, {"GMT+08:00", 49},
                 {"GMT", 62},      {"", 62},
                 {"beijing", -1},  {"Shanghai", -1},
                 {"EOF", -1},      {std::string(1000, 'x'), -1}};
    for (const auto& c : cases)
        EXPECT_EQ(RowForZone(c.stored), c.row) << c.stored.substr(0, 20);
}

} // namespace
