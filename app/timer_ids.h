#pragma once
// The timers of the wizard's windows, in one place: timers of one window must
// differ, and a page's exchange runs beside its running clock.
#include <windows.h>

// An exchange's ticks, every kTickMs (core/protocol/conversation.h).
inline constexpr UINT_PTR IDT_EXCHANGE = 1225;
// Steps 3 and 4 show the array's clock running, a second at a time.
inline constexpr UINT_PTR IDT_RUNNING_CLOCK = 1;
inline constexpr UINT kRunningClockMs = 1000;
