#include "net/blocking_exchange.h"

#include "platform/adapters.h"
#include "platform/udp.h"

namespace {

// The exchange's sockets, read when poll or select says so: no timer, the
// wait is measured by the clock.
class BlockingIo : public ExchangeIo {
public:
    ~BlockingIo() override { CloseReceiveSocket(); }

    void StartTimer() override {}
    void StopTimer() override {}
    bool CreateReceiveSocket() override {
        m_socket = OpenReceiveSocket();
        return m_socket != kNoSocket;
    }
    std::uintptr_t ReceiveSocketHandle() const override { return m_socket; }
    bool BindReceiveSocket() override { return BindToPort(m_socket, CLIENT_PORT); }
    bool SelectReceiveSocket() override { return MakeNonBlocking(m_socket); }
    void CloseReceiveSocket() override {
        if (m_socket != kNoSocket)
            CloseSocket(m_socket);
        m_socket = kNoSocket;
    }
    Received ReceiveDatagram(std::string& datagram) override {
        return ::ReceiveDatagram(m_socket, datagram);
    }
    bool SendFrom(std::string_view datagram, std::string_view from) override {
        return SendBroadcast(datagram, from, SERVER_PORT);
    }
    std::vector<std::vector<std::string>> Adapters() override { return AdapterAddresses(); }
    std::vector<std::string> HostAddresses() override { return ::HostAddresses(); }

private:
    UdpSocket m_socket = kNoSocket;
};

} // namespace

ConversationEnd Converse(const Conversation& conversation,
                         const std::function<void(const Reply&, Answer)>& onAnswer,
                         std::optional<std::chrono::milliseconds> wait) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline =
        Clock::now() + wait.value_or(std::chrono::milliseconds(WaitMs(conversation.Ticks())));
    BlockingIo io;
    Exchange exchange(io);
    ConversationEnd end;
    // Nothing that went nowhere can be answered: no use waiting.
    if ((end.failure = exchange.Start(conversation))) {
        exchange.End();
        return end;
    }
    const Exchange::Listener listener = {[&](const Reply& reply, Answer answer) {
                                             if (Conversation::Ends(answer))
                                                 end.answer = answer;
                                             if (onAnswer)
                                                 onAnswer(reply, answer);
                                         },
                                         [](unsigned, unsigned) {}};
    while (exchange.Waiting()) {
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            break;
        if (WaitReadable(io.ReceiveSocketHandle(), static_cast<int>(left)))
            exchange.OnPINGAsynch(io.ReceiveSocketHandle(), kReadEvent, 0, listener);
    }
    exchange.End();
    if (end.answer == Answer::kNone && conversation.EndsOnAnswer())
        end.failure = ExchangeFailure::kNoAnswer;
    return end;
}
