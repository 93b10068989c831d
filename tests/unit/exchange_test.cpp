#include "core/protocol/exchange.h"

#include <gtest/gtest.h>

#include <deque>
#include <tuple>

namespace {

constexpr std::uintptr_t kSocket = 7;

// Logs every call and box in order and plays back scripted results.
struct FakeIo : ExchangeIo {
    std::string failing, log;         // failing: the calls that fail, each followed by a space
    std::deque<std::string> incoming; // "": a datagram too long to read

    bool Call(const std::string& name) {
        log += name + " ";
        return (" " + failing).find(" " + name + " ") == std::string::npos;
    }
    void StartTimer() override { Call("StartTimer"); }
    void StopTimer() override { Call("StopTimer"); }
    bool CreateReceiveSocket() override { return Call("Create"); }
    std::uintptr_t ReceiveSocketHandle() const override { return kSocket; }
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
    bool SendFrom(std::string_view, std::string_view from) override {
        return Call("SendFrom(" + std::string(from) + ")");
    }
    // Two adapters, the first with a second address; the host name names a third.
    std::vector<std::vector<std::string>> adapters = {{"10.77.0.1", "10.77.0.11"}, {"10.78.0.1"}};
    std::vector<std::vector<std::string>> Adapters() override { return adapters; }
    std::vector<std::string> HostAddresses() override { return {"192.168.5.9"}; }
    void ShowSocketError(const char* text, const char* caption) override {
        Call(std::string(caption) + "|" + text);
    }
    void ShowEventError(const std::string& text) override { Call(text); }
};

const std::string kVerify = BuildRequest("10.77.0.2", "VERIFY", "passwd=admin");

struct ExchangeTest : ::testing::Test {
    FakeIo io;
    Exchange exchange{io};
};

// Listen before sending: a copy that cannot listen sends nothing, for another program that
// holds the port would take the answer (the box, the socket closed, no wait); a request
// unheard, or refused by BuildRequest, closes its socket without a box and expires all the
// same. Each request closes the socket left open before it and restarts the count. Sent
// to every adapter, it goes out once through each, from its first address, and counts as
// sent when one took it.
TEST_F(ExchangeTest, ListensFirstClosesWhatSentNothingAndExpiresOnce) {
    using enum Exchange::Sent;
    const std::string tooLong = BuildRequest("10.77.0.2", "SET", std::string(1000, 'x'));
    const std::tuple<std::string, std::string, unsigned, Exchange::Sent, std::string> cases[] = {
        // The call that fails, the request, its tick limit, what SendRequest says, the log.
        {"", kVerify, VERIFY_TICK_LIMIT, kListening,
         "Create Bind Select StartTimer SendFrom(10.77.0.1) SendFrom(10.78.0.1) "},
        {"SendFrom(10.77.0.1) ", kVerify, VERIFY_TICK_LIMIT, kListening,
         "Close Create Bind Select StartTimer SendFrom(10.77.0.1) SendFrom(10.78.0.1) "},
        {"SendFrom(10.77.0.1) SendFrom(10.78.0.1) ", kVerify, VERIFY_TICK_LIMIT, kNotSent,
         "Close Create Bind Select StartTimer SendFrom(10.77.0.1) SendFrom(10.78.0.1) Close "},
        {"", tooLong, SAVE_TICK_LIMIT, kNotSent, "Create Bind Select StartTimer Close "},
        {"Create ", kVerify, 0, kCannotListen, "Create createsock error|Failed to createsock! "},
        {"Bind ", kVerify, 0, kCannotListen,
         "Create Bind Close bind error|Failed to bind CLIENT_PORT!\nError Code "},
        {"Select ", kVerify, 0, kCannotListen,
         "Create Bind Select Close select error|Fail to select "},
    };
    for (const auto& [failing, request, limit, sent, log] : cases) {
        io.failing = failing;
        io.log.clear();
        EXPECT_EQ(exchange.SendRequest(request, limit), sent) << log;
        // The ticks that expire it: the one after the limit, and none nested in the expiry's
        // box or still queued after it.
        std::vector<unsigned> expired;
        for (unsigned tick = 1; tick <= limit + 3; ++tick)
            if (exchange.OnTick())
                expired.push_back(tick);
        EXPECT_EQ(expired, sent == kCannotListen ? std::vector<unsigned>{} : std::vector{limit + 1})
            << log;
        EXPECT_EQ(io.log, log);
    }
}

// One notification reads all that waits, past one it cannot read, for every own address,
// until the reply that ends the exchange; no read, expiry or second close follow. Its error
// shows a box and a read event still reads; other events read nothing, and one of another
// socket (a closed one's, still queued) is dropped, box and all.
TEST_F(ExchangeTest, AReplyEndingTheExchangeStopsTheReadingAndTheExpiry) {
    exchange.SendRequest(kVerify, 2);
    EXPECT_FALSE(exchange.OnTick() || exchange.OnTick());
    io.incoming = {
        BuildRequest("10.77.0.1", "HELLO", "a"),   "",
        BuildRequest("10.77.0.99", "HELLO", "c"),  BuildRequest("192.168.5.9", "HELLO", "b"),
        BuildRequest("10.77.0.1", "VERIFYOK", ""), BuildRequest("10.77.0.1", "VERIFYFAIL", "")};
    // The replies handed over, as "word=payload " each; VERIFYOK ends it, as a window does.
    const auto notify = [&](unsigned event, unsigned error, std::uintptr_t socket = kSocket) {
        std::string seen;
        exchange.OnPINGAsynch(socket, event, error, [&](const Reply& reply) {
            seen += reply.command + "=" + reply.payload + " ";
            if (reply.command == "VERIFYOK")
                exchange.End();
        });
        return seen;
    };
    EXPECT_EQ(notify(FD_READ_EVENT, 10054, kSocket + 1), "");
    EXPECT_EQ(notify(32 /* FD_CLOSE */, 4294967295u), "");
    EXPECT_EQ(notify(FD_READ_EVENT, 10054), "HELLO=a HELLO=b VERIFYOK= ");
    EXPECT_EQ(notify(FD_READ_EVENT, 0), "")
        << "nothing read after the ending reply, nor by a queued notification";
    EXPECT_FALSE(exchange.OnTick());
    exchange.CloseReceiveSocket();
    EXPECT_EQ(io.log, "Create Bind Select StartTimer SendFrom(10.77.0.1) SendFrom(10.78.0.1) "
                      "WSAAsynch Event # 32, Error: 4294967295 WSAAsynch Event # 1, Error: 10054 "
                      "StopTimer Close ");
}

// The chosen array's request leaves from the address it answered on, or not at all: an
// address no adapter holds (any longer) sends nothing, for Wine binds to it all the same and
// the request would leave through another adapter. Only replies naming that address are its
// answers; a search hears every address of this computer. No adapter list: one unbound send.
TEST_F(ExchangeTest, ARequestLeavesFromTheArraysAddressAloneAndHearsOnlyIt) {
    const std::string all = "10.77.0.1 10.77.0.11 10.78.0.1 192.168.5.9 ";
    const std::tuple<std::string, bool, std::string, std::string> cases[] = {
        // from, adapters listed, what is sent, the addresses whose replies are heard
        {"", true, "SendFrom(10.77.0.1) SendFrom(10.78.0.1) ", all},
        {"10.78.0.1", true, "SendFrom(10.78.0.1) ", "10.78.0.1 "},
        {"10.77.0.11", true, "SendFrom(10.77.0.11) ", "10.77.0.11 "},
        {"10.78.0.9", true, "Close ", ""},
        {"", false, "SendFrom() ", "192.168.5.9 "},
        {"10.77.0.1", false, "Close ", ""},
    };
    for (const auto& [from, listed, sends, heard] : cases) {
        if (!listed)
            io.adapters.clear();
        io.log.clear();
        io.incoming.clear();
        exchange.SendRequest(kVerify, 2, from);
        EXPECT_EQ(io.log, "Create Bind Select StartTimer " + sends) << from;
        for (const char* to : {"10.77.0.1", "10.77.0.11", "10.78.0.1", "10.78.0.9", "192.168.5.9"})
            io.incoming.push_back(BuildRequest(to, "VERIFYOK", to));
        std::string seen;
        exchange.OnPINGAsynch(kSocket, FD_READ_EVENT, 0,
                              [&](const Reply& reply) { seen += reply.payload + " "; });
        EXPECT_EQ(seen, heard) << from;
        exchange.CloseReceiveSocket();
    }
}

} // namespace
