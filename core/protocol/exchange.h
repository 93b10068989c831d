#pragma once
// One request broadcast to the arrays and the replies collected for it, until
// the window that waits sees its ending reply or the tick count runs out.
// Sockets, the timer and message boxes come through ExchangeIo, so the rules
// here run the same against Winsock and against a test double.
#include "core/protocol/message.h"
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr unsigned FD_READ_EVENT = 1; // FD_READ of WSAAsyncSelect

// Ticks an exchange waits before it expires, on the tick after.
inline constexpr unsigned SEARCH_TICK_LIMIT = 15;
inline constexpr unsigned VERIFY_TICK_LIMIT = 100;
inline constexpr unsigned SAVE_TICK_LIMIT = 300;

inline constexpr const char* kCreateSockText = "Failed to createsock!";
inline constexpr const char* kCreateSockCaption = "createsock error";
inline constexpr const char* kBindText = "Failed to bind CLIENT_PORT!\nError Code";
inline constexpr const char* kBindCaption = "bind error";
inline constexpr const char* kSelectText = "Fail to select";
inline constexpr const char* kSelectCaption = "select error";
inline constexpr const char* kEventErrorCaption = "CMarlowdeskUIDlg::OnPINGAsynch";
inline constexpr const char* kSendText =
    "Failed to send the request! Check that this computer is connected to the network.";
inline constexpr const char* kSendCaption = "send error";

class ExchangeIo {
public:
    virtual ~ExchangeIo() = default;

    virtual void StartTimer() = 0; // restarts a running timer
    virtual void StopTimer() = 0;

    // The receive socket on CLIENT_PORT. Once created it stays the recorded
    // socket until CloseReceiveSocket, even when binding or selecting fails.
    virtual bool CreateReceiveSocket() = 0;
    // The open receive socket's handle as notifications name it.
    virtual std::uintptr_t ReceiveSocketHandle() const = 0;
    virtual bool BindReceiveSocket() = 0;
    virtual bool SelectReceiveSocket() = 0; // readable => OnPINGAsynch
    virtual void CloseReceiveSocket() = 0;
    enum class Received {
        kDatagram, // `datagram` holds the next one
        kDropped,  // the next one could not be read (longer than the message buffer)
        kNone,     // nothing waits, or the socket failed
    };
    virtual Received ReceiveDatagram(std::string& datagram) = 0;

    // One datagram to 255.255.255.255:SERVER_PORT from a fresh socket, closed
    // again, bound to this computer's address `from` (unbound when empty): a
    // limited broadcast leaves by the adapter of the address it is sent from.
    // True when it went out.
    virtual bool SendFrom(std::string_view datagram, std::string_view from) = 0;

    // The network adapters that are up, loopback left out: each one's IPv4
    // addresses, dotted decimal, in the system's order.
    virtual std::vector<std::vector<std::string>> Adapters() = 0;
    // The IPv4 addresses of this computer's host name, dotted decimal.
    virtual std::vector<std::string> HostAddresses() = 0;

    virtual void ShowSocketError(const char* text, const char* caption) = 0;
    virtual void ShowEventError(const std::string& text) = 0;
};

class Exchange {
public:
    explicit Exchange(ExchangeIo& io) : io_(io) {}

    enum class Sent {
        kListening,    // the request went out; the receive socket waits for replies
        kCannotListen, // the socket could not listen: its box shown, nothing sent, no wait
        kNotSent,      // no adapter took the request: the wait runs out unheard
    };
    // Readies the receive socket, starts the timer and sends. With `from`
    // empty (a search), once through every adapter, from its first address,
    // and a reply naming any of this computer's addresses is heard. Otherwise
    // `from` is this computer's address that the chosen array answered on:
    // the request leaves from there or not at all (the adapter is gone, or
    // holds another address now: another adapter could reach another array
    // that answers for the same address), and only replies naming it are heard.
    Sent SendRequest(std::string_view request, unsigned tickLimit, std::string_view from = {});

    // Handler of the socket notification of `socket`: reads every datagram that waits and
    // hands each reply addressed to this computer to `onReply`, in arrival
    // order, until `onReply` ends the exchange.
    // A notification of any other socket (a closed one's, still queued) is
    // no news of this exchange and is dropped, its error too.
    void OnPINGAsynch(std::uintptr_t socket, unsigned event, unsigned error,
                      const std::function<void(const Reply&)>& onReply);

    // Counts one timer tick; call it after the progress step of the tick.
    // True once, on the tick after the limit: the exchange has expired.
    bool OnTick();

    // From SendRequest until the expiry or End.
    bool Waiting() const { return waiting_; }
    void CloseReceiveSocket();
    void StopTimer() { io_.StopTimer(); }
    // The window's ending reply: timer stopped, socket closed, and no expiry
    // after it, not even in the tick whose message pump handled the reply.
    void End();

private:
    struct SocketError {
        const char* text;
        const char* caption;
    };
    // The step that failed, or null when the socket listens.
    using SocketFailure = const SocketError*;
    SocketFailure OpenReceiveSocket();

    ExchangeIo& io_;
    unsigned tickCount_ = 0;
    unsigned tickLimit_ = 0;
    bool receiveSocketOpen_ = false;
    bool waiting_ = false;
    std::vector<std::string> localAddresses_;
};
