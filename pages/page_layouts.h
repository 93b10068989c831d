#pragma once
// The run-time controls of the four wizard pages, in the order each page
// creates them.
#include "app/page_layout.h"

#include <array>

// Step 1: heading, title, description, the group box, the six row labels,
// then the six detail fields of the selected array.
inline constexpr int kSearchFirstField = 10;
extern const std::array<RunTimeControl, 16> kSearchPageLayout;

// Step 2: heading, title, host name label, the two mode buttons (500, 501),
// the four address labels and the hint.
extern const std::array<RunTimeControl, 10> kNetworkPageLayout;

// Step 3: heading, title, and the time zone, date and time labels.
extern const std::array<RunTimeControl, 5> kDateTimePageLayout;

// Step 4: heading, title, seven row labels, then the before column (header
// and seven values) and the new column (header and seven values).
inline constexpr int kReviewFirstBefore = 10;
inline constexpr int kReviewFirstNew = 18;
extern const std::array<RunTimeControl, 25> kReviewPageLayout;
