#include "pages/page_layouts.h"

#include "res/resource.h"

namespace {

using Page = const LayoutInput&;

// ---- Step 1: rows of the detail area, each 0.052·H apart, with a wider gap
// after the name and before the MAC address.
template <int k> double SearchRow(Page page) {
    const double step = 0.052 * page.height;
    double y = 0.43 * page.height;
    for (int row = 1; row <= k; ++row)
        y += row == 1 || row == 5 ? 1.7 * step : step;
    return y;
}
template <int k> double SearchRowBottom(Page page) {
    return SearchRow<k>(page) + page.FontHeight(kFontD);
}
template <int k> constexpr RunTimeControl SearchLabel(unsigned textId) {
    return {textId,
            kFontD,
            kWhite,
            [](Page page) { return 0.41 * page.width; },
            SearchRow<k>,
            [](Page page) {
                return 0.41 * page.width + (page.textLength + 3) * page.AverageWidth(kFontD);
            },
            SearchRowBottom<k>};
}
template <int k> constexpr RunTimeControl SearchField() {
    return {0,
            kFontF,
            kOrange,
            [](Page page) { return 0.23 * page.width + 0.41 * page.width; },
            SearchRow<k>,
            [](Page page) { return page.width - 0.06 * page.width; },
            SearchRowBottom<k>};
}

// ---- Step 2: large fonts one and a fifth lines high, as reals; address rows
// 0.096·H apart from 0.45·H.
double NetworkHeightA(Page page) {
    return 1.2 * page.FontHeight(kFontA);
}
double NetworkHeightB(Page page) {
    return 1.2 * page.FontHeight(kFontB);
}
template <int k> double NetworkRow(Page page) {
    double y = 0.45 * page.height;
    for (int row = 0; row < k; ++row)
        y += 0.096 * page.height;
    return y;
}
template <int k, int extra, int below = 0> constexpr RunTimeControl NetworkLabel(unsigned textId) {
    return {textId,
            kFontE,
            kOrange,
            [](Page page) { return 0.06 * page.width; },
            NetworkRow<k>,
            [](Page page) {
                return (page.textLength + extra) * page.AverageWidth(kFontD) + 0.06 * page.width;
            },
            [](Page page) { return page.FontHeight(kFontD) + NetworkRow<k>(page) + below; }};
}

// ---- Step 3: label rows 0.228·H apart from 0.25·H.
template <int k> double DateTimeRow(Page page) {
    double y = 0.25 * page.height;
    for (int row = 0; row < k; ++row)
        y += 0.228 * page.height;
    return y;
}
template <int k, int extra> constexpr RunTimeControl DateTimeLabel(unsigned textId) {
    return {textId,
            kFontE,
            kOrange,
            [](Page page) { return 0.07 * page.width; },
            DateTimeRow<k>,
            [](Page page) {
                return (page.textLength + extra) * page.AverageWidth(kFontD) + 0.07 * page.width;
            },
            [](Page page) { return page.FontHeight(kFontD) + DateTimeRow<k>(page); }};
}

// ---- Step 4: rows 0.065·H apart from 0.295·H, with a further 0.032·H before
// the date. Every control is a box at x, y of a width and a height.
template <int k> double ReviewRow(Page page) {
    double y = 0.295 * page.height;
    for (int row = 2; row <= k; ++row) {
        y += 0.065 * page.height;
        if (row == 6)
            y += 0.032 * page.height;
    }
    return y;
}
template <int k> double ReviewRowBottom(Page page) {
    return ReviewRow<k>(page) + page.FontHeight(kFontD);
}
template <int k> constexpr RunTimeControl ReviewLabel(unsigned textId) {
    return {textId,
            kFontD,
            kWhite,
            [](Page page) { return 0.1 * page.width; },
            ReviewRow<k>,
            [](Page page) {
                return 0.1 * page.width + (page.textLength + 3) * page.AverageWidth(kFontD);
            },
            ReviewRowBottom<k>};
}
// Values of one column share one right edge. The values come after the window,
// so no text widens them: each column reaches as far as it may, the before
// column to the new one, the new one to the frame the page paints, so that a
// 15-character address shows whole in either.
constexpr int kReviewBefore = 43, kReviewNew = 73; // hundredths of W
template <int k, int column>
constexpr RunTimeControl ReviewValue(FontSlot font, std::uint32_t colour, Edge right) {
    return {0,
            font,
            colour,
            [](Page page) { return column / 100.0 * page.width; },
            ReviewRow<k>,
            right,
            ReviewRowBottom<k>};
}
template <int k> constexpr RunTimeControl ReviewBefore() {
    return ReviewValue<k, kReviewBefore>(kFontD, kWhite,
                                         [](Page page) { return kReviewNew / 100.0 * page.width; });
}
template <int k> constexpr RunTimeControl ReviewNew() {
    return ReviewValue<k, kReviewNew>(kFontE, kOrange, [](Page page) { return page.width - 1; });
}
template <int column>
constexpr RunTimeControl ReviewHeader(unsigned textId, FontSlot font, std::uint32_t colour) {
    return {textId,
            font,
            colour,
            [](Page page) { return column / 100.0 * page.width; },
            [](Page page) { return 0.22 * page.height; },
            [](Page page) {
                return column / 100.0 * page.width +
                       (page.textLength + 3) * page.AverageWidth(kFontC);
            },
            [](Page page) { return 0.22 * page.height + page.FontHeight(kFontD); }};
}

} // namespace

