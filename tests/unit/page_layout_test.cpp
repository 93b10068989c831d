#include "pages/page_layouts.h"

#include <gtest/gtest.h>

#include <array>

namespace {

// Fonts measured at 96 and 144 pixels per inch in client areas of the pages' size
// there. Rectangles worked out by hand: a truncation moved shows as a pixel off.
struct Screen {
    double W, H;
    std::array<FontMeasure, kMeasuredFonts> fonts;
};
constexpr Screen kScreens[] = {
    {534, 319, {{{13, 34}, {9, 21}, {7, 16}, {6, 15}}}},
    {801, 479, {{{20, 46}, {13, 31}, {10, 24}, {9, 22}}}},
};

TEST(PageLayout, EveryPageTruncatesWhereItsFormulasDo) {
    const struct {
        const RunTimeControl& control;
        int n; // text length in code-page-936 bytes
        std::array<std::array<int, 4>, 2> expected;
    } cases[] = {
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
        {kReviewPageLayout[15], 0, {{{229, 207, 336, 222}, {344, 312, 504, 334}}}},
        {kReviewPageLayout[17], 8, {{{389, 70, 466, 85}, {584, 105, 694, 127}}}},
        {kReviewPageLayout[24], 0, {{{389, 228, 496, 243}, {584, 343, 744, 365}}}},
    };
    for (const auto& c : cases) {
        for (std::size_t screen = 0; screen < std::size(kScreens); ++screen) {
            const Screen& s = kScreens[screen];
            const PixelRect r = Place(c.control, {s.W, s.H, static_cast<double>(c.n), s.fonts});
            EXPECT_EQ((std::array{r.left, r.top, r.right, r.bottom}), c.expected[screen])
                << "text " << c.control.textId << " on screen " << screen;
        }
    }
}

} // namespace
