#include "cli/exchanges.h"

#include "net/blocking_exchange.h"

SearchResult SearchArrays(std::chrono::milliseconds wait) {
    DeviceList found;
    const ConversationEnd end = Converse(
        Conversation::Search(),
        [&found](const Reply& reply, Answer) { found.AddDevice(reply.payload, reply.address); },
        wait);
    return {end.failure, {found.begin(), found.end()}};
}

Outcome FailureOutcome(ExchangeFailure failure, Step step, std::string_view from) {
    switch (failure) {
    case ExchangeFailure::kCreateSocket:
    case ExchangeFailure::kSelectSocket:
        return {Exit::kNotSent,
                "no socket for the arrays' answers could be opened; nothing was sent"};
    case ExchangeFailure::kBindSocket:
        return {Exit::kPortInUse,
                "UDP port 1211 is in use; close the other program, for example the setup wizard"};
    case ExchangeFailure::kSend:
        if (step == Step::kSearch)
            return {Exit::kNotSent, "the search could not be sent through any network adapter"};
        return {Exit::kNotSent, "the request could not leave from " + std::string(from) +
                                    ", where the array answered: that adapter is gone or has "
                                    "another address now; search again"};
    case ExchangeFailure::kAddressTooLong:
        return {Exit::kRefused, "the array's address is longer than 15 bytes: no request can name "
                                "it; nothing was sent"};
    case ExchangeFailure::kSettingsTooLong:
        return {Exit::kRefused,
                "the settings would be longer than 999 characters; nothing was sent"};
    case ExchangeFailure::kNoAnswer:
        break;
    }
    if (step == Step::kSave)
        return {Exit::kNoAnswer, "the array did not confirm within 15 s; search again: if it took "
                                 "a new address it is listed under it"};
    return {Exit::kNoAnswer, "the array did not answer the password check within 5 s"};
}

Outcome CheckAndSave(const DeviceRecord& record, std::string_view password,
                     const std::function<std::string()>& settingsToSend, std::string& sent) {
    const ConversationEnd checked =
        Converse(Conversation::Verify(record.settings, record.localAddress, password));
    if (checked.failure)
        return FailureOutcome(*checked.failure, Step::kCheck, record.localAddress);
    if (checked.answer != Answer::kPasswordRight)
        return {Exit::kWrongPassword, "the array refused the password; nothing was sent"};
    sent = settingsToSend();
    const ConversationEnd saved =
        Converse(Conversation::Save(record.settings, record.localAddress, sent));
    if (saved.failure)
        return FailureOutcome(*saved.failure, Step::kSave, record.localAddress);
    return {Exit::kDone, "saved"};
}
