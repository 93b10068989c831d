#include "messaging/exchange.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

// Logs every call and box in order and plays back scripted results.
struct FakeIo : ExchangeIo {
    std::string failing, log;                   // failing: the one call that fails
    std::deque<std::string> incoming;           // "": a datagram too long to read
    std::function<void()> whileBoxOpen = [] {}; // a box's loop dispatches timer ticks

    bool Call(const std::string& name) {
        log += name + " ";
        return name != failing;
    }
    void StartTimer() override { Call("StartTimer"); }
    void StopTimer() override { Call("StopTimer"); }
    bool CreateReceiveSocket() override { return Call("Create"); }
    bool BindReceiveSocket() override { return Call("Bind"); }
    bool SelectReceiveSocket() override { return Call("Select"); }
    void CloseReceiveSocket() override { Call("Close"); }
    Received ReceiveDatagram(std::string& datagram) override {
        if (incoming.empty())
            return Received::kNone;
        datagram = incoming.front();
        incoming.pop_front();
        return datagram.empty() ? Received::kDropped : Received::kDatagram;
    }
    bool Broadcast(std::string_view, std::string_view) override { return Call("Broadcast"); }
    std::vector<std::string> LocalAddresses() override { return {"10.77.0.1", "192.168.5.9"}; }
    void ShowSocketError(const char* text, const char* caption) override {
        Call(std::string(caption) + "|" + text);
        whileBoxOpen();
    }
    void ShowEventError(const std::string& text) override { Call(text); }
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
};

// Listen before sending; a request that went out unheard, or that BuildRequest refused
// (empty), closes its socket again without a box; each request restarts the count.
TEST_F(ExchangeTest, ListensFirstClosesWhatSentNothingAndExpiresOnce) {
    EXPECT_TRUE(exchange.SendRequest(kVerify, VERIFY_TICK_LIMIT));
    EXPECT_TRUE(ExpiresOnTick(VERIFY_TICK_LIMIT + 1));
    // Ticks nested in the expiry's box, or still queued, expire nothing more.
    EXPECT_FALSE(exchange.OnTick() || exchange.OnTick());
    io.failing = "Broadcast";
    EXPECT_FALSE(exchange.SendRequest(kVerify, VERIFY_TICK_LIMIT));
    io.failing.clear();
    EXPECT_FALSE(exchange.SendRequest(BuildRequest("10.77.0.2", "SET", std::string(1000, 'x')),
                                      SAVE_TICK_LIMIT));
    EXPECT_TRUE(ExpiresOnTick(SAVE_TICK_LIMIT + 1));
    EXPECT_EQ(io.log, "StartTimer Create Bind Select Broadcast "
                      "StartTimer Close Create Bind Select Broadcast Close "
                      "StartTimer Create Bind Select Close ");
}

// One notification reads all that waits, past one it cannot read, for every own
// address, until the reply that ends the exchange; no read, no expiry and no second
// close follow.
TEST_F(ExchangeTest, AReplyEndingTheExchangeStopsTheReadingAndTheExpiry) {
    exchange.SendRequest(kVerify, 2);
    EXPECT_FALSE(exchange.OnTick() || exchange.OnTick());
    io.incoming = {
        BuildRequest("10.77.0.1", "HELLO", "a"),   "",
        BuildRequest("10.77.0.99", "HELLO", "c"),  BuildRequest("192.168.5.9", "HELLO", "b"),
        BuildRequest("10.77.0.1", "VERIFYOK", ""), BuildRequest("10.77.0.1", "VERIFYFAIL", "")};
    // The replies handed over, as "word=payload " each; VERIFYOK ends it, as a window does.
    const auto notify = [&] {
        std::string seen;
        exchange.OnPINGAsynch(FD_READ_EVENT, 0, [&](const Reply& reply) {
            seen += reply.command + "=" + reply.payload + " ";
            if (reply.command == "VERIFYOK")
                exchange.End();
        });
        return seen;
    };
    EXPECT_EQ(notify(), "HELLO=a HELLO=b VERIFYOK= ");
    EXPECT_EQ(notify(), "") << "nothing read after the ending reply, nor by a queued notification";
    EXPECT_FALSE(exchange.OnTick());
    exchange.CloseReceiveSocket();
    EXPECT_EQ(io.log, "StartTimer Create Bind Select Broadcast StopTimer Close ");
}

// A notification's error shows its box whatever the event, and a read event still
// reads; any other event reads nothing.
TEST_F(ExchangeTest, NotificationErrorsShowTheirBoxAndOnlyReadEventsRead) {
    exchange.SendRequest(kVerify, VERIFY_TICK_LIMIT);
    io.incoming = {BuildRequest("10.77.0.1", "VERIFYFAIL", "")};
    std::string seen;
    const auto notify = [&](unsigned event, unsigned error) {
        exchange.OnPINGAsynch(event, error, [&](const Reply& reply) { seen += reply.command; });
        return seen;
    };
    EXPECT_EQ(notify(32 /* FD_CLOSE */, 4294967295u), "");
    EXPECT_EQ(notify(FD_READ_EVENT, 10054), "VERIFYFAIL");
    EXPECT_EQ(io.log, "StartTimer Create Bind Select Broadcast "
                      "WSAAsynch Event # 32, Error: 4294967295 WSAAsynch Event # 1, Error: 10054 ");
}

// A socket that cannot listen still lets the request go out, and its box comes
// only after the send, also when the user leaves it open past the limit; a
// socket once created stays open for the expiry to find.
TEST(Exchange, SocketFailuresShowTheirBoxAfterTheSend) {
    const std::pair<std::string, std::string> cases[] = {
        {"Create", "Create Broadcast createsock error|Failed to createsock! "},
        {"Bind", "Create Bind Broadcast bind error|Failed to bind CLIENT_PORT!\nError Code "},
        {"Select", "Create Bind Select Broadcast select error|Fail to select "},
    };
    for (const auto& [failing, log] : cases) {
        FakeIo io;
        Exchange exchange(io);
        io.failing = failing;
        io.whileBoxOpen = [&] { EXPECT_TRUE(exchange.OnTick()) << io.failing; };
        EXPECT_FALSE(exchange.SendRequest(kVerify, 0));
        EXPECT_EQ(io.log, "StartTimer " + log);
        EXPECT_EQ(exchange.ReceiveSocketOpen(), failing != "Create") << failing;
    }
}

} // namespace