const std::array<RunTimeControl, 16> kSearchPageLayout = {{
    {IDS_STEP1_HEADING, kFontA, kOrange, [](Page page) { return 0.04 * page.width; },
     [](Page page) { return 0.02 * page.height; },
     [](Page page) {
         return 0.04 * page.width + (page.textLength + 1) * page.AverageWidth(kFontA);
     },
     [](Page page) { return 0.02 * page.height + page.FontHeight(kFontA); }},
    {IDS_STEP1_TITLE, kFontB, kOrange, [](Page page) { return 0.23 * page.width; },
     [](Page page) { return 0.05 * page.height; },
     [](Page page) {
         return 0.23 * page.width +
                Truncated(1.1 * (page.textLength + 1) * page.AverageWidth(kFontB));
     },
     [](Page page) { return 0.05 * page.height + page.FontHeight(kFontB); }},
    {IDS_STEP1_DESCRIPTION, kFontC, kWhite, [](Page page) { return 0.05 * page.width; },
     [](Page page) { return 0.15 * page.height; },
     [](Page page) { return page.width - Truncated(0.05 * page.width); },
     [](Page page) { return Truncated(0.15 * page.height) + Truncated(0.24 * page.height); },
     kLabelStyle, kLabelId, ControlKind::kStatic, true},
    {IDS_STEP1_GROUP, kFontE, kOrange, [](Page page) { return 0.05 * page.width; },
     [](Page page) { return 0.385 * page.height; },
     [](Page page) { return page.width - 0.05 * page.width; },
     [](Page page) { return 0.385 * page.height + 0.46 * page.height; }, kGroupBoxStyle, -1,
     ControlKind::kButton},
    SearchLabel<0>(IDS_STEP1_NAME),
    SearchLabel<1>(IDS_STEP1_IPADDR),
    SearchLabel<2>(IDS_STEP1_NETMASK),
    SearchLabel<3>(IDS_STEP1_GATEWAY),
    SearchLabel<4>(IDS_STEP1_DNS),
    SearchLabel<5>(IDS_STEP1_MAC),
    SearchField<0>(),
    SearchField<1>(),
    SearchField<2>(),
    SearchField<3>(),
    SearchField<4>(),
    SearchField<5>(),
}};

const std::array<RunTimeControl, 10> kNetworkPageLayout = {{
    {IDS_STEP2_HEADING, kFontA, kOrange, [](Page page) { return 0.04 * page.width; },
     [](Page page) { return 0.02 * page.height; },
     [](Page page) {
         return (page.textLength + 1) * page.AverageWidth(kFontA) + 0.04 * page.width;
     },
     [](Page page) { return Truncated(NetworkHeightA(page)) + 0.02 * page.height; }},
    {IDS_STEP2_TITLE, kFontB, kOrange, [](Page page) { return 0.24 * page.width; },
     [](Page page) { return 0.05 * page.height; },
     [](Page page) {
         return Truncated((page.textLength + 1) * page.AverageWidth(kFontB) * 1.1) +
                0.24 * page.width;
     },
     [](Page page) { return Truncated(NetworkHeightB(page)) + 0.05 * page.height; }},
    {IDS_STEP2_NAME, kFontE, kOrange, [](Page page) { return 0.1 * page.width; },
     [](Page page) { return 0.2 * page.height; },
     [](Page page) { return (page.textLength + 5) * page.AverageWidth(kFontC) + 0.1 * page.width; },
     [](Page page) { return page.FontHeight(kFontC) + 0.2 * page.height; }},
    // The mode buttons are one group, which the first starts and the first
    // address field ends, so the arrow keys move between them; the page keeps
    // the tab stop on the marked one and sets both states itself.
    {IDS_STEP2_MANUAL, kFontE, kOrange, [](Page page) { return 0.05 * page.width; },
     [](Page page) { return 0.34 * page.height; },
     [](Page page) {
         return (page.textLength + 5) * page.AverageWidth(kFontC) + 0.05 * page.width;
     },
     [](Page page) { return page.FontHeight(kFontD) + 0.34 * page.height; }, 0x50020009,
     IDC_MANUAL_IP, ControlKind::kButton},
    {IDS_STEP2_DHCP, kFontE, kOrange, [](Page page) { return 0.55 * page.width; },
     [](Page page) { return 0.32 * page.height; },
     [](Page page) { return 0.05 * page.AverageWidth(kFontC) * page.width + 0.55 * page.width; },
     [](Page page) { return 2.5 * page.FontHeight(kFontD) + 0.32 * page.height; }, 0x50002009,
     IDC_DHCP, ControlKind::kButton, true},
    NetworkLabel<0, 3>(IDS_STEP2_IPADDR),
    NetworkLabel<1, 4>(IDS_STEP2_NETMASK),
    NetworkLabel<2, 4, 2>(IDS_STEP2_GATEWAY),
    NetworkLabel<3, 5>(IDS_STEP2_DNS),
    {IDS_STEP2_HINT, kFontE, kOrange, [](Page page) { return 0.58 * page.width; },
     [](Page page) { return 0.47 * page.height; },
     [](Page page) { return 0.36 * page.width + 0.58 * page.width; },
     [](Page page) { return 0.3 * page.height + 0.47 * page.height; }, kLabelStyle, kLabelId,
     ControlKind::kStatic, true},
}};

