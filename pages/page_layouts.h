#pragma once
// The run-time controls of the four wizard pages, in the order each page
// creates them, and the rows a page and its tests fill in turn.
#include "app/page_layout.h"
#include "core/setup/search_details.h"

#include <array>

// Step 1: heading, title, description, the group box, the six row labels,
// then the six detail fields of the selected array.
extern const std::array<RunTimeControl, 16> kSearchPageLayout;
// Its detail fields, in the order of DetailTexts.
inline constexpr std::array<int, kDetailRows> kSearchDetails = {
    IDL_STEP1_NAME,    IDL_STEP1_IPADDR, IDL_STEP1_NETMASK,
    IDL_STEP1_GATEWAY, IDL_STEP1_DNS,    IDL_STEP1_MAC};

// Step 2: heading, title, host name label, the two mode buttons, the four
// address labels and the hint.
extern const std::array<RunTimeControl, 10> kNetworkPageLayout;

// Step 3: heading, title, and the time zone, date and time labels.
extern const std::array<RunTimeControl, 5> kDateTimePageLayout;

// Step 4: heading, title, seven row labels, then the before column (header
// and seven values) and the new column (header and seven values).
extern const std::array<RunTimeControl, 25> kReviewPageLayout;
// The values of each column, top to bottom: host name, address, netmask,
// gateway, IP state, date, time.
inline constexpr int kReviewRows = 7;
using ReviewColumn = std::array<int, kReviewRows>;
inline constexpr ReviewColumn kReviewBeforeColumn = {
    IDL_STEP4_BEFORE_NAME,    IDL_STEP4_BEFORE_IPADDR,    IDL_STEP4_BEFORE_NETMASK,
    IDL_STEP4_BEFORE_GATEWAY, IDL_STEP4_BEFORE_BOOTPROTO, IDL_STEP4_BEFORE_DATE,
    IDL_STEP4_BEFORE_TIME};
inline constexpr ReviewColumn kReviewNewColumn = {
    IDL_STEP4_NEW_NAME,      IDL_STEP4_NEW_IPADDR, IDL_STEP4_NEW_NETMASK, IDL_STEP4_NEW_GATEWAY,
    IDL_STEP4_NEW_BOOTPROTO, IDL_STEP4_NEW_DATE,   IDL_STEP4_NEW_TIME};
