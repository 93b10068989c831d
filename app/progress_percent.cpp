#include "app/progress_percent.h"

// 64-bit intermediates: positions near the int limits must not overflow, and an
// empty range (upper == lower) has nothing to divide by, so it shows 0%.

std::string PercentText(const ProgressRange& range, int position) {
    long long span = static_cast<long long>(range.upper) - range.lower;
    long long percent =
        span == 0 ? 0 : (position - static_cast<long long>(range.lower)) * 100 / span;
    if (percent != 100)
        percent %= 100;
    return std::to_string(percent) + "%";
}
