#include "core/protocol/exchange.h"

#include <gtest/gtest.h>

#include <deque>
#include <tuple>

namespace {

using namespace std::string_literals;

constexpr std::uintptr_t kSocket = 7;

// Logs every call in order and plays back scripted results.
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
};

const std::string kArray = "nwk.ipaddr=10.77.0.2";

struct ExchangeTest : ::testing::Test {
    FakeIo io;
    Exchange exchange{io};

    // The answers handed over, as "word=payload/answer " each, and the event errors.
    std::string Notify(unsigned event, unsigned error, std::uintptr_t socket = kSocket) {
        std::string seen;
        exchange.OnPINGAsynch(socket, event, error,
                              {[&](const Reply& reply, Answer answer) {
                                   seen += reply.command + "=" + reply.payload + "/" +
                                           std::to_string(static_cast<int>(answer)) + " ";
                               },
                               [&](unsigned e, unsigned code) {
                                   seen += "event " + std::to_string(e) + " error " +
                                           std::to_string(code) + " ";
                               }});
        return seen;
    }
};

// Listen before sending: a program that cannot listen sends nothing, for another program that
// holds the port would take the answer (nothing waits); a request unheard closes its socket and
// expires all the same; a request that cannot be made touches no socket. Each request closes the
// socket left open before it and restarts the count. A search goes out once through each
// adapter, from its first address, and counts as sent when one took it.
TEST_F(ExchangeTest, ListensFirstSendsThroughEachAdapterAndExpiresOnce) {
    const Conversation search = Conversation::Search();
    const Conversation verify = Conversation::Verify(kArray, "10.77.0.1", "admin");
    const auto none = std::optional<ExchangeFailure>();
    using enum ExchangeFailure;
    const std::tuple<std::string, Conversation, std::optional<ExchangeFailure>, std::string>
        cases[] = {
            // The calls that fail, the conversation, what Start gives, the log.
            {"", search, none,
             "Create Bind Select StartTimer SendFrom(10.77.0.1) SendFrom(10.78.0.1) "},
            {"SendFrom(10.77.0.1) ", search, none,
             "Close Create Bind Select StartTimer SendFrom(10.77.0.1) SendFrom(10.78.0.1) "},
            {"SendFrom(10.77.0.1) SendFrom(10.78.0.1) ", search, kSend,
             "Close Create Bind Select StartTimer SendFrom(10.77.0.1) SendFrom(10.78.0.1) Close "},
            {"", Conversation::Save(kArray, "10.77.0.1", std::string(1000, 'x')), kSettingsTooLong,
             ""},
            {"", Conversation::Save("nwk.ipaddr=192.168.100.2001", "10.77.0.1", "a=1"),
             kAddressTooLong, ""},
            {"Create ", verify, kCreateSocket, "Create "},
            {"Bind ", verify, kBindSocket, "Create Bind Close "},
            {"Select ", verify, kSelectSocket, "Create Bind Select Close "},
        };
    for (const auto& [failing, conversation, failure, log] : cases) {
        io.failing = failing;
        io.log.clear();
        EXPECT_EQ(exchange.Start(conversation), failure) << log;
        // The ticks that expire it: the one after the limit, and none nested in the expiry's
        // box or still queued after it.
        const unsigned limit = conversation.Ticks();
        std::vector<unsigned> expired;
        for (unsigned tick = 1; tick <= limit + 3; ++tick)
            if (exchange.OnTick())
                expired.push_back(tick);
        const bool waits = !failure || failure == kSend;
        EXPECT_EQ(expired, waits ? std::vector{limit + 1} : std::vector<unsigned>{}) << log;
        EXPECT_EQ(io.log, log);
    }
}

// One notification reads all that waits, past one it cannot read, until the answer that ends
// the exchange; no read, expiry or second close follow. A reply that is no answer, or names
// another computer, is passed over. A search's answers never end it; an empty or cut settings
// string is none. Its error is told and a read event still reads; other events read nothing,
// and one of another socket (a closed one's, still queued) is dropped, error and all.
TEST_F(ExchangeTest, AnAnswerEndingTheExchangeStopsTheReadingAndTheExpiry) {
    exchange.Start(Conversation::Verify(kArray, "10.77.0.1", "admin"));
    EXPECT_FALSE(exchange.OnTick() || exchange.OnTick());
    io.incoming = {
        BuildRequest("10.77.0.1", "HELLO", "a"), "", BuildRequest("10.77.0.99", "VERIFYOK", "c"),
        BuildRequest("10.77.0.1", "VERIFYFAIL", "b"), BuildRequest("10.77.0.1", "VERIFYOK", "")};
    EXPECT_EQ(Notify(kReadEvent, 10054, kSocket + 1), "");
    EXPECT_EQ(Notify(32 /* FD_CLOSE */, 4294967295u), "event 32 error 4294967295 ");
    EXPECT_EQ(Notify(kReadEvent, 10054), "event 1 error 10054 VERIFYFAIL=b/3 ");
    EXPECT_EQ(Notify(kReadEvent, 0), "") << "nothing read after the ending answer";
    EXPECT_FALSE(exchange.OnTick());
    EXPECT_EQ(io.incoming.size(), 1u);

    exchange.Start(Conversation::Search());
    io.incoming = {
        BuildRequest("10.77.0.1", "GETOK", "a=1"), BuildRequest("10.77.0.1", "GETOK", ""),
        BuildRequest("10.77.0.1", "GETOK", "b=2\0c=3"s), BuildRequest("10.78.0.1", "GETOK", "d=4"),
        BuildRequest("10.77.0.1", "SETOK", "")};
    EXPECT_EQ(Notify(kReadEvent, 0), "GETOK=a=1/1 GETOK=d=4/1 ");
    EXPECT_TRUE(exchange.Waiting());
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
        exchange.Start(from.empty() ? Conversation::Search()
                                    : Conversation::Save(kArray, from, "a=1"));
        EXPECT_EQ(io.log, "Create Bind Select StartTimer " + sends) << from;
        for (const char* to : {"10.77.0.1", "10.77.0.11", "10.78.0.1", "10.78.0.9", "192.168.5.9"})
            io.incoming.push_back(BuildRequest(to, from.empty() ? "GETOK" : "SETOK", to));
        std::string seen;
        exchange.OnPINGAsynch(kSocket, kReadEvent, 0,
                              {[&](const Reply& reply, Answer) { seen += reply.payload + " "; },
                               [](unsigned, unsigned) {}});
        EXPECT_EQ(seen, from.empty() ? heard : heard.substr(0, heard.find(' ') + 1)) << from;
        exchange.CloseReceiveSocket();
    }
}

} // namespace
