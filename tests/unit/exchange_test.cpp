#include "messaging/exchange.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

// Records every call in order and plays back scripted results.
struct FakeIo : ExchangeIo {
    std::string failing;              // the one call that fails
    std::deque<std::string> incoming; // "": a datagram too long to read
    std::vector<std::string> calls, sent, boxes;
    int openSockets = 0;
    std::function<void()> whileBoxOpen = [] {}; // a box's loop dispatches timer ticks

    bool Call(const std::string& name) {
        calls.push_back(name);
        return name != failing;
    }
    void StartTimer() override { Call("StartTimer"); }
    void StopTimer() override { Call("StopTimer"); }
    bool CreateReceiveSocket() override { return Call("Create") && ++openSockets; }
    bool BindReceiveSocket() override { return Call("Bind"); }
    bool SelectReceiveSocket() override { return Call("Select"); }
    void CloseReceiveSocket() override { openSockets -= Call("Close"); }
    Received ReceiveDatagram(std::string& datagram) override {
        Call("Receive");
        if (incoming.empty())
            return Received::kNone;
        datagram = incoming.front();
        incoming.pop_front();
        return datagram.empty() ? Received::kDropped : Received::kDatagram;
    }
    bool Broadcast(std::string_view datagram) override {
        sent.emplace_back(datagram);
        return Call("Broadcast");
    }
    std::vector<std::string> LocalAddresses() override { return {"10.77.0.1", "192.168.5.9"}; }
    void ShowSocketError(const char* text, const char* caption) override {
        boxes.push_back(std::string(caption) + "|" + text);
        whileBoxOpen();
    }
    void ShowEventError(const std::string& text) override { boxes.push_back(text); }
};

const std::string kVerify = BuildRequest("10.77.0.2", "VERIFY", "passwd=admin");

struct ExchangeTest : ::testing::Test {
    FakeIo io;
    Exchange exchange{io};

    // Ticks `count` times; true when the last one, and only it, expired.
    bool ExpiresOnTick(unsigned count) {
        for (unsigned i = 1; i < count; ++i)
            if (exchange.OnTick())
                return false;
        return exchange.OnTick();
    }
    // One read notification: the replies handed over, as "word=payload " each;
    // the reply `ending` ends the exchange, as a window does.
    std::string Notify(const std::string& ending = "-") {
        std::string seen;
        exchange.OnPINGAsynch(FD_READ_EVENT, 0, [&](const Reply& reply) {
            seen += reply.command + "=" + reply.payload + " ";
            if (reply.command == ending)
                exchange.End();
        });
        return seen;
    }
};

TEST_F(ExchangeTest, ListensBeforeTheRequestGoesOutAndExpiresOnceAfterTheLimit) {
    EXPECT_TRUE(exchange.SendRequest(kVerify, VERIFY_TICK_LIMIT));
    EXPECT_EQ(io.calls,
              (std::vector<std::string>{"StartTimer", "Create", "Bind", "Select", "Broadcast"}));
    EXPECT_TRUE(ExpiresOnTick(VERIFY_TICK_LIMIT + 1));
    // Ticks nested in the expiry's box, or still queued, expire nothing more.
    EXPECT_FALSE(exchange.OnTick() || exchange.OnTick());
    exchange.SendRequest(std::string(SEARCH_PROBE), SEARCH_TICK_LIMIT);
    EXPECT_TRUE(ExpiresOnTick(SEARCH_TICK_LIMIT + 1));
}

// One notification reads all that waits, past one it cannot read, for every own
// address, until the reply that ends the exchange; no read and no expiry follow.
TEST_F(ExchangeTest, AReplyEndingTheExchangeStopsTheReadingAndTheExpiry) {
    exchange.SendRequest(kVerify, 2);
    EXPECT_FALSE(exchange.OnTick() || exchange.OnTick());
    io.incoming = {
        BuildRequest("10.77.0.1", "HELLO", "a"),   "",
        BuildRequest("10.77.0.99", "HELLO", "c"),  BuildRequest("192.168.5.9", "HELLO", "b"),
        BuildRequest("10.77.0.1", "VERIFYOK", ""), BuildRequest("10.77.0.1", "VERIFYFAIL", "")};
    EXPECT_EQ(Notify("VERIFYOK"), "HELLO=a HELLO=b VERIFYOK= ");
    EXPECT_EQ(io.incoming.size(), 1u) << "nothing read after the ending reply";
    EXPECT_EQ(Notify(), "") << "nor by a notification still queued";
    EXPECT_FALSE(exchange.OnTick());
    exchange.CloseReceiveSocket();
    EXPECT_EQ(io.openSockets, 0) << "closing twice closes once";
}

// A socket that cannot listen still lets the request go out, and its box comes
// only after the send, also when the user leaves it open past the limit; a
// socket once created stays open for the expiry to find.
TEST(Exchange, SocketFailuresShowTheirBoxAfterTheSend) {
    const struct {
        const char* failing;
        const char* box;
    } cases[] = {{"Create", "createsock error|Failed to createsock!"},
                 {"Bind", "bind error|Failed to bind CLIENT_PORT!\nError Code"},
                 {"Select", "select error|Fail to select"}};
    for (const auto& c : cases) {
        FakeIo io;
        Exchange exchange(io);
        io.failing = c.failing;
        std::size_t sentAtExpiry = 0;
        io.whileBoxOpen = [&] {
            EXPECT_TRUE(exchange.OnTick());
            sentAtExpiry = io.sent.size();
        };
        EXPECT_FALSE(exchange.SendRequest(kVerify, 0));
        EXPECT_EQ(io.boxes, std::vector<std::string>{c.box});
        EXPECT_EQ(io.calls.at(io.calls.size() - 2) + io.calls.back(),
                  std::string(c.failing) + "Broadcast");
        EXPECT_TRUE(sentAtExpiry == 1 && io.sent.size() == 1) << c.failing;
        EXPECT_EQ(exchange.ReceiveSocketOpen(), io.failing != "Create") << c.failing;
    }
}

// A failed send, or a request BuildRequest refused (empty), closes the receive
// socket again without a message; the exchange still ends by expiry. A second
// request does not leak the first one's socket.
TEST_F(ExchangeTest, NothingSentClosesTheReceiveSocketAgain) {
    exchange.SendRequest(kVerify, VERIFY_TICK_LIMIT);
    io.failing = "Broadcast";
    EXPECT_FALSE(exchange.SendRequest(kVerify, VERIFY_TICK_LIMIT));
    EXPECT_EQ(io.calls.back(), "Close");
    io.failing.clear();
    EXPECT_FALSE(exchange.SendRequest(
        BuildRequest("10.77.0.2", "SET", std::string(1000, 'x').c_str()), SAVE_TICK_LIMIT));
    EXPECT_TRUE(io.sent.size() == 2 && io.openSockets == 0 && io.boxes.empty());
    EXPECT_TRUE(ExpiresOnTick(SAVE_TICK_LIMIT + 1));
}

} // namespace
