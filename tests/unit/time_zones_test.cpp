#include "pages/time_zones.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(TimeZoneTable, HasSixtyThreeRowsThenTheEndMarker) {
    EXPECT_EQ(kTimeZoneTable[63], "EOF");
    std::vector<std::string_view> rows;
    FillTimeZones([&](std::string_view row) { rows.push_back(row); });
    ASSERT_EQ(rows.size(), 63u);
    EXPECT_EQ(rows.front(), "(GMT-12:00) Eniwetok, Kwajalein");
    EXPECT_EQ(rows[4], "(GMT-08:00) Pacific Time (US & Canada), Tijuana");
    EXPECT_EQ(rows[21], "(GMT) Casablanca, Monrovia");
    EXPECT_EQ(rows[22], "(GMT) Greenwich Mean Time: Edinburgh, London");
    EXPECT_EQ(rows[46], "(GMT+08:00) Beijing, Chongqing, Hong Kong");
    EXPECT_EQ(rows.back(), "(GMT+12:00) Fiji, Kamchatka, Marshall Is.");
}

TEST(TimeZoneTable, EveryRowHasTheGmtShape) {
    for (int row = 0; row < kTimeZoneRows; ++row) {
        std::string_view text = kTimeZoneTable[row];
        ASSERT_TRUE(text.starts_with("(GMT")) << row;
        std::size_t close = text.find(") ");
        ASSERT_TRUE(close == 4 || close == 10) << row;
        EXPECT_NE(text.back(), ' ') << row;
    }
}

TEST(ZoneWord, IsTheFirstWordAfterTheParenthesisWithoutComma) {
    EXPECT_EQ(ZoneWord(46), "Beijing");
    EXPECT_EQ(ZoneWord(4), "Pacific");
    EXPECT_EQ(ZoneWord(8), "Mexico");
    EXPECT_EQ(ZoneWord(18), "Buenos");
    EXPECT_EQ(ZoneWord(37), "Abu");
    EXPECT_EQ(ZoneWord(19), "Mid-Atlantic");
    EXPECT_EQ(ZoneWord(21), "Casablanca");
    EXPECT_EQ(ZoneWord(22), "Greenwich");
    EXPECT_EQ(ZoneWord(62), "Fiji");
}

TEST(ZoneWord, RowsOutsideTheTableHaveNone) {
    EXPECT_EQ(ZoneWord(-1), "");
    EXPECT_EQ(ZoneWord(63), "");
    EXPECT_EQ(ZoneWord(1000), "");
}

TEST(RowForZone, EveryZoneWordReadsBackAsItsOwnRow) {
    for (int row = 0; row < kTimeZoneRows; ++row) {
        std::string word = ZoneWord(row);
        ASSERT_FALSE(word.empty()) << row;
        EXPECT_EQ(RowForZone(word), row) << word;
    }
}

TEST(RowForZone, OtherValuesSelectTheLastRowContainingThem) {
    const struct {
        std::string stored;
        int row;
    } cases[] = {
        {"GMT+08:00", 49},
        {"GMT", 62},
        {"", 62},
        {"Atlantic Time", 13},
        {"Hong Kong", 46},
        {"tlantic", 19},
        {"beijing", -1},
        {"Shanghai", -1},
        {"EOF", -1},
        {"Taipei ", -1},
        {std::string(1000, 'x'), -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RowForZone(c.stored), c.row) << c.stored;
}

} // namespace
