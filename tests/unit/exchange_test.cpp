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
    std::vector<std::string> calls;
    std::vector<std::string> sent;
    std::vector<std::string> boxes;
    int openSockets = 0;

    void StartTimer() override { calls.push_back("StartTimer"); }
    void StopTimer() override { calls.push_back("StopTimer"); }
    bool CreateReceiveSocket() override {
        calls.push_back("Create");
        openSockets += createOk;
        return createOk;
    }
    bool BindReceiveSocket() override {
        calls.push_back("Bind");
        return bindOk;
    }
    bool SelectReceiveSocket() override {
        calls.push_back("Select");
        return selectOk;
    }
    void CloseReceiveSocket() override {
        calls.push_back("Close");
        --openSockets;
    }
    // A null entry is a datagram that cannot be read (too long).
    Received ReceiveDatagram(std::string& datagram) override {
        calls.push_back("Receive");
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
        calls.push_back("Broadcast");
        sent.emplace_back(datagram);
        return sendOk;
    }
    std::vector<std::string> LocalAddresses() override { return addresses; }
    // What happens while a box is open: its loop dispatches timer ticks.
    std::function<void()> whileBoxOpen;
    void ShowSocketError(const char* text, const char* caption) override {
        boxes.push_back(std::string(caption) + "|" + text);
        if (whileBoxOpen)
            whileBoxOpen();
    }
    void ShowEventError(const std::string& text) override { boxes.push_back(text); }
};

std::string ReplyFor(std::string_view address, std::string_view word,
                     std::string_view payload = "") {
    return BuildRequest(address, word, payload);
}

const std::string kVerify = BuildRequest("10.77.0.2", "VERIFY", "passwd=admin");

class ExchangeTest : public ::testing::Test {
protected:
    FakeIo io;
    Exchange exchange{io};

    // What a window's timer handler does: the progress step (which may
    // dispatch a waiting notification) first, then the count.
    bool Tick(const std::function<void()>& duringStep = {}) {
        if (duringStep)
            duringStep();
        return exchange.OnTick();
    }

    // One socket notification; the replies it hands over, in order.
    std::vector<Reply> Notify(unsigned event = FD_READ_EVENT, unsigned error = 0,
                              const std::function<void(const Reply&)>& also = {}) {
        std::vector<Reply> replies;
        exchange.OnPINGAsynch(event, error, [&](const Reply& reply) {
            replies.push_back(reply);
            if (also)
                also(reply);
        });
        return replies;
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

TEST_F(ExchangeTest, ExpiresExactlyOnTheTickAfterTheLimit) {
    exchange.SendRequest(std::string(SEARCH_PROBE), SEARCH_TICK_LIMIT);
    for (unsigned i = 1; i <= SEARCH_TICK_LIMIT; ++i)
        ASSERT_FALSE(Tick()) << "tick " << i;
    EXPECT_TRUE(Tick());

    // A new exchange counts from zero again.
    exchange.CloseReceiveSocket();
    exchange.SendRequest(kVerify, VERIFY_TICK_LIMIT);
    for (unsigned i = 1; i <= VERIFY_TICK_LIMIT; ++i)
        ASSERT_FALSE(Tick()) << "tick " << i;
    EXPECT_TRUE(Tick());
}

TEST_F(ExchangeTest, ReplyEndingTheExchangeInsideTheLastStepLeavesNoExpiry) {
    exchange.SendRequest(kVerify, 2);
    EXPECT_FALSE(Tick());
    EXPECT_FALSE(Tick());
    io.incoming.push_back(ReplyFor("10.77.0.1", "VERIFYOK"));
    std::vector<Reply> replies;
    // The last tick: the reply arrives during the step and ends the exchange,
    // so the count that follows must not report it a second time.
    EXPECT_FALSE(Tick([&] { replies = Notify(FD_READ_EVENT, 0, [&](auto&) { exchange.End(); }); }));
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].command, "VERIFYOK");
    EXPECT_FALSE(exchange.ReceiveSocketOpen());
    EXPECT_EQ(io.openSockets, 0);
    EXPECT_FALSE(Tick());
}

