#include "app/page_layout.h"

#include <algorithm>

PixelRect Place(const RunTimeControl& control, const LayoutInput& input) {
    const int left = static_cast<int>(control.left(input));
    int right = static_cast<int>(control.right(input));
    if (!control.wraps)
        right = std::max(right, left + input.textWidth);
    return {left, static_cast<int>(control.top(input)), right,
            static_cast<int>(control.bottom(input))};
}
