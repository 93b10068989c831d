#pragma once
// The one rule by which wizard pages replace one another. The page objects live
// for the whole run; their windows come and go.
#include "win/dialog.h"

#include <functional>

// Moves from `current` (null: from the welcome window, which stays) to `target`.
// If the target has a window already, it is only shown: the current page stays
// and no action runs. Otherwise `beforeLeaving` runs, the current page's window
// is destroyed, the target's window is created (owned by the main window),
// centred over the main window and shown, and `afterLeaving` runs. A Back move
// passes no actions: it stores nothing.
void MoveToPage(CDialog* current, CDialog& target,
                const std::function<void()>& beforeLeaving = nullptr,
                const std::function<void()>& afterLeaving = nullptr);
