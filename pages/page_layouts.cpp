#include "pages/page_layouts.h"

#include "res/resource.h"

namespace {

using L = const LayoutInput&;

// ---- Step 1: rows of the detail area, each 0.052·H apart, with a wider gap
// after the name and before the MAC address.
template <int k> double SearchRow(L c) {
    const double step = 0.052 * c.H;
    double y = 0.43 * c.H;
    for (int row = 1; row <= k; ++row)
        y += row == 1 || row == 5 ? 1.7 * step : step;
    return y;
}
template <int k> double SearchRowBottom(L c) {
    return SearchRow<k>(c) + c.Height(kFontD);
}
template <int k> constexpr RunTimeControl SearchLabel(unsigned textId) {
    return {textId,
            kFontD,
            kWhite,
            [](L c) { return 0.41 * c.W; },
            SearchRow<k>,
            [](L c) { return 0.41 * c.W + (c.n + 3) * c.Avg(kFontD); },
            SearchRowBottom<k>};
}
template <int k> constexpr RunTimeControl SearchField() {
    return {0,
            kFontF,
            kOrange,
            [](L c) { return 0.23 * c.W + 0.41 * c.W; },
            SearchRow<k>,
            [](L c) { return c.W - 0.06 * c.W; },
            SearchRowBottom<k>};
}

// ---- Step 2: large fonts one and a fifth lines high, as reals; address rows
// 0.096·H apart from 0.45·H.
double NetworkHeightA(L c) {
    return 1.2 * c.Height(kFontA);
}
double NetworkHeightB(L c) {
    return 1.2 * c.Height(kFontB);
}
template <int k> double NetworkRow(L c) {
    double y = 0.45 * c.H;
    for (int row = 0; row < k; ++row)
        y += 0.096 * c.H;
    return y;
}
template <int k, int extra, int below = 0> constexpr RunTimeControl NetworkLabel(unsigned textId) {
    return {textId,
            kFontE,
            kOrange,
            [](L c) { return 0.06 * c.W; },
            NetworkRow<k>,
            [](L c) { return (c.n + extra) * c.Avg(kFontD) + 0.06 * c.W; },
            [](L c) { return c.Height(kFontD) + NetworkRow<k>(c) + below; }};
}

// ---- Step 3: label rows 0.228·H apart from 0.25·H.
template <int k> double DateTimeRow(L c) {
    double y = 0.25 * c.H;
    for (int row = 0; row < k; ++row)
        y += 0.228 * c.H;
    return y;
}
template <int k, int extra> constexpr RunTimeControl DateTimeLabel(unsigned textId) {
    return {textId,
            kFontE,
            kOrange,
            [](L c) { return 0.07 * c.W; },
            DateTimeRow<k>,
            [](L c) { return (c.n + extra) * c.Avg(kFontD) + 0.07 * c.W; },
            [](L c) { return c.Height(kFontD) + DateTimeRow<k>(c); }};
}

// ---- Step 4: rows 0.065·H apart from 0.295·H, with a further 0.032·H before
// the date. Every control is a box at x, y of a width and a height.
template <int k> double ReviewRow(L c) {
    double y = 0.295 * c.H;
    for (int row = 2; row <= k; ++row) {
        y += 0.065 * c.H;
        if (row == 6)
            y += 0.032 * c.H;
    }
    return y;
}
template <int k> double ReviewRowBottom(L c) {
    return ReviewRow<k>(c) + c.Height(kFontD);
}
template <int k> constexpr RunTimeControl ReviewLabel(unsigned textId) {
    return {textId,
            kFontD,
            kWhite,
            [](L c) { return 0.1 * c.W; },
            ReviewRow<k>,
            [](L c) { return 0.1 * c.W + (c.n + 3) * c.Avg(kFontD); },
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
            [](L c) { return column / 100.0 * c.W; },
            ReviewRow<k>,
            right,
            ReviewRowBottom<k>};
}
template <int k> constexpr RunTimeControl ReviewBefore() {
    return ReviewValue<k, kReviewBefore>(kFontD, kWhite,
                                         [](L c) { return kReviewNew / 100.0 * c.W; });
}
template <int k> constexpr RunTimeControl ReviewNew() {
    return ReviewValue<k, kReviewNew>(kFontE, kOrange, [](L c) { return c.W - 1; });
}
template <int column> constexpr RunTimeControl ReviewHeader(unsigned textId, FontSlot font,
                                                            std::uint32_t colour) {
    return {textId,
            font,
            colour,
            [](L c) { return column / 100.0 * c.W; },
            [](L c) { return 0.22 * c.H; },
            [](L c) { return column / 100.0 * c.W + (c.n + 3) * c.Avg(kFontC); },
            [](L c) { return 0.22 * c.H + c.Height(kFontD); }};
}

} // namespace

