#include "app/progress_percent.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

TEST(PercentText, ShowsTruncatedPercent) {
    ProgressRange range;
    EXPECT_EQ(PercentText(range, 0), "0%");
    EXPECT_EQ(PercentText(range, 40), "40%");
    EXPECT_EQ(PercentText(range, 100), "100%");
    EXPECT_EQ(PercentText(range, 110), "10%");
    EXPECT_EQ(PercentText(range, 200), "0%");
    EXPECT_EQ(PercentText({0, 3, 1}, 1), "33%");
    EXPECT_EQ(PercentText({50, 150, 10}, 90), "40%");
}

TEST(PercentText, EmptyOrExtremeRangesDoNotFault) {
    EXPECT_EQ(PercentText({5, 5, 1}, 7), "0%");
    EXPECT_EQ(PercentText({INT_MIN, INT_MAX, 1}, INT_MAX), "100%");
    EXPECT_EQ(PercentText({0, 100, 10}, INT_MAX), "47%");
}

TEST(Progress, SearchTicksShowTenToHundredThenStartOver) {
    ProgressRange range;
    int position = range.lower;
    std::vector<std::string> shown;
    for (int tick = 0; tick < 16; ++tick) {
        shown.push_back(PercentText(range, position + range.step));
        position += range.step;
        if (position > range.upper) // the bar starts over, as the control does
            position = range.lower + (position - range.lower) % (range.upper - range.lower);
    }
    std::vector<std::string> expected = {"10%", "20%",  "30%", "40%", "50%", "60%", "70%", "80%",
                                         "90%", "100%", "10%", "20%", "30%", "40%", "50%", "60%"};
    EXPECT_EQ(shown, expected);
}

} // namespace
