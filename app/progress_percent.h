#pragma once
// Arithmetic of the progress bar, kept apart from the control so it can be tested.
#include <string>

struct ProgressRange {
    int lower = 0;
    int upper = 100;
    int step = 10;
};

// "40%" for 40; exactly 100 stays "100%", 110 shows "10%" like the bar.
std::string PercentText(const ProgressRange& range, int position);
