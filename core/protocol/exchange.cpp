#include "core/protocol/exchange.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kMaxReadsPerNotification = 4096;

} // namespace

Exchange::Sent Exchange::SendRequest(std::string_view request, unsigned tickLimit,
                                     std::string_view from) {
    tickCount_ = 0;
    tickLimit_ = tickLimit;
    const std::vector<std::vector<std::string>> adapters = io_.Adapters();
    std::vector<std::string> sources;
    localAddresses_.clear();
    if (from.empty()) {
        for (const std::vector<std::string>& addresses : adapters) {
            if (addresses.empty())
                continue;
            sources.push_back(addresses.front());
            localAddresses_.insert(localAddresses_.end(), addresses.begin(), addresses.end());
        }
        // An adapter list the system could not give: the way the system routes it.
        if (adapters.empty())
            sources.emplace_back();
        for (std::string& address : io_.HostAddresses())
            localAddresses_.push_back(std::move(address));
    } else {
        // A bind is no test: Wine binds to an address no adapter holds, and
        // the request then leaves by the default route.
        localAddresses_.emplace_back(from);
        if (std::ranges::any_of(adapters, [from](const std::vector<std::string>& addresses) {
                return std::ranges::find(addresses, from) != addresses.end();
            }))
            sources.emplace_back(from);
    }

    // Listen first: an array that answers at once must find the port bound.
    // And a copy that cannot hear the answer must not ask: the array would act
    // on a request nobody waits for, and another program holding the port
    // would take its answer for its own.
    if (const SocketFailure failure = OpenReceiveSocket()) {
        CloseReceiveSocket();
        io_.ShowSocketError(failure->text, failure->caption);
        return Sent::kCannotListen;
    }
    waiting_ = true;
    io_.StartTimer();
    bool sent = false;
    // An empty request is what BuildRequest gives for a payload it refused.
    for (const std::string& source : request.empty() ? std::vector<std::string>{} : sources)
        sent = io_.SendFrom(request, source) || sent;
    if (!sent) {
        // Nothing went out, so nothing can answer: the expiry finds an
        // exchange that never listened.
        CloseReceiveSocket();
        return Sent::kNotSent;
    }
    return Sent::kListening;
}

Exchange::SocketFailure Exchange::OpenReceiveSocket() {
    static constexpr SocketError kCreate{kCreateSockText, kCreateSockCaption};
    static constexpr SocketError kBind{kBindText, kBindCaption};
    static constexpr SocketError kSelect{kSelectText, kSelectCaption};
    if (receiveSocketOpen_)
        CloseReceiveSocket();
    if (!io_.CreateReceiveSocket())
        return &kCreate;
    receiveSocketOpen_ = true;
    if (!io_.BindReceiveSocket())
        return &kBind;
    if (!io_.SelectReceiveSocket())
        return &kSelect;
    return nullptr;
}

void Exchange::CloseReceiveSocket() {
    if (!receiveSocketOpen_)
        return;
    io_.CloseReceiveSocket();
    receiveSocketOpen_ = false;
}

void Exchange::OnPINGAsynch(std::uintptr_t socket, unsigned event, unsigned error,
                            const std::function<void(const Reply&)>& onReply) {
    if (!receiveSocketOpen_ || socket != io_.ReceiveSocketHandle())
        return;
    if (error != 0) {
        char text[64];
        std::snprintf(text, sizeof text, "WSAAsynch Event # %u, Error: %u", event, error);
        io_.ShowEventError(text);
    }
    if (event != FD_READ_EVENT)
        return;
    // Each notification costs a trip through the message queue (under Wine
    // through the Wine server too), so a flood outruns one read per
    // notification and the kernel drops what no longer fits: read all that
    // waits. The later notifications of those datagrams find nothing. The
    // bound keeps a flood that never stops from holding the window's message
    // loop: what is left raises a notification of its own.
    // The reply handler may end the exchange and close the socket.
    std::string datagram;
    for (int read = 0; read < kMaxReadsPerNotification && receiveSocketOpen_; ++read) {
        const ExchangeIo::Received received = io_.ReceiveDatagram(datagram);
        if (received == ExchangeIo::Received::kNone)
            return;
        if (received == ExchangeIo::Received::kDropped)
            continue;
        const Reply reply = ParseReply(datagram, localAddresses_);
        if (reply.accepted)
            onReply(reply);
    }
}

void Exchange::End() {
    waiting_ = false;
    io_.StopTimer();
    CloseReceiveSocket();
}

bool Exchange::OnTick() {
    // Once expired, stay quiet: a tick nested in a message box of the expiry,
    // or one still queued when the timer stopped, must not end it twice.
    if (!waiting_)
        return false;
    if (tickCount_ < tickLimit_) {
        ++tickCount_;
        return false;
    }
    waiting_ = false;
    return true;
}
