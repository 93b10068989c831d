#include "app/page_layout.h"

PixelRect Place(const RunTimeControl& control, const LayoutInput& input) {
    return {static_cast<int>(control.left(input)), static_cast<int>(control.top(input)),
            static_cast<int>(control.right(input)), static_cast<int>(control.bottom(input))};
}
