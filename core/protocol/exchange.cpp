#include "core/protocol/exchange.h"

#include <algorithm>

namespace {

constexpr int kMaxReadsPerNotification = 4096;

} // namespace

std::optional<ExchangeFailure> Exchange::Start(const Conversation& conversation) {
    if (const std::optional<ExchangeFailure> refused = conversation.Refused())
        return refused;
    ++m_serial;
    m_conversation = conversation;
    m_tickCount = 0;
    const std::string& from = conversation.From();
    const std::vector<std::vector<std::string>> adapters = m_io.Adapters();
    std::vector<std::string> sources;
    m_localAddresses.clear();
    if (from.empty()) {
        for (const std::vector<std::string>& addresses : adapters) {
            if (addresses.empty())
                continue;
            sources.push_back(addresses.front());
            m_localAddresses.insert(m_localAddresses.end(), addresses.begin(), addresses.end());
        }
        // An adapter list the system could not give: the way the system routes it.
        if (adapters.empty())
            sources.emplace_back();
        for (std::string& address : m_io.HostAddresses())
            m_localAddresses.push_back(std::move(address));
    } else {
        // A bind is no test: Wine binds to an address no adapter holds, and
        // the request then leaves by the default route.
        m_localAddresses.push_back(from);
        if (std::ranges::any_of(adapters, [&from](const std::vector<std::string>& addresses) {
                return std::ranges::find(addresses, from) != addresses.end();
            }))
            sources.push_back(from);
    }

    // Listen first: an array that answers at once must find the port bound.
    // And a program that cannot hear the answer must not ask: the array would
    // act on a request nobody waits for, and another program holding the port
    // would take its answer for its own.
    if (const std::optional<ExchangeFailure> failure = OpenReceiveSocket()) {
        CloseReceiveSocket();
        return failure;
    }
    m_waiting = true;
    m_io.StartTimer();
    bool sent = false;
    for (const std::string& source : sources)
        sent = m_io.SendFrom(conversation.Request(), source) || sent;
    if (!sent) {
        // Nothing went out, so nothing can answer: the expiry finds an
        // exchange that never listened.
        CloseReceiveSocket();
        return ExchangeFailure::kSend;
    }
    return std::nullopt;
}

std::optional<ExchangeFailure> Exchange::OpenReceiveSocket() {
    if (m_receiveSocketOpen)
        CloseReceiveSocket();
    if (!m_io.CreateReceiveSocket())
        return ExchangeFailure::kCreateSocket;
    m_receiveSocketOpen = true;
    if (!m_io.BindReceiveSocket())
        return ExchangeFailure::kBindSocket;
    if (!m_io.SelectReceiveSocket())
        return ExchangeFailure::kSelectSocket;
    return std::nullopt;
}

void Exchange::CloseReceiveSocket() {
    if (!m_receiveSocketOpen)
        return;
    m_io.CloseReceiveSocket();
    m_receiveSocketOpen = false;
}

void Exchange::OnPINGAsynch(std::uintptr_t socket, unsigned event, unsigned error,
                            const Listener& listener) {
    if (!m_receiveSocketOpen || socket != m_io.ReceiveSocketHandle())
        return;
    // A listener may run a nested loop (a message box) in which this exchange
    // ends, or the next one starts: nothing read after it is this one's.
    const unsigned serial = m_serial;
    const auto same = [&] { return m_receiveSocketOpen && m_serial == serial; };
    if (error != 0) {
        listener.onEventError(event, error);
        if (!same())
            return;
    }
    if (event != kReadEvent)
        return;
    // Each notification costs a trip through the message queue (under Wine
    // through the Wine server too), so a flood outruns one read per
    // notification and the kernel drops what no longer fits: read all that
    // waits. The later notifications of those datagrams find nothing. The
    // bound keeps a flood that never stops from holding the window's message
    // loop: what is left raises a notification of its own.
    std::string datagram;
    for (int read = 0; read < kMaxReadsPerNotification && same(); ++read) {
        const ExchangeIo::Received received = m_io.ReceiveDatagram(datagram);
        if (received == ExchangeIo::Received::kNone)
            return;
        if (received == ExchangeIo::Received::kDropped)
            continue;
        const Reply reply = ParseReply(datagram, m_localAddresses);
        const Answer answer = reply.accepted ? m_conversation->AnswerTo(reply) : Answer::kNone;
        if (answer == Answer::kNone)
            continue;
        if (Conversation::Ends(answer))
            End();
        listener.onAnswer(reply, answer);
    }
}

void Exchange::End() {
    m_waiting = false;
    m_io.StopTimer();
    CloseReceiveSocket();
}

bool Exchange::OnTick() {
    // Once expired, stay quiet: a tick nested in a message box of the expiry,
    // or one still queued when the timer stopped, must not end it twice.
    if (!m_waiting)
        return false;
    if (m_tickCount < m_conversation->Ticks()) {
        ++m_tickCount;
        return false;
    }
    m_waiting = false;
    return true;
}
