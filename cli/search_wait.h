#pragma once
// How long a search listens, unless find is told otherwise: the wizard's 0.8 s.
#include "core/protocol/conversation.h"

#include <chrono>

inline constexpr std::chrono::milliseconds kSearchWait{WaitMs(kSearchTicks)};
