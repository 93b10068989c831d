// What the pages compute without a window: layout, step 1's details, the running clock.
#include "app/running_clock.h"
#include "pages/page_layouts.h"
#include "pages/search_details.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using Rects = std::array<std::array<int, 4>, 2>;

// Fonts measured at 96 and 144 pixels per inch in client areas of the pages' size
// there. Rectangles worked out by hand: a truncation moved shows as a pixel off.
TEST(PageLayout, EveryPageTruncatesWhereItsFormulasDo) {
    const LayoutInput screens[] = {{534, 319, 0, {{{13, 34}, {9, 21}, {7, 16}, {6, 15}}}},
                                   {801, 479, 0, {{{20, 46}, {13, 31}, {10, 24}, {9, 22}}}}};
    // The control, its text's length in code-page-936 bytes, its place on each screen.
    const std::tuple<const RunTimeControl&, int, Rects> cases[] = {
        {kSearchPageLayout[0], 6, {{{21, 6, 112, 40}, {32, 9, 172, 55}}}},
        {kSearchPageLayout[1], 16, {{{122, 15, 290, 36}, {184, 23, 427, 54}}}},
        {kSearchPageLayout[2], 0, {{{26, 47, 508, 123}, {40, 71, 761, 185}}}},
        {kSearchPageLayout[3], 4, {{{26, 122, 507, 269}, {40, 184, 760, 404}}}},
        {kSearchPageLayout[5], 7, {{{218, 165, 278, 180}, {328, 248, 418, 270}}}},
        {kSearchPageLayout[9], 8, {{{218, 243, 284, 258}, {328, 365, 427, 387}}}},
        {kSearchPageLayout[15], 0, {{{341, 243, 501, 258}, {512, 365, 752, 387}}}},
        {kNetworkPageLayout[0], 7, {{{21, 6, 125, 46}, {32, 9, 192, 64}}}},
        {kNetworkPageLayout[1], 7, {{{128, 15, 207, 40}, {192, 23, 306, 60}}}},
        {kNetworkPageLayout[3], 14, {{{26, 108, 159, 123}, {40, 162, 230, 184}}}},
        {kNetworkPageLayout[4], 23, {{{293, 102, 480, 139}, {440, 153, 841, 208}}}},
        {kNetworkPageLayout[7], 4, {{{32, 204, 80, 221}, {48, 307, 120, 331}}}},
        {kNetworkPageLayout[9], 27, {{{309, 149, 501, 245}, {464, 225, 752, 368}}}},
        {kDateTimePageLayout[1], 10, {{{128, 15, 236, 36}, {192, 23, 349, 54}}}},
        {kDateTimePageLayout[4], 4, {{{37, 225, 73, 240}, {56, 338, 110, 360}}}},
        {kReviewPageLayout[1], 8, {{{128, 15, 217, 36}, {192, 23, 320, 54}}}},
        {kReviewPageLayout[7], 4, {{{53, 207, 95, 222}, {80, 312, 143, 334}}}},
        {kReviewPageLayout[8], 4, {{{53, 228, 95, 243}, {80, 343, 143, 365}}}},
        {kReviewPageLayout[15], 0, {{{229, 207, 389, 222}, {344, 312, 584, 334}}}},
        {kReviewPageLayout[17], 8, {{{389, 70, 466, 85}, {584, 105, 694, 127}}}},
        {kReviewPageLayout[24], 0, {{{389, 228, 533, 243}, {584, 343, 800, 365}}}},
    };
    for (const auto& [control, n, expected] : cases) {
        for (int screen = 0; screen < 2; ++screen) {
            LayoutInput input = screens[screen];
            input.textLength = n;
            const PixelRect r = Place(control, input);
            EXPECT_EQ((std::array{r.left, r.top, r.right, r.bottom}), expected[screen])
                << "text " << control.textId << " on screen " << screen;
        }
    }
    // A text wider than its formulas make the box moves the right edge out,
    // unless it runs over lines.
    LayoutInput wide = screens[0];
    wide.textWidth = 200;
    EXPECT_EQ(Place(kNetworkPageLayout[3], wide), (PixelRect{26, 108, 226, 123}));
    wide.textLength = 23;
    EXPECT_EQ(Place(kNetworkPageLayout[4], wide).right, 480);
}

