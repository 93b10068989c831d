#include "core/protocol/conversation.h"

#include "core/settings/settings.h"

Conversation::Conversation(Kind kind, unsigned ticks, std::string_view from)
    : m_kind(kind), m_ticks(ticks), m_from(from) {}

Conversation Conversation::Search() {
    Conversation search(Kind::kSearch, kSearchTicks, {});
    search.m_request = kSearchProbe;
    return search;
}

Conversation Conversation::ToArray(Kind kind, unsigned ticks, std::string_view reported,
                                   std::string_view from, std::string_view command,
                                   std::string_view payload) {
    Conversation conversation(kind, ticks, from);
    // A cut address could name another array, cut settings would reach the
    // array as other settings: such a request is not sent at all.
    const std::string address = GetSetting(reported, "nwk.ipaddr");
    if (address.size() > kAddressFieldLength)
        conversation.m_refused = ExchangeFailure::kAddressTooLong;
    else if (payload.size() > kMaxPayloadLength)
        conversation.m_refused = ExchangeFailure::kSettingsTooLong;
    else
        conversation.m_request = BuildRequest(address, command, payload);
    return conversation;
}

Conversation Conversation::Verify(std::string_view reported, std::string_view from,
                                  std::string_view password) {
    // The array compares the bytes after "passwd=", nothing escaped.
    return ToArray(Kind::kVerify, kVerifyTicks, reported, from, "VERIFY",
                   "passwd=" + std::string(password));
}

Conversation Conversation::Save(std::string_view reported, std::string_view from,
                                std::string_view settings) {
    return ToArray(Kind::kSave, kSaveTicks, reported, from, "SET", settings);
}

Answer Conversation::AnswerTo(const Reply& reply) const {
    switch (m_kind) {
    case Kind::kSearch:
        // No array sends an empty settings string, and one cut short by a NUL
        // would go back to the array without the rest: neither is an array.
        return reply.command == "GETOK" && !reply.payload.empty() && !reply.cut ? Answer::kArray
                                                                                : Answer::kNone;
    case Kind::kVerify:
        return reply.command == "VERIFYOK"     ? Answer::kPasswordRight
               : reply.command == "VERIFYFAIL" ? Answer::kPasswordWrong
                                               : Answer::kNone;
    case Kind::kSave:
        return reply.command == "SETOK" ? Answer::kSaved : Answer::kNone;
    }
    return Answer::kNone;
}