TEST_F(ExchangeTest, ANotificationReadsAllThatWaitsUntilAReplyEndsTheExchange) {
    exchange.SendRequest(kVerify, VERIFY_TICK_LIMIT);
    io.incoming = {ReplyFor("10.77.0.1", "HELLO"), std::nullopt,
                   ReplyFor("10.77.0.9", "VERIFYOK"), ReplyFor("10.77.0.1", "VERIFYFAIL"),
                   ReplyFor("10.77.0.1", "VERIFYOK")};
    const auto replies = Notify(FD_READ_EVENT, 0, [&](const Reply& reply) {
        if (reply.command == "VERIFYFAIL")
            exchange.End();
    });
    ASSERT_EQ(replies.size(), 2u) << "past an unreadable one and one for another computer";
    EXPECT_EQ(replies[0].command, "HELLO");
    EXPECT_EQ(replies[1].command, "VERIFYFAIL");
    EXPECT_EQ(io.incoming.size(), 1u) << "nothing read after the ending reply";
    io.calls.clear();
    EXPECT_TRUE(Notify().empty());
    EXPECT_TRUE(io.calls.empty()) << "a later notification reads from no closed socket";
}

TEST_F(ExchangeTest, RepliesAreOnlyThoseAddressedToAnyOwnAddress) {
    exchange.SendRequest(std::string(SEARCH_PROBE), SEARCH_TICK_LIMIT);
    io.incoming = {
        ReplyFor("10.77.0.1", "GETOK", "sys.hostname=a"),
        ReplyFor("192.168.5.9", "GETOK", "sys.hostname=b"), // second own address
        ReplyFor("10.77.0.99", "GETOK", "sys.hostname=c"),  // another computer
        ReplyFor("010.77.0.1", "GETOK", "sys.hostname=d"),  // same number, other text
        std::string("10.77.0.1"),                           // no command word
    };
    const auto replies = Notify();
    ASSERT_EQ(replies.size(), 3u);
    EXPECT_EQ(replies[0].payload, "sys.hostname=a");
    EXPECT_EQ(replies[1].payload, "sys.hostname=b");
    // Addressed to us: the window decides what a blank word means.
    EXPECT_EQ(replies[2].command, "");
}

TEST_F(ExchangeTest, NoOwnAddressAcceptsNothing) {
    io.addresses.clear();
    exchange.SendRequest(std::string(SEARCH_PROBE), SEARCH_TICK_LIMIT);
    io.incoming.push_back(ReplyFor("10.77.0.1", "GETOK", "x=1"));
    EXPECT_TRUE(Notify().empty());
}

TEST_F(ExchangeTest, NotificationsOtherThanReadAndFailedReadsAreIgnored) {
    exchange.SendRequest(kVerify, VERIFY_TICK_LIMIT);
    io.incoming.push_back(ReplyFor("10.77.0.1", "VERIFYOK"));
    io.calls.clear();
    EXPECT_TRUE(Notify(32 /* FD_CLOSE */).empty());
    EXPECT_TRUE(io.calls.empty()) << "nothing read for a non-read event";
    EXPECT_EQ(io.incoming.size(), 1u);

    io.incoming.push_front(std::nullopt); // recvfrom failed, e.g. datagram too long
    EXPECT_EQ(Notify().size(), 1u) << "the next datagram still counts";
    EXPECT_TRUE(io.boxes.empty()) << "a failed read shows nothing";
}

TEST_F(ExchangeTest, ErrorWordIsShownAndTheReadStillHappens) {
    exchange.SendRequest(kVerify, VERIFY_TICK_LIMIT);
    io.incoming.push_back(ReplyFor("10.77.0.1", "VERIFYFAIL"));
    const auto replies = Notify(FD_READ_EVENT, 10054);
    EXPECT_EQ(io.boxes, std::vector<std::string>{"WSAAsynch Event # 1, Error: 10054"});
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].command, "VERIFYFAIL");

    EXPECT_TRUE(Notify(32, 4294967295u).empty());
    EXPECT_EQ(io.boxes.back(), "WSAAsynch Event # 32, Error: 4294967295");
}

TEST_F(ExchangeTest, LateNotificationAfterTheSocketClosedReadsNothing) {
    exchange.SendRequest(kVerify, VERIFY_TICK_LIMIT);
    exchange.CloseReceiveSocket();
    io.incoming.push_back(ReplyFor("10.77.0.1", "VERIFYOK"));
    io.calls.clear();
    EXPECT_TRUE(Notify().empty());
    EXPECT_TRUE(io.calls.empty());
}

TEST_F(ExchangeTest, CreateFailureLeavesNoSocketButStillSends) {
    io.createOk = false;
    EXPECT_FALSE(exchange.SendRequest(kVerify, VERIFY_TICK_LIMIT));
    EXPECT_EQ(io.boxes, std::vector<std::string>{"createsock error|Failed to createsock!"});
    EXPECT_EQ(io.calls, (std::vector<std::string>{"StartTimer", "Create", "Broadcast"}));
    EXPECT_FALSE(exchange.ReceiveSocketOpen());
}

