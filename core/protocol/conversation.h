#pragma once
// The three conversations with the arrays, for every program that holds them:
// what each asks and from which of this computer's addresses, which reply is
// its answer and what that answer means, and how long it waits.
#include "core/protocol/failure.h"
#include "core/protocol/message.h"

#include <optional>
#include <string>
#include <string_view>

// The wait is counted in ticks, and gives up on the tick after the limit.
inline constexpr unsigned kTickMs = 50;
inline constexpr unsigned kSearchTicks = 15;  // a search hears what answers in 0.8 s
inline constexpr unsigned kVerifyTicks = 100; // a password check gives up after 5 s
inline constexpr unsigned kSaveTicks = 300;   // a save after 15 s

// The wait of `ticks`, in milliseconds.
constexpr unsigned WaitMs(unsigned ticks) {
    return (ticks + 1) * kTickMs;
}

// What a reply addressed to this computer means to the conversation.
enum class Answer {
    kNone,          // nothing of the conversation's: the wait goes on
    kArray,         // to a search: an array, its settings string the payload
    kPasswordRight, // the array took the password
    kPasswordWrong, // and refused it
    kSaved,         // the array took the settings
};

// The array compares at most this many bytes of a password, in code page
// 936: 16 ASCII characters or 8 Chinese ones.
inline constexpr int kPasswordBytes = 16;

class Conversation {
public:
    // The probe every array answers, through every adapter.
    static Conversation Search();
    // For the array whose search reply was `reported`: its nwk.ipaddr names
    // the array in the request, and `from`, this computer's address that
    // reply named, is the one the request leaves from and the answer must
    // name. Every request goes by broadcast, so every array that answers for
    // that address hears it.
    static Conversation Verify(std::string_view reported, std::string_view from,
                               std::string_view password);
    static Conversation Save(std::string_view reported, std::string_view from,
                             std::string_view settings);

    // The datagram; empty when Refused.
    const std::string& Request() const { return m_request; }
    unsigned Ticks() const { return m_ticks; }
    // Empty for a search: every adapter, and replies to any of this computer's addresses.
    const std::string& From() const { return m_from; }
    // Why no request could be made, so that nothing may be sent.
    std::optional<ExchangeFailure> Refused() const { return m_refused; }

    Answer AnswerTo(const Reply& reply) const;
    // Whether an answer ends it: a search listens for its whole wait.
    bool EndsOnAnswer() const { return m_kind != Kind::kSearch; }
    // Every answer but a search's ends the conversation.
    static bool Ends(Answer answer) { return answer != Answer::kNone && answer != Answer::kArray; }

private:
    enum class Kind { kSearch, kVerify, kSave };
    Conversation(Kind kind, unsigned ticks, std::string_view from);
    static Conversation ToArray(Kind kind, unsigned ticks, std::string_view reported,
                                std::string_view from, std::string_view command,
                                std::string_view payload);

    Kind m_kind;
    unsigned m_ticks;
    std::string m_from;
    std::string m_request;
    std::optional<ExchangeFailure> m_refused;
};
