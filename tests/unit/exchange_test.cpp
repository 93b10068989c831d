#include "messaging/exchange.h"
#include <deque>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Records every call in order and plays back scripted results.
class FakeIo : public ExchangeIo {
public:
    bool createOk = true, bindOk = true, selectOk = true, sendOk = true;
    std::vector<std::string> addresses{"10.77.0.1", "192.168.5.9"};
    std::deque<std::optional<std::string>> incoming;
    std::vector<std::string> calls, sent, boxes;
    int openSockets = 0;
    // What happens while a box is open: its loop dispatches timer ticks.
    std::function<void()> whileBoxOpen;

    bool Call(const char* name, bool result = true) {
        calls.push_back(name);
        return result;
    }
    void StartTimer() override { Call("StartTimer"); }
    void StopTimer() override { Call("StopTimer"); }
    bool CreateReceiveSocket() override {
        openSockets += createOk;
        return Call("Create", createOk);
    }
    bool BindReceiveSocket() override { return Call("Bind", bindOk); }
    bool SelectReceiveSocket() override { return Call("Select", selectOk); }
    void CloseReceiveSocket() override {
        Call("Close");
        --openSockets;
    }
    // A null entry is a datagram that cannot be read (too long).
    Received ReceiveDatagram(std::string& datagram) override {
        Call("Receive");
        if (incoming.empty())
            return Received::kNone;
        const auto next = incoming.front();
        incoming.pop_front();
        if (!next)
            return Received::kDropped;
        datagram = *next;
        return Received::kDatagram;
    }
    bool Broadcast(std::string_view datagram) override {
        sent.emplace_back(datagram);
        return Call("Broadcast", sendOk);
    }
    std::vector<std::string> LocalAddresses() override { return addresses; }
    void ShowSocketError(const char* text, const char* caption) override {
        boxes.push_back(std::string(caption) + "|" + text);
        if (whileBoxOpen)
            whileBoxOpen();
    }
    void ShowEventError(const std::string& text) override { boxes.push_back(text); }
};

const std::string kVerify = BuildRequest("10.77.0.2", "VERIFY", "passwd=admin");

class ExchangeTest : public ::testing::Test {
protected:
    FakeIo io;
    Exchange exchange{io};

    // Ticks `count` times; true when the last one, and only it, expired.
    bool ExpiresOnTick(unsigned count) {
        for (unsigned i = 1; i < count; ++i)
            if (exchange.OnTick())
                return false;
        return exchange.OnTick();
    }
    // One socket notification: the replies it hands over, as "word=payload "
    // each; `onReply` may end the exchange, as a window does.
    std::string Notify(unsigned event = FD_READ_EVENT, unsigned error = 0,
                       const std::function<void(const Reply&)>& onReply = {}) {
        std::string seen;
        exchange.OnPINGAsynch(event, error, [&](const Reply& reply) {
            seen += reply.command + "=" + reply.payload + " ";
            if (onReply)
                onReply(reply);
        });
        return seen;
    }
};

TEST_F(ExchangeTest, ReceiveSocketIsReadyBeforeTheRequestGoesOut) {
    EXPECT_TRUE(exchange.SendRequest(kVerify, VERIFY_TICK_LIMIT));
    EXPECT_EQ(io.calls,
              (std::vector<std::string>{"StartTimer", "Create", "Bind", "Select", "Broadcast"}));
    EXPECT_EQ(io.sent, std::vector<std::string>{kVerify});
    EXPECT_TRUE(exchange.ReceiveSocketOpen());
    EXPECT_TRUE(io.boxes.empty());
}

// Expiry on the tick after the limit, once however many ticks follow (one
// nested in the expiry's message box, or still queued when the timer
// stopped); the next exchange counts from zero again.
TEST_F(ExchangeTest, ExpiresOnceOnTheTickAfterTheLimit) {
    exchange.SendRequest(std::string(SEARCH_PROBE), SEARCH_TICK_LIMIT);
    EXPECT_TRUE(ExpiresOnTick(SEARCH_TICK_LIMIT + 1));
    EXPECT_FALSE(exchange.OnTick());
    EXPECT_FALSE(exchange.OnTick());
    exchange.SendRequest(kVerify, VERIFY_TICK_LIMIT);
    EXPECT_TRUE(ExpiresOnTick(VERIFY_TICK_LIMIT + 1));
}

// The progress step of the last tick dispatches the reply, which ends the
// exchange as a window does; the count that follows must not expire it again.
// One notification reads all that waits, until the reply that ends it.
TEST_F(ExchangeTest, AReplyEndingTheExchangeStopsTheReadingAndTheExpiry) {
    exchange.SendRequest(kVerify, 2);
    EXPECT_FALSE(exchange.OnTick() || exchange.OnTick());
    io.incoming = {BuildRequest("10.77.0.1", "HELLO", ""), std::nullopt,
                   BuildRequest("10.77.0.1", "VERIFYOK", ""),
                   BuildRequest("10.77.0.1", "VERIFYFAIL", "")};
    EXPECT_EQ(Notify(FD_READ_EVENT, 0,
                     [&](const Reply& reply) {
                         if (reply.command == "VERIFYOK")
                             exchange.End();
                     }),
              "HELLO= VERIFYOK= ");
    EXPECT_EQ(io.incoming.size(), 1u) << "nothing read after the ending reply";
    EXPECT_FALSE(exchange.OnTick());
    EXPECT_FALSE(exchange.ReceiveSocketOpen());
    EXPECT_EQ(io.openSockets, 0);
}