const std::array<RunTimeControl, 16> kSearchPageLayout = {{
    {IDS_STEP1_HEADING, kFontA, kOrange, [](L c) { return 0.04 * c.W; },
     [](L c) { return 0.02 * c.H; }, [](L c) { return 0.04 * c.W + (c.n + 1) * c.Avg(kFontA); },
     [](L c) { return 0.02 * c.H + c.Height(kFontA); }},
    {IDS_STEP1_TITLE, kFontB, kOrange, [](L c) { return 0.23 * c.W; },
     [](L c) { return 0.05 * c.H; },
     [](L c) { return 0.23 * c.W + t(1.1 * (c.n + 1) * c.Avg(kFontB)); },
     [](L c) { return 0.05 * c.H + c.Height(kFontB); }},
    {IDS_STEP1_DESCRIPTION, kFontC, kWhite, [](L c) { return 0.05 * c.W; },
     [](L c) { return 0.15 * c.H; }, [](L c) { return c.W - t(0.05 * c.W); },
     [](L c) { return t(0.15 * c.H) + t(0.24 * c.H); }, kLabelStyle, kLabelId, ControlKind::kStatic,
     true},
    {IDS_STEP1_GROUP, kFontE, kOrange, [](L c) { return 0.05 * c.W; },
     [](L c) { return 0.385 * c.H; }, [](L c) { return c.W - 0.05 * c.W; },
     [](L c) { return 0.385 * c.H + 0.46 * c.H; }, kGroupBoxStyle, -1, ControlKind::kButton},
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
    {IDS_STEP2_HEADING, kFontA, kOrange, [](L c) { return 0.04 * c.W; },
     [](L c) { return 0.02 * c.H; }, [](L c) { return (c.n + 1) * c.Avg(kFontA) + 0.04 * c.W; },
     [](L c) { return t(NetworkHeightA(c)) + 0.02 * c.H; }},
    {IDS_STEP2_TITLE, kFontB, kOrange, [](L c) { return 0.24 * c.W; },
     [](L c) { return 0.05 * c.H; },
     [](L c) { return t((c.n + 1) * c.Avg(kFontB) * 1.1) + 0.24 * c.W; },
     [](L c) { return t(NetworkHeightB(c)) + 0.05 * c.H; }},
    {IDS_STEP2_NAME, kFontE, kOrange, [](L c) { return 0.1 * c.W; }, [](L c) { return 0.2 * c.H; },
     [](L c) { return (c.n + 5) * c.Avg(kFontC) + 0.1 * c.W; },
     [](L c) { return c.Height(kFontC) + 0.2 * c.H; }},
    // The mode buttons are one group, which the first starts and the first
    // address field ends, so the arrow keys move between them; the page keeps
    // the tab stop on the marked one and sets both states itself.
    {IDS_STEP2_MANUAL, kFontE, kOrange, [](L c) { return 0.05 * c.W; },
     [](L c) { return 0.34 * c.H; }, [](L c) { return (c.n + 5) * c.Avg(kFontC) + 0.05 * c.W; },
     [](L c) { return c.Height(kFontD) + 0.34 * c.H; }, 0x50020009, IDC_MANUAL_IP,
     ControlKind::kButton},
    {IDS_STEP2_DHCP, kFontE, kOrange, [](L c) { return 0.55 * c.W; },
     [](L c) { return 0.32 * c.H; }, [](L c) { return 0.05 * c.Avg(kFontC) * c.W + 0.55 * c.W; },
     [](L c) { return 2.5 * c.Height(kFontD) + 0.32 * c.H; }, 0x50002009, IDC_DHCP,
     ControlKind::kButton, true},
    NetworkLabel<0, 3>(IDS_STEP2_IPADDR),
    NetworkLabel<1, 4>(IDS_STEP2_NETMASK),
    NetworkLabel<2, 4, 2>(IDS_STEP2_GATEWAY),
    NetworkLabel<3, 5>(IDS_STEP2_DNS),
    {IDS_STEP2_HINT, kFontE, kOrange, [](L c) { return 0.58 * c.W; },
     [](L c) { return 0.47 * c.H; }, [](L c) { return 0.36 * c.W + 0.58 * c.W; },
     [](L c) { return 0.3 * c.H + 0.47 * c.H; }, kLabelStyle, kLabelId, ControlKind::kStatic, true},
}};

const std::array<RunTimeControl, 5> kDateTimePageLayout = {{
    {IDS_STEP3_HEADING, kFontA, kOrange, [](L c) { return 0.04 * c.W; },
     [](L c) { return 0.02 * c.H; }, [](L c) { return (c.n + 1) * c.Avg(kFontA) + 0.04 * c.W; },
     [](L c) { return c.Height(kFontA) + 0.02 * c.H; }},
    {IDS_STEP3_TITLE, kFontB, kOrange, [](L c) { return 0.24 * c.W; },
     [](L c) { return 0.05 * c.H; },
     [](L c) { return t((c.n + 1) * c.Avg(kFontB) * 1.1) + 0.24 * c.W; },
     [](L c) { return c.Height(kFontB) + 0.05 * c.H; }},
    DateTimeLabel<0, 3>(IDS_STEP3_TIMEZONE),
    DateTimeLabel<1, 2>(IDS_STEP3_DATE),
    DateTimeLabel<2, 2>(IDS_STEP3_TIME),
}};

const std::array<RunTimeControl, 25> kReviewPageLayout = {{
    {IDS_STEP4_HEADING, kFontA, kOrange, [](L c) { return 0.04 * c.W; },
     [](L c) { return 0.02 * c.H; }, [](L c) { return 0.04 * c.W + (c.n + 1) * c.Avg(kFontA); },
     [](L c) { return 0.02 * c.H + c.Height(kFontA); }},
    {IDS_STEP4_TITLE, kFontB, kOrange, [](L c) { return 0.24 * c.W; },
     [](L c) { return 0.05 * c.H; },
     [](L c) { return 0.24 * c.W + t(1.1 * (c.n + 1) * c.Avg(kFontB)); },
     [](L c) { return 0.05 * c.H + c.Height(kFontB); }},
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
