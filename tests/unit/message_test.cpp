#include "messaging/message.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

// A datagram as an array sends it: padded fields, then the payload.
std::string Datagram(const std::string& address, const std::string& word,
                     const std::string& payload = "") {
    return address + std::string(15 - address.size(), ' ') + word +
           std::string(10 - word.size(), ' ') + payload;
}

TEST(BuildRequest, Cases) {
    const std::string high = "sys.hostname=\xb2\xe2\xca\xd4&opt=a=b\t\x7f\xff";
    const std::string full(kMaxPayloadLength, 's');
    const struct {
        std::string address, command, payload, request;
    } cases[] = {
        {"192.168.1.20", "SET", "nwk.bootproto=dhcp",
         "192.168.1.20   SET       nwk.bootproto=dhcp"},
        {"255.255.255.255", "VERIFYFAIL", "", "255.255.255.255VERIFYFAIL"},
        {"", "VERIFY", "passwd=x", std::string(15, ' ') + "VERIFY    passwd=x"},
        // The command is only cut: it never names an array.
        {"1.2.3.4", "ABCDEFGHIJKLM", "p=1", "1.2.3.4        ABCDEFGHIJp=1"},
        // A cut address could be another array's: nothing is sent.
        {"192.168.100.2001", "SET", "p=1", ""},
        {"10.0.0.5", "SET", high, Datagram("10.0.0.5", "SET", high)},
        // A whole settings string fits the buffer; a longer payload is refused.
        {"10.0.0.5", "SET", full, Datagram("10.0.0.5", "SET", full)},
        {"10.0.0.5", "SET", full + "s", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BuildRequest(c.address, c.command, c.payload), c.request) << c.request.size();
}

TEST(ParseReply, Cases) {
    const std::vector<std::string> local = {"192.168.1.20"};
    const std::vector<std::string> three = {"10.1.0.1", "192.168.1.20", "172.16.0.9"};
    const struct {
        std::string datagram;
        std::vector<std::string> local;
        std::string reply; // command|payload, or "-" when refused
    } cases[] = {
        {Datagram("192.168.1.20", "GETOK", "sys.hostname=nas"), local, "GETOK|sys.hostname=nas"},
        // Any of this computer's addresses, compared as text.
        {Datagram("10.1.0.1", "SETOK"), three, "SETOK|"},
        {Datagram("172.16.0.10", "SETOK"), three, "-"},
        {Datagram("192.168.1.21", "SETOK"), local, "-"},
        {Datagram("192.168.1.2", "SETOK"), local, "-"},
        {Datagram("192.168.001.020", "SETOK"), local, "-"},
        {Datagram("192.168.1.20", "SETOK"), {}, "-"},
        {Datagram("", "SETOK"), local, "-"},
        {"", local, "-"},
        // Leading spaces are skipped; the command is the ten-byte field's first word.
        {"   192.168.1.20   SETOK", local, "SETOK|"},
        {Datagram("192.168.1.20", "SETOK x"), local, "SETOK|"},
        {"192.168.1.20   VERIFYFAILextra", local, "VERIFYFAIL|extra"},
        {Datagram("192.168.1.20", ""), local, "|"},
        {"192.168.1.20", local, "|"},
        // The text ends at the first NUL.
        {Datagram("192.168.1.20", "GETOK", "a=1\0b=2"s), local, "GETOK|a=1"},
        {"\0"s + Datagram("192.168.1.20", "GETOK"), local, "-"},
        {"192.168.1.20   SET\0OK     "s, local, "SET|"},
        // The sixteenth address character already belongs to the command field.
        {"192.168.100.2001GETOK", {"192.168.100.200"}, "1GETOK|"},
        // The probe is the unpadded broadcast address and word.
        {std::string(SEARCH_PROBE), {"255.255.255.255"}, "slimVault|"},
    };
    for (const auto& c : cases) {
        const Reply reply = ParseReply(c.datagram, c.local);
        EXPECT_EQ(reply.accepted ? reply.command + "|" + reply.payload : "-", c.reply)
            << c.datagram;
    }
    EXPECT_EQ(SEARCH_PROBE.size(), 24u);
    // Text after the NUL was cut off; NULs alone after it cut nothing.
    for (const auto& [datagram, cut] :
         {std::pair{Datagram("192.168.1.20", "GETOK", "a=1\0b"s), true},
          {Datagram("192.168.1.20", "GETOK", "a=1\0\0"s), false},
          {"192.168.1.20\0x"s, true},
          {Datagram("192.168.1.20", "GETOK", "a=1"), false}})
        EXPECT_EQ(ParseReply(datagram, local).cut, cut) << datagram;
}

} // namespace
