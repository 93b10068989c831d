#pragma once
// The exchange for programs without windows: one conversation at a time on
// the calling thread, its socket read as the replies come in (poll on Linux,
// select on Windows) until its answer or the end of its wait. The rules are
// the wizard's (the same Exchange), its wait the same in milliseconds that the
// wizard counts in ticks.
#include "core/protocol/conversation.h"
#include "core/protocol/exchange.h"

#include <chrono>
#include <functional>
#include <optional>

struct ConversationEnd {
    // Why it ended without its answer. None for a search, which listens for
    // its whole wait and ends with it.
    std::optional<ExchangeFailure> failure;
    Answer answer = Answer::kNone; // the answer that ended it
};

// Holds `conversation` from its request to its end. `onAnswer` sees each
// answer as it comes (a search's arrays too); `wait` replaces the
// conversation's own wait. Nothing is sent when the reply port cannot be held.
ConversationEnd Converse(const Conversation& conversation,
                         const std::function<void(const Reply&, Answer)>& onAnswer = {},
                         std::optional<std::chrono::milliseconds> wait = {});
