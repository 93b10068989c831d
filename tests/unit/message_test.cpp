#include "messaging/message.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

const std::vector<std::string> kLocal = {"192.168.1.20"};

// A reply as an array sends it: padded fields, then the payload.
std::string ArrayReply(const std::string& address, const std::string& word,
                       const std::string& payload = "") {
    std::string text = address + std::string(15 - address.size(), ' ') + word +
                       std::string(10 - word.size(), ' ') + payload;
    return text;
}

TEST(BuildRequest, PadsFieldsOrRefusesWhatWouldBeCut) {
    const std::string full(kMaxPayloadLength, 's');
    const struct {
        std::string address, command, payload, request;
    } cases[] = {
        {"192.168.1.20", "SET", "nwk.bootproto=dhcp",
         "192.168.1.20   SET       nwk.bootproto=dhcp"},
        {"255.255.255.255", "VERIFYFAIL", "", "255.255.255.255VERIFYFAIL"},
        {"", "VERIFY", "passwd=x", std::string(15, ' ') + "VERIFY    passwd=x"},
        {"", "", "", std::string(25, ' ')},
        // The command is only cut: it never names an array.
        {"1.2.3.4", "ABCDEFGHIJKLM", "p=1", "1.2.3.4        ABCDEFGHIJp=1"},
        // A cut address could be another array's: nothing is sent.
        {"192.168.100.2001", "SET", "p=1", ""},
        {"1234567890123456789", "SET", "", ""},
        {"10.0.0.5", "SET", full, "10.0.0.5       SET       " + full},
        {"10.0.0.5", "SET", full + "s", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BuildRequest(c.address, c.command, c.payload), c.request) << c.address;
}

TEST(BuildRequest, CarriesThePayloadByteForByte) {
    std::string payload = "sys.hostname=\xb2\xe2\xca\xd4&opt=a=b\t\x7f\xff";
    EXPECT_EQ(BuildRequest("10.0.0.5", "SET", payload).substr(kHeaderLength), payload);
}

TEST(ParseReply, AcceptsAReplyForThisComputer) {
    Reply reply = ParseReply(ArrayReply("192.168.1.20", "GETOK", "sys.hostname=nas"), kLocal);
    EXPECT_TRUE(reply.accepted);
    EXPECT_EQ(reply.command, "GETOK");
    EXPECT_EQ(reply.payload, "sys.hostname=nas");
}

TEST(ParseReply, AcceptsAnyOfSeveralLocalAddresses) {
    std::vector<std::string> local = {"10.1.0.1", "192.168.1.20", "172.16.0.9"};
    EXPECT_TRUE(ParseReply(ArrayReply("10.1.0.1", "SETOK"), local).accepted);
    EXPECT_TRUE(ParseReply(ArrayReply("192.168.1.20", "SETOK"), local).accepted);
    EXPECT_TRUE(ParseReply(ArrayReply("172.16.0.9", "SETOK"), local).accepted);
    EXPECT_FALSE(ParseReply(ArrayReply("172.16.0.10", "SETOK"), local).accepted);
}

TEST(ParseReply, RefusesRepliesForOtherComputers) {
    EXPECT_FALSE(ParseReply(ArrayReply("192.168.1.21", "SETOK"), kLocal).accepted);
    EXPECT_FALSE(ParseReply(ArrayReply("192.168.1.2", "SETOK"), kLocal).accepted);
    // The comparison is textual: leading zeros name no local address.
    EXPECT_FALSE(ParseReply(ArrayReply("192.168.001.020", "SETOK"), kLocal).accepted);
    EXPECT_FALSE(ParseReply(ArrayReply("192.168.1.20", "SETOK"), {}).accepted);
    EXPECT_FALSE(ParseReply(ArrayReply("", "SETOK"), kLocal).accepted);
    EXPECT_FALSE(ParseReply(ArrayReply("", "SETOK"), {""}).accepted);
    EXPECT_FALSE(ParseReply("", kLocal).accepted);
    EXPECT_FALSE(ParseReply("192.168.1", {"192.168.1.20"}).accepted);
}

TEST(ParseReply, SkipsLeadingSpacesInAddressAndCommand) {
    Reply reply = ParseReply("   192.168.1.20   SETOK", kLocal);
    EXPECT_TRUE(reply.accepted);
    EXPECT_EQ(reply.command, "SETOK");
    EXPECT_EQ(reply.payload, "");
}

TEST(ParseReply, TakesTheCommandWordWhole) {
    EXPECT_EQ(ParseReply(ArrayReply("192.168.1.20", "SETOKAY"), kLocal).command, "SETOKAY");
    EXPECT_EQ(ParseReply(ArrayReply("192.168.1.20", "SETOK x"), kLocal).command, "SETOK");
    // Only the ten bytes of the field belong to the command.
    EXPECT_EQ(ParseReply("192.168.1.20   VERIFYFAILextra", kLocal).command, "VERIFYFAIL");
    EXPECT_EQ(ParseReply("192.168.1.20   VERIFYFAILextra", kLocal).payload, "extra");
    EXPECT_EQ(ParseReply(ArrayReply("192.168.1.20", ""), kLocal).command, "");
}

TEST(ParseReply, ShortDatagramHasNoCommandWord) {
    Reply reply = ParseReply("192.168.1.20   ", kLocal);
    EXPECT_TRUE(reply.accepted);
    EXPECT_EQ(reply.command, "");
    EXPECT_EQ(reply.payload, "");
    EXPECT_TRUE(ParseReply("192.168.1.20", kLocal).accepted);
    EXPECT_EQ(ParseReply("192.168.1.20   S", kLocal).command, "S");
}

TEST(ParseReply, TextEndsAtTheFirstNul) {
    Reply reply = ParseReply(ArrayReply("192.168.1.20", "GETOK", "a=1\0b=2"s), kLocal);
    EXPECT_EQ(reply.payload, "a=1");
    EXPECT_FALSE(ParseReply("\0"s + ArrayReply("192.168.1.20", "GETOK"), kLocal).accepted);
    EXPECT_EQ(ParseReply("192.168.1.20   SET\0OK     "s, kLocal).command, "SET");
}

TEST(ParseReply, AddressFieldIsOnlyFifteenBytes) {
    // Sixteen address characters: the sixteenth already belongs to the command field.
    Reply reply = ParseReply("192.168.100.2001GETOK", {"192.168.100.200"});
    EXPECT_TRUE(reply.accepted);
    EXPECT_EQ(reply.command, "1GETOK");
}

TEST(Message, RequestsRoundTripThroughTheReplyParser) {
    for (std::string address : {"1.2.3.4", "255.255.255.255", "10.0.0.5"}) {
        for (std::string command : {"SET", "VERIFYFAIL", "G"}) {
            for (std::string payload : {""s, "a=1&b="s, std::string(999, 'x')}) {
                Reply reply = ParseReply(BuildRequest(address, command, payload), {address});
                EXPECT_TRUE(reply.accepted);
                EXPECT_EQ(reply.command, command);
                EXPECT_EQ(reply.payload, payload);
            }
        }
    }
}

TEST(Message, SearchProbeIsTheUnpaddedBroadcastWord) {
    EXPECT_EQ(SEARCH_PROBE.size(), 24u);
    Reply probe = ParseReply(SEARCH_PROBE, {"255.255.255.255"});
    EXPECT_TRUE(probe.accepted);
    EXPECT_EQ(probe.command, "slimVault");
}

} // namespace