const std::array<RunTimeControl, 5> kDateTimePageLayout = {{
    {IDS_STEP3_HEADING, kFontA, kOrange, [](Page page) { return 0.04 * page.width; },
     [](Page page) { return 0.02 * page.height; },
     [](Page page) {
         return (page.textLength + 1) * page.AverageWidth(kFontA) + 0.04 * page.width;
     },
     [](Page page) { return page.FontHeight(kFontA) + 0.02 * page.height; }},
    {IDS_STEP3_TITLE, kFontB, kOrange, [](Page page) { return 0.24 * page.width; },
     [](Page page) { return 0.05 * page.height; },
     [](Page page) {
         return Truncated((page.textLength + 1) * page.AverageWidth(kFontB) * 1.1) +
                0.24 * page.width;
     },
     [](Page page) { return page.FontHeight(kFontB) + 0.05 * page.height; }},
    DateTimeLabel<0, 3>(IDS_STEP3_TIMEZONE),
    DateTimeLabel<1, 2>(IDS_STEP3_DATE),
    DateTimeLabel<2, 2>(IDS_STEP3_TIME),
}};

const std::array<RunTimeControl, 25> kReviewPageLayout = {{
    {IDS_STEP4_HEADING, kFontA, kOrange, [](Page page) { return 0.04 * page.width; },
     [](Page page) { return 0.02 * page.height; },
     [](Page page) {
         return 0.04 * page.width + (page.textLength + 1) * page.AverageWidth(kFontA);
     },
     [](Page page) { return 0.02 * page.height + page.FontHeight(kFontA); }},
    {IDS_STEP4_TITLE, kFontB, kOrange, [](Page page) { return 0.24 * page.width; },
     [](Page page) { return 0.05 * page.height; },
     [](Page page) {
         return 0.24 * page.width +
                Truncated(1.1 * (page.textLength + 1) * page.AverageWidth(kFontB));
     },
     [](Page page) { return 0.05 * page.height + page.FontHeight(kFontB); }},
    ReviewLabel<1>(IDS_STEP4_NAME),
    ReviewLabel<2>(IDS_STEP4_IPADDR),
    ReviewLabel<3>(IDS_STEP4_NETMASK),
    ReviewLabel<4>(IDS_STEP4_GATEWAY),
    ReviewLabel<5>(IDS_STEP4_BOOTPROTO),
    ReviewLabel<6>(IDS_STEP4_DATE),
    ReviewLabel<7>(IDS_STEP4_TIME),
    ReviewHeader<kReviewBefore>(IDS_STEP4_BEFORE, kFontC, kWhite),
    ReviewBefore<1>(),
    ReviewBefore<2>(),
    ReviewBefore<3>(),
    ReviewBefore<4>(),
    ReviewBefore<5>(),
    ReviewBefore<6>(),
    ReviewBefore<7>(),
    // Drawn in F but, like the before header, as high as D and as wide as C make
    // it, and wider only where F needs more.
    ReviewHeader<kReviewNew>(IDS_STEP4_AFTER, kFontF, kOrange),
    ReviewNew<1>(),
    ReviewNew<2>(),
    ReviewNew<3>(),
    ReviewNew<4>(),
    ReviewNew<5>(),
    ReviewNew<6>(),
    ReviewNew<7>(),
}};
