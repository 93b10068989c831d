#pragma once
// One conversation with the arrays: its request broadcast, and the replies
// addressed to this computer read and given their meaning until the
// conversation's answer ends it or the tick count runs out. Sockets and the
// timer come through ExchangeIo, so the rules here run the same on a window's
// Winsock notifications, on a blocking wait, and against a test double.
#include "core/protocol/conversation.h"
#include "core/protocol/failure.h"
#include "core/protocol/message.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr unsigned kReadEvent = 1; // FD_READ of a socket notification

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
};

class Exchange {
public:
    explicit Exchange(ExchangeIo& io) : m_io(io) {}

    // Listens, starts the timer and sends the conversation's request. A
    // search goes once through every adapter, from its first address, and
    // hears replies naming any address of this computer. A request to a chosen
    // array leaves from the address its search reply named or not at all (the
    // adapter is gone, or holds another address now: another adapter could
    // reach another array answering for the same address), and hears only
    // replies naming that address.
    // Nothing, when the request is out and its replies are heard. A request
    // refused, or a socket that cannot listen: nothing was sent and nothing
    // waits. kSend: nothing went out, and the wait runs out unheard, unless
    // the caller ends it.
    std::optional<ExchangeFailure> Start(const Conversation& conversation);

    // What the reading tells the program.
    struct Listener {
        // Each answer of the conversation, in arrival order. An ending answer
        // has ended the exchange already: no expiry follows it.
        std::function<void(const Reply& reply, Answer answer)> onAnswer;
        // A notification carried an error code; the reading goes on.
        std::function<void(unsigned event, unsigned error)> onEventError;
    };
    // The handler of the notification of `socket`: reads every datagram that
    // waits. A notification of any other socket (a closed one's, still
    // queued) is no news of this exchange and is dropped, its error too.
    void OnPINGAsynch(std::uintptr_t socket, unsigned event, unsigned error,
                      const Listener& listener);

    // Counts one timer tick; call it after the progress step of the tick.
    // True once, on the tick after the limit: the exchange has expired.
    bool OnTick();

    // From Start until the expiry or End.
    bool Waiting() const { return m_waiting; }
    void CloseReceiveSocket();
    void StopTimer() { m_io.StopTimer(); }
    // Timer stopped, socket closed, and no expiry after it, not even in the
    // tick whose message pump handled the reply.
    void End();

private:
    std::optional<ExchangeFailure> OpenReceiveSocket();

    ExchangeIo& m_io;
    std::optional<Conversation> m_conversation;
    // Counts the exchanges: a listener's nested loop may end this one and start another.
    unsigned m_serial = 0;
    unsigned m_tickCount = 0;
    bool m_receiveSocketOpen = false;
    bool m_waiting = false;
    std::vector<std::string> m_localAddresses;
};