TEST_F(ExchangeTest, RepliesAreOnlyThoseAddressedToAnyOwnAddress) {
    exchange.SendRequest(std::string(SEARCH_PROBE), SEARCH_TICK_LIMIT);
    io.incoming = {
        BuildRequest("10.77.0.1", "GETOK", "a"),
        BuildRequest("192.168.5.9", "GETOK", "b"),
        BuildRequest("10.77.0.99", "GETOK", "c"), // another computer
        BuildRequest("010.77.0.1", "GETOK", "d"), // same number, other text
        std::string("10.77.0.1"),                 // ours: the window decides what no word means
    };
    EXPECT_EQ(Notify(), "GETOK=a GETOK=b = ");

    io.addresses.clear();
    exchange.SendRequest(std::string(SEARCH_PROBE), SEARCH_TICK_LIMIT);
    io.incoming.push_back(BuildRequest("10.77.0.1", "GETOK", "x=1"));
    EXPECT_EQ(Notify(), "") << "no own address accepts nothing";
}

// Nothing is read for a non-read event or after the socket closed (a
// notification still queued); a failed read shows nothing and the next counts.
TEST_F(ExchangeTest, OnlyReadNotificationsOnAnOpenSocketRead) {
    exchange.SendRequest(kVerify, VERIFY_TICK_LIMIT);
    io.incoming = {std::nullopt, BuildRequest("10.77.0.1", "VERIFYOK", "")};
    io.calls.clear();
    EXPECT_EQ(Notify(32 /* FD_CLOSE */), "");
    EXPECT_TRUE(io.calls.empty());
    EXPECT_EQ(Notify(), "VERIFYOK= ");
    EXPECT_TRUE(io.boxes.empty());

    io.incoming.push_back(BuildRequest("10.77.0.1", "VERIFYOK", ""));
    exchange.CloseReceiveSocket();
    io.calls.clear();
    EXPECT_EQ(Notify(), "");
    EXPECT_TRUE(io.calls.empty());
}

TEST_F(ExchangeTest, ErrorWordIsShownAndTheReadStillHappens) {
    exchange.SendRequest(kVerify, VERIFY_TICK_LIMIT);
    io.incoming.push_back(BuildRequest("10.77.0.1", "VERIFYFAIL", ""));
    EXPECT_EQ(Notify(FD_READ_EVENT, 10054), "VERIFYFAIL= ");
    EXPECT_EQ(Notify(32, 4294967295u), "");
    EXPECT_EQ(io.boxes, (std::vector<std::string>{"WSAAsynch Event # 1, Error: 10054",
                                                  "WSAAsynch Event # 32, Error: 4294967295"}));
}

// A socket that cannot listen still lets the request go out, and its box comes
// only after the send; a socket once created stays open for the expiry to find.
TEST(Exchange, SocketFailuresShowTheirBoxAfterTheSend) {
    const struct {
        const char* failing;
        const char* box;
    } cases[] = {{"Create", "createsock error|Failed to createsock!"},
                 {"Bind", "bind error|Failed to bind CLIENT_PORT!\nError Code"},
                 {"Select", "select error|Fail to select"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box);
        FakeIo io;
        Exchange exchange(io);
        const std::string failing = c.failing;
        io.createOk = failing != "Create", io.bindOk = failing != "Bind";
        io.selectOk = failing != "Select";
        // The user leaves the box open past the limit: the exchange expires in
        // the box's loop, and nothing may be sent after that.
        std::size_t sentAtExpiry = 0;
        io.whileBoxOpen = [&] {
            for (unsigned i = 0; i < VERIFY_TICK_LIMIT; ++i)
                exchange.OnTick();
            EXPECT_TRUE(exchange.OnTick());
            sentAtExpiry = io.sent.size();
        };
        EXPECT_FALSE(exchange.SendRequest(kVerify, VERIFY_TICK_LIMIT));
        EXPECT_EQ(io.boxes, std::vector<std::string>{c.box});
        EXPECT_EQ(io.calls.back(), "Broadcast");
        EXPECT_EQ(io.calls.at(io.calls.size() - 2), failing);
        EXPECT_EQ(sentAtExpiry, 1u);
        EXPECT_EQ(io.sent.size(), 1u);
        EXPECT_EQ(exchange.ReceiveSocketOpen(), io.createOk);
    }
}

// A failed send, or a request BuildRequest refused (empty), closes the receive
// socket again without a message; the exchange still ends by expiry.
TEST_F(ExchangeTest, NothingSentClosesTheReceiveSocketAgain) {
    io.sendOk = false;
    EXPECT_FALSE(exchange.SendRequest(kVerify, VERIFY_TICK_LIMIT));
    EXPECT_EQ(io.calls.back(), "Close");
    EXPECT_FALSE(exchange.SendRequest(BuildRequest("10.77.0.2", "SET", std::string(1000, 'x')),
                                      SAVE_TICK_LIMIT));
    EXPECT_EQ(io.sent.size(), 1u);
    EXPECT_FALSE(exchange.ReceiveSocketOpen());
    EXPECT_EQ(io.openSockets, 0);
    EXPECT_TRUE(io.boxes.empty());
    EXPECT_TRUE(ExpiresOnTick(SAVE_TICK_LIMIT + 1));
}

TEST_F(ExchangeTest, ASecondRequestDoesNotLeakTheFirstSocket) {
    exchange.SendRequest(kVerify, VERIFY_TICK_LIMIT);
    exchange.SendRequest(kVerify, VERIFY_TICK_LIMIT);
    EXPECT_EQ(io.openSockets, 1);
    exchange.CloseReceiveSocket();
    exchange.CloseReceiveSocket();
    EXPECT_EQ(io.openSockets, 0) << "closing twice closes once";
}

} // namespace