TEST(WebPageAddress, AnAddressPassesWholeAnythingElseIsEscaped) {
    const std::pair<std::string, std::string> cases[] = {
        {"10.77.1.5", "http://10.77.1.5"},
        {"", "http://"},
        {"[fe80::1]:8080/nas-1.local~", "http://[fe80::1]:8080/nas-1.local~"},
        // Would end the address, or start new arguments, on a command line.
        {"1.2.3.4\" --new-window \"x", "http://1.2.3.4%22%20--new-window%20%22x"},
        {"a\tb\r\n%41@\xB4\xE6", "http://a%09b%0D%0A%2541%40%B4%E6"},
    };
    for (const auto& [ipaddr, address] : cases)
        EXPECT_EQ(WebPageAddress(ipaddr), address) << ipaddr;
}

TEST(AnotherArrayAnswersFor, OnlyADifferentArrayWithTheSameAddress) {
    const std::string a = "h=a&nwk.ipaddr=1.1.1.5&date=2006/10/26&time=9";
    const std::tuple<const char*, std::vector<std::string>, bool> cases[] = {
        // What, the listed settings (the selected one first), whether another answers.
        {"a repeated reply", {a, a}, false},
        {"the same array, later", {a, "h=a&nwk.ipaddr=1.1.1.5&date=2006/10/27&time=0"}, false},
        {"another array elsewhere", {a, "h=b&nwk.ipaddr=1.1.1.6"}, false},
        {"the address as a prefix only", {a, "h=b&nwk.ipaddr=1.1.1.50"}, false},
        {"another array at the address", {a, "h=b&nwk.ipaddr=1.1.1.5"}, true},
        {"a twin, the name differs", {a, "h=A&nwk.ipaddr=1.1.1.5&date=2006/10/26&time=9"}, true},
        // Requests to either go out with a blank address field.
        {"two arrays without an address", {"h=a", "h=b"}, true},
    };
    for (const auto& [what, listed, shared] : cases) {
        std::vector<DeviceRecord> records;
        for (const std::string& settings : listed)
            records.push_back({"", settings, {}, {}});
        EXPECT_EQ(AnotherArrayAnswersFor(records, listed[0]), shared) << what;
    }
}

TEST(AdvanceClock, CarriesAcrossTheCalendar) {
    const std::tuple<ClockReading, long long, ClockReading> cases[] = {
        // The reading, the seconds, the reading after (all zero: unchanged).
        {{{2006, 12, 31}, {23, 59, 58}}, 3, {{2007, 1, 1}, {0, 0, 1}}},
        {{{2024, 2, 28}, {12, 0, 0}}, 86400, {{2024, 2, 29}, {12, 0, 0}}},
        {{{1900, 2, 28}, {0, 0, 0}}, 86400, {{1900, 3, 1}, {0, 0, 0}}},
        {{{2000, 2, 29}, {23, 59, 59}}, 1, {{2000, 3, 1}, {0, 0, 0}}},
        // Past the last second a picker can hold, the clock stops there.
        {{{9999, 12, 31}, {23, 59, 58}}, 5, {{9999, 12, 31}, {23, 59, 59}}},
        // Nothing that is no clock reading moves.
        {{{2006, 0, 10}, {10, 0, 0}}, 5, {}},
        {{{2006, 4, 31}, {10, 0, 0}}, 5, {}},
        {{{2023, 2, 29}, {10, 0, 0}}, 5, {}},
        {{{1900, 2, 29}, {10, 0, 0}}, 5, {}},
        {{{2006, 1, 1}, {24, 0, 0}}, 5, {}},
        {{{1600, 12, 31}, {23, 59, 59}}, 5, {}},
        {{{2006, 1, 1}, {10, 0, 0}}, -5, {}},
    };
    for (const auto& [reading, seconds, advanced] : cases)
        EXPECT_TRUE(AdvanceClock(reading, seconds) ==
                    (advanced == ClockReading{} ? reading : advanced))
            << reading.date.year << "/" << reading.date.month << "/" << reading.date.day;
}

} // namespace