TEST_F(ExchangeTest, BindOrSelectFailureKeepsTheSocketOpenAndStillSends) {
    io.bindOk = false;
    EXPECT_FALSE(exchange.SendRequest(kVerify, VERIFY_TICK_LIMIT));
    EXPECT_EQ(io.boxes,
              std::vector<std::string>{"bind error|Failed to bind CLIENT_PORT!\nError Code"});
    EXPECT_EQ(io.calls, (std::vector<std::string>{"StartTimer", "Create", "Bind", "Broadcast"}));
    EXPECT_TRUE(exchange.ReceiveSocketOpen()); // expiry then reports the missing array
    exchange.CloseReceiveSocket();

    io = FakeIo{};
    io.selectOk = false;
    EXPECT_FALSE(exchange.SendRequest(kVerify, VERIFY_TICK_LIMIT));
    EXPECT_EQ(io.boxes, std::vector<std::string>{"select error|Fail to select"});
    EXPECT_EQ(io.sent.size(), 1u);
    EXPECT_TRUE(exchange.ReceiveSocketOpen());
    for (unsigned i = 0; i < VERIFY_TICK_LIMIT; ++i)
        Tick();
    EXPECT_TRUE(Tick());
    EXPECT_TRUE(exchange.ReceiveSocketOpen());
}

TEST_F(ExchangeTest, SocketErrorBoxComesOnlyAfterTheRequestWentOut) {
    io.bindOk = false;
    std::size_t sentWhenExpired = 0;
    // The user leaves the box open past the limit: the exchange expires in
    // the box's loop, and nothing may be sent after that.
    io.whileBoxOpen = [&] {
        for (unsigned i = 0; i < VERIFY_TICK_LIMIT; ++i)
            ASSERT_FALSE(Tick());
        ASSERT_TRUE(Tick());
        sentWhenExpired = io.sent.size();
    };
    EXPECT_FALSE(exchange.SendRequest(kVerify, VERIFY_TICK_LIMIT));
    EXPECT_EQ(sentWhenExpired, 1u);
    EXPECT_EQ(io.sent.size(), 1u);
}

TEST_F(ExchangeTest, ExpiresOnceHoweverManyTicksFollow) {
    exchange.SendRequest(std::string(SEARCH_PROBE), SEARCH_TICK_LIMIT);
    for (unsigned i = 0; i < SEARCH_TICK_LIMIT; ++i)
        Tick();
    EXPECT_TRUE(Tick());
    // A tick nested in the expiry's message box, or one still queued when
    // the timer stopped, must not run the expiry again.
    EXPECT_FALSE(Tick());
    EXPECT_FALSE(Tick());

    exchange.SendRequest(std::string(SEARCH_PROBE), SEARCH_TICK_LIMIT);
    for (unsigned i = 0; i < SEARCH_TICK_LIMIT; ++i)
        ASSERT_FALSE(Tick());
    EXPECT_TRUE(Tick()) << "the next exchange expires again";
}

TEST_F(ExchangeTest, SendFailureClosesTheReceiveSocketAgain) {
    io.sendOk = false;
    EXPECT_FALSE(exchange.SendRequest(kVerify, VERIFY_TICK_LIMIT));
    EXPECT_FALSE(exchange.ReceiveSocketOpen());
    EXPECT_EQ(io.openSockets, 0);
    EXPECT_TRUE(io.boxes.empty()) << "a failed send shows no message";
    EXPECT_EQ(io.calls.back(), "Close");
    EXPECT_EQ(io.calls.front(), "StartTimer") << "the exchange still ends by expiry";
}

TEST_F(ExchangeTest, RefusedRequestIsNotSentAndEndsLikeAFailedSend) {
    const std::string tooLong = BuildRequest("10.77.0.2", "SET", std::string(1000, 'x'));
    EXPECT_FALSE(exchange.SendRequest(tooLong, SAVE_TICK_LIMIT));
    EXPECT_TRUE(io.sent.empty());
    EXPECT_FALSE(exchange.ReceiveSocketOpen());
}

TEST_F(ExchangeTest, ASecondRequestDoesNotLeakTheFirstSocket) {
    exchange.SendRequest(kVerify, VERIFY_TICK_LIMIT);
    exchange.SendRequest(kVerify, VERIFY_TICK_LIMIT);
    EXPECT_EQ(io.openSockets, 1);
    EXPECT_TRUE(io.boxes.empty());
    exchange.CloseReceiveSocket();
    exchange.CloseReceiveSocket();
    EXPECT_EQ(io.openSockets, 0) << "closing twice closes once";
}

} // namespace
