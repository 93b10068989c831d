#include "pages/time_zones.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(TimeZoneTable, FillsSixtyThreeRowsBeforeTheEndMarker) {
    std::vector<std::string_view> rows;
    FillTimeZones([&](std::string_view row) { rows.push_back(row); });
    ASSERT_EQ(rows.size(), 63u);
    EXPECT_EQ(rows.back(), "(GMT+12:00) Fiji, Kamchatka, Marshall Is.");
}

TEST(ZoneWord, IsTheFirstWordAfterTheParenthesisWithoutComma) {
    const struct {
        int row;
        const char* word;
    } cases[] = {
        {46, "Beijing"},   {4, "Pacific"}, {18, "Buenos"}, {37, "Abu"}, {19, "Mid-Atlantic"},
        {22, "Greenwich"}, {62, "Fiji"},   {-1, ""},       {63, ""}};
    for (const auto& c : cases)
        EXPECT_EQ(ZoneWord(c.row), c.word) << c.row;
}

TEST(RowForZone, EveryZoneWordReadsBackAsItsOwnRow) {
    for (int row = 0; row < kTimeZoneRows; ++row)
        EXPECT_EQ(RowForZone(ZoneWord(row)), row) << ZoneWord(row);
}

TEST(RowForZone, OtherValuesSelectTheLastRowContainingThem) {
    const struct {
        std::string stored;
        int row;
    } cases[] = {
        {"GMT+08:00", 49}, {"", 62},         {"Atlantic Time", 13}, {"tlantic", 19},
        {"beijing", -1},   {"Shanghai", -1}, {"EOF", -1},           {"Taipei ", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RowForZone(c.stored), c.row) << c.stored;
}

} // namespace
