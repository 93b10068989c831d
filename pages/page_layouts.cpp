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
template <int k> constexpr RunTimeControl SearchLabel(int name, unsigned text) {
    return {.name = name,
            .text = text,
            .font = kFontD,
            .colour = kWhite,
            .left = [](Page page) { return 0.41 * page.width; },
            .top = SearchRow<k>,
            .right =
                [](Page page) {
                    return 0.41 * page.width + (page.textLength + 3) * page.AverageWidth(kFontD);
                },
            .bottom = SearchRowBottom<k>};
}
template <int k> constexpr RunTimeControl SearchField(int name) {
    return {.name = name,
            .text = 0,
            .font = kFontF,
            .colour = kOrange,
            .left = [](Page page) { return 0.23 * page.width + 0.41 * page.width; },
            .top = SearchRow<k>,
            .right = [](Page page) { return page.width - 0.06 * page.width; },
            .bottom = SearchRowBottom<k>};
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
template <int k, int extra, int below = 0>
constexpr RunTimeControl NetworkLabel(int name, unsigned text) {
    return {
        .name = name,
        .text = text,
        .font = kFontE,
        .colour = kOrange,
        .left = [](Page page) { return 0.06 * page.width; },
        .top = NetworkRow<k>,
        .right =
            [](Page page) {
                return (page.textLength + extra) * page.AverageWidth(kFontD) + 0.06 * page.width;
            },
        .bottom = [](Page page) { return page.FontHeight(kFontD) + NetworkRow<k>(page) + below; }};
}

// ---- Step 3: label rows 0.228·H apart from 0.25·H.
template <int k> double DateTimeRow(Page page) {
    double y = 0.25 * page.height;
    for (int row = 0; row < k; ++row)
        y += 0.228 * page.height;
    return y;
}
template <int k, int extra> constexpr RunTimeControl DateTimeLabel(int name, unsigned text) {
    return {.name = name,
            .text = text,
            .font = kFontE,
            .colour = kOrange,
            .left = [](Page page) { return 0.07 * page.width; },
            .top = DateTimeRow<k>,
            .right =
                [](Page page) {
                    return (page.textLength + extra) * page.AverageWidth(kFontD) +
                           0.07 * page.width;
                },
            .bottom = [](Page page) { return page.FontHeight(kFontD) + DateTimeRow<k>(page); }};
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
template <int k> constexpr RunTimeControl ReviewLabel(int name, unsigned text) {
    return {.name = name,
            .text = text,
            .font = kFontD,
            .colour = kWhite,
            .left = [](Page page) { return 0.1 * page.width; },
            .top = ReviewRow<k>,
            .right =
                [](Page page) {
                    return 0.1 * page.width + (page.textLength + 3) * page.AverageWidth(kFontD);
                },
            .bottom = ReviewRowBottom<k>};
}
// Values of one column share one right edge. The values come after the window,
// so no text widens them: each column reaches as far as it may, the before
// column to the new one, the new one to the frame the page paints, so that a
// 15-character address shows whole in either.
constexpr int kReviewBefore = 43, kReviewNew = 73; // hundredths of W
template <int k, int column>
constexpr RunTimeControl ReviewValue(int name, FontSlot font, COLORREF colour, Edge right) {
    return {.name = name,
            .text = 0,
            .font = font,
            .colour = colour,
            .left = [](Page page) { return column / 100.0 * page.width; },
            .top = ReviewRow<k>,
            .right = right,
            .bottom = ReviewRowBottom<k>};
}
template <int k> constexpr RunTimeControl ReviewBefore(int name) {
    return ReviewValue<k, kReviewBefore>(name, kFontD, kWhite,
                                         [](Page page) { return kReviewNew / 100.0 * page.width; });
}
template <int k> constexpr RunTimeControl ReviewNew(int name) {
    return ReviewValue<k, kReviewNew>(name, kFontE, kOrange,
                                      [](Page page) { return page.width - 1; });
}
template <int column>
constexpr RunTimeControl ReviewHeader(int name, unsigned text, FontSlot font, COLORREF colour) {
    return {.name = name,
            .text = text,
            .font = font,
            .colour = colour,
            .left = [](Page page) { return column / 100.0 * page.width; },
            .top = [](Page page) { return 0.22 * page.height; },
            .right =
                [](Page page) {
                    return column / 100.0 * page.width +
                           (page.textLength + 3) * page.AverageWidth(kFontC);
                },
            .bottom = [](Page page) { return 0.22 * page.height + page.FontHeight(kFontD); }};
}

// ---- The head of steps 1, 3 and 4: the heading in font A, one line of its
// own height; steps 1 and 4 put the title beside it alike (step 2's head is
// one and a fifth lines high, step 3's title reckons its width in another
// order, which can round apart).
constexpr RunTimeControl PageHeading(int name, unsigned text) {
    return {.name = name,
            .text = text,
            .font = kFontA,
            .colour = kOrange,
            .left = [](Page page) { return 0.04 * page.width; },
            .top = [](Page page) { return 0.02 * page.height; },
            .right =
                [](Page page) {
                    return 0.04 * page.width + (page.textLength + 1) * page.AverageWidth(kFontA);
                },
            .bottom = [](Page page) { return 0.02 * page.height + page.FontHeight(kFontA); }};
}
template <int left> // hundredths of W
constexpr RunTimeControl PageTitle(int name, unsigned text) {
    return {.name = name,
            .text = text,
            .font = kFontB,
            .colour = kOrange,
            .left = [](Page page) { return left / 100.0 * page.width; },
            .top = [](Page page) { return 0.05 * page.height; },
            .right =
                [](Page page) {
                    return left / 100.0 * page.width +
                           Truncated(1.1 * (page.textLength + 1) * page.AverageWidth(kFontB));
                },
            .bottom = [](Page page) { return 0.05 * page.height + page.FontHeight(kFontB); }};
}

} // namespace

const std::array<RunTimeControl, 16> kSearchPageLayout = {{
    PageHeading(IDL_STEP1_HEADING, IDS_STEP1_HEADING),
    PageTitle<23>(IDL_STEP1_TITLE, IDS_STEP1_TITLE),
    {.name = IDL_STEP1_DESCRIPTION,
     .text = IDS_STEP1_DESCRIPTION,
     .font = kFontC,
     .colour = kWhite,
     .left = [](Page page) { return 0.05 * page.width; },
     .top = [](Page page) { return 0.15 * page.height; },
     .right = [](Page page) { return page.width - Truncated(0.05 * page.width); },
     .bottom =
         [](Page page) { return Truncated(0.15 * page.height) + Truncated(0.24 * page.height); },
     .wraps = true},
    {.name = IDL_STEP1_GROUP,
     .text = IDS_STEP1_GROUP,
     .font = kFontE,
     .colour = kOrange,
     .left = [](Page page) { return 0.05 * page.width; },
     .top = [](Page page) { return 0.385 * page.height; },
     .right = [](Page page) { return page.width - 0.05 * page.width; },
     .bottom = [](Page page) { return 0.385 * page.height + 0.46 * page.height; },
     .style = kGroupBoxStyle,
     .id = -1,
     .kind = ControlKind::kButton},
    SearchLabel<0>(IDL_STEP1_NAME_LABEL, IDS_STEP1_NAME),
    SearchLabel<1>(IDL_STEP1_IPADDR_LABEL, IDS_STEP1_IPADDR),
    SearchLabel<2>(IDL_STEP1_NETMASK_LABEL, IDS_STEP1_NETMASK),
    SearchLabel<3>(IDL_STEP1_GATEWAY_LABEL, IDS_STEP1_GATEWAY),
    SearchLabel<4>(IDL_STEP1_DNS_LABEL, IDS_STEP1_DNS),
    SearchLabel<5>(IDL_STEP1_MAC_LABEL, IDS_STEP1_MAC),
    SearchField<0>(IDL_STEP1_NAME),
    SearchField<1>(IDL_STEP1_IPADDR),
    SearchField<2>(IDL_STEP1_NETMASK),
    SearchField<3>(IDL_STEP1_GATEWAY),
    SearchField<4>(IDL_STEP1_DNS),
    SearchField<5>(IDL_STEP1_MAC),
}};

const std::array<RunTimeControl, 10> kNetworkPageLayout = {{
    {.name = IDL_STEP2_HEADING,
     .text = IDS_STEP2_HEADING,
     .font = kFontA,
     .colour = kOrange,
     .left = [](Page page) { return 0.04 * page.width; },
     .top = [](Page page) { return 0.02 * page.height; },
     .right =
         [](Page page) {
             return (page.textLength + 1) * page.AverageWidth(kFontA) + 0.04 * page.width;
         },
     .bottom = [](Page page) { return Truncated(NetworkHeightA(page)) + 0.02 * page.height; }},
    {.name = IDL_STEP2_TITLE,
     .text = IDS_STEP2_TITLE,
     .font = kFontB,
     .colour = kOrange,
     .left = [](Page page) { return 0.24 * page.width; },
     .top = [](Page page) { return 0.05 * page.height; },
     .right =
         [](Page page) {
             return Truncated((page.textLength + 1) * page.AverageWidth(kFontB) * 1.1) +
                    0.24 * page.width;
         },
     .bottom = [](Page page) { return Truncated(NetworkHeightB(page)) + 0.05 * page.height; }},
    {.name = IDL_STEP2_NAME_LABEL,
     .text = IDS_STEP2_NAME,
     .font = kFontE,
     .colour = kOrange,
     .left = [](Page page) { return 0.1 * page.width; },
     .top = [](Page page) { return 0.2 * page.height; },
     .right =
         [](Page page) {
             return (page.textLength + 5) * page.AverageWidth(kFontC) + 0.1 * page.width;
         },
     .bottom = [](Page page) { return page.FontHeight(kFontC) + 0.2 * page.height; }},
    // The mode buttons are one group, which the first starts and the first
    // address field ends, so the arrow keys move between them; the page keeps
    // the tab stop on the marked one and sets both states itself.
    {.name = IDC_MANUAL_IP,
     .text = IDS_STEP2_MANUAL,
     .font = kFontE,
     .colour = kOrange,
     .left = [](Page page) { return 0.05 * page.width; },
     .top = [](Page page) { return 0.34 * page.height; },
     .right =
         [](Page page) {
             return (page.textLength + 5) * page.AverageWidth(kFontC) + 0.05 * page.width;
         },
     .bottom = [](Page page) { return page.FontHeight(kFontD) + 0.34 * page.height; },
     .style = WS_CHILD | WS_VISIBLE | WS_GROUP | BS_AUTORADIOBUTTON,
     .id = IDC_MANUAL_IP,
     .kind = ControlKind::kButton},
    {.name = IDC_DHCP,
     .text = IDS_STEP2_DHCP,
     .font = kFontE,
     .colour = kOrange,
     .left = [](Page page) { return 0.55 * page.width; },
     .top = [](Page page) { return 0.32 * page.height; },
     // As wide as a twentieth of the client width for each pixel of font C's
     // average character width: the wider the page's characters, the more of
     // the page the button takes for its text, which wraps within it.
     .right =
         [](Page page) {
             return 0.05 * page.AverageWidth(kFontC) * page.width + 0.55 * page.width;
         },
     .bottom = [](Page page) { return 2.5 * page.FontHeight(kFontD) + 0.32 * page.height; },
     .style = WS_CHILD | WS_VISIBLE | BS_MULTILINE | BS_AUTORADIOBUTTON,
     .id = IDC_DHCP,
     .kind = ControlKind::kButton,
     .wraps = true},
    NetworkLabel<0, 3>(IDL_STEP2_IPADDR_LABEL, IDS_STEP2_IPADDR),
    NetworkLabel<1, 4>(IDL_STEP2_NETMASK_LABEL, IDS_STEP2_NETMASK),
    NetworkLabel<2, 4, 2>(IDL_STEP2_GATEWAY_LABEL, IDS_STEP2_GATEWAY),
    NetworkLabel<3, 5>(IDL_STEP2_DNS_LABEL, IDS_STEP2_DNS),
    {.name = IDL_STEP2_HINT,
     .text = IDS_STEP2_HINT,
     .font = kFontE,
     .colour = kOrange,
     .left = [](Page page) { return 0.58 * page.width; },
     .top = [](Page page) { return 0.47 * page.height; },
     .right = [](Page page) { return 0.36 * page.width + 0.58 * page.width; },
     .bottom = [](Page page) { return 0.3 * page.height + 0.47 * page.height; },
     .wraps = true},
}};

const std::array<RunTimeControl, 5> kDateTimePageLayout = {{
    PageHeading(IDL_STEP3_HEADING, IDS_STEP3_HEADING),
    {.name = IDL_STEP3_TITLE,
     .text = IDS_STEP3_TITLE,
     .font = kFontB,
     .colour = kOrange,
     .left = [](Page page) { return 0.24 * page.width; },
     .top = [](Page page) { return 0.05 * page.height; },
     .right =
         [](Page page) {
             return Truncated((page.textLength + 1) * page.AverageWidth(kFontB) * 1.1) +
                    0.24 * page.width;
         },
     .bottom = [](Page page) { return page.FontHeight(kFontB) + 0.05 * page.height; }},
    DateTimeLabel<0, 3>(IDL_STEP3_TIMEZONE_LABEL, IDS_STEP3_TIMEZONE),
    DateTimeLabel<1, 2>(IDL_STEP3_DATE_LABEL, IDS_STEP3_DATE),
    DateTimeLabel<2, 2>(IDL_STEP3_TIME_LABEL, IDS_STEP3_TIME),
}};

const std::array<RunTimeControl, 25> kReviewPageLayout = {{
    PageHeading(IDL_STEP4_HEADING, IDS_STEP4_HEADING),
    PageTitle<24>(IDL_STEP4_TITLE, IDS_STEP4_TITLE),
    ReviewLabel<1>(IDL_STEP4_NAME_LABEL, IDS_STEP4_NAME),
    ReviewLabel<2>(IDL_STEP4_IPADDR_LABEL, IDS_STEP4_IPADDR),
    ReviewLabel<3>(IDL_STEP4_NETMASK_LABEL, IDS_STEP4_NETMASK),
    ReviewLabel<4>(IDL_STEP4_GATEWAY_LABEL, IDS_STEP4_GATEWAY),
    ReviewLabel<5>(IDL_STEP4_BOOTPROTO_LABEL, IDS_STEP4_BOOTPROTO),
    ReviewLabel<6>(IDL_STEP4_DATE_LABEL, IDS_STEP4_DATE),
    ReviewLabel<7>(IDL_STEP4_TIME_LABEL, IDS_STEP4_TIME),
    ReviewHeader<kReviewBefore>(IDL_STEP4_BEFORE_HEADER, IDS_STEP4_BEFORE, kFontC, kWhite),
    ReviewBefore<1>(IDL_STEP4_BEFORE_NAME),
    ReviewBefore<2>(IDL_STEP4_BEFORE_IPADDR),
    ReviewBefore<3>(IDL_STEP4_BEFORE_NETMASK),
    ReviewBefore<4>(IDL_STEP4_BEFORE_GATEWAY),
    ReviewBefore<5>(IDL_STEP4_BEFORE_BOOTPROTO),
    ReviewBefore<6>(IDL_STEP4_BEFORE_DATE),
    ReviewBefore<7>(IDL_STEP4_BEFORE_TIME),
    // Drawn in F but, like the before header, as high as D and as wide as C make
    // it, and wider only where F needs more.
    ReviewHeader<kReviewNew>(IDL_STEP4_NEW_HEADER, IDS_STEP4_AFTER, kFontF, kOrange),
    ReviewNew<1>(IDL_STEP4_NEW_NAME),
    ReviewNew<2>(IDL_STEP4_NEW_IPADDR),
    ReviewNew<3>(IDL_STEP4_NEW_NETMASK),
    ReviewNew<4>(IDL_STEP4_NEW_GATEWAY),
    ReviewNew<5>(IDL_STEP4_NEW_BOOTPROTO),
    ReviewNew<6>(IDL_STEP4_NEW_DATE),
    ReviewNew<7>(IDL_STEP4_NEW_TIME),
}};
