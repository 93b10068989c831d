#include "messaging/exchange.h"
#include <cstdio>

bool Exchange::SendRequest(std::string_view request, unsigned tickLimit) {
    tickCount_ = 0;
    tickLimit_ = tickLimit;
    io_.StartTimer();
    localAddresses_ = io_.LocalAddresses();

    // Listen first: an array that answers at once must find the port bound.
    const bool listening = OpenReceiveSocket();
    // An empty request is what BuildRequest gives for a payload it refused.
    if (request.empty() || !io_.Broadcast(request)) {
        // Nothing went out, so nothing can answer: let the expiry report it
        // as an exchange that never listened.
        CloseReceiveSocket();
        return false;
    }
    return listening;
}

bool Exchange::OpenReceiveSocket() {
    if (receiveSocketOpen_)
        CloseReceiveSocket();
    if (!io_.CreateReceiveSocket()) {
        io_.ShowSocketError(kCreateSockText, kCreateSockCaption);
        return false;
    }
    receiveSocketOpen_ = true;
    if (!io_.BindReceiveSocket()) {
        io_.ShowSocketError(kBindText, kBindCaption);
        return false;
    }
    if (!io_.SelectReceiveSocket()) {
        io_.ShowSocketError(kSelectText, kSelectCaption);
        return false;
    }
    return true;
}

void Exchange::CloseReceiveSocket() {
    if (!receiveSocketOpen_)
        return;
    io_.CloseReceiveSocket();
    receiveSocketOpen_ = false;
}

std::optional<Reply> Exchange::OnPINGAsynch(unsigned event, unsigned error) {
    if (error != 0) {
        char text[64];
        std::snprintf(text, sizeof text, "WSAAsynch Event # %u, Error: %u", event, error);
        io_.ShowEventError(text);
    }
    // A notification still queued when the socket was closed must not read
    // from whatever socket holds the handle now.
    if (event != FD_READ_EVENT || !receiveSocketOpen_)
        return std::nullopt;
    std::optional<std::string> datagram = io_.ReceiveDatagram();
    if (!datagram)
        return std::nullopt;
    Reply reply = ParseReply(*datagram, localAddresses_);
    if (!reply.accepted)
        return std::nullopt;
    return reply;
}

bool Exchange::OnTick() {
    if (tickCount_ < tickLimit_) {
        ++tickCount_;
        return false;
    }
    return true;
}
