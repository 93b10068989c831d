#include "app/device_list.h"
#include "messaging/message.h"
#include "messaging/settings.h"
#include "tools/array_sim/datagram_text.h"
#include "tools/array_sim/sim_protocol.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using namespace std::chrono;

constexpr std::string_view kWizard = "10.77.0.1";
const SimTime kNow = sys_days{year{2024} / 5 / 6} + hours{8} + minutes{30};

class SimProtocol : public ::testing::Test {
protected:
    std::vector<SimArray> arrays = DefaultArrays(3);
    SimBehaviour behaviour;

    std::vector<SimReply> Send(std::string_view datagram, SimTime now = kNow) {
        return HandleRequest(arrays, datagram, kWizard, behaviour, now);
    }
    std::vector<SimReply> Request(std::string_view address, std::string_view word,
                                  std::string_view payload) {
        return Send(BuildRequest(address, word, payload));
    }
    // What the wizard reads in the replies: "array:WORD" each, or "-" when refused.
    static std::string Read(const std::vector<SimReply>& replies) {
        std::string text;
        for (const SimReply& reply : replies) {
            const Reply read = ParseReply(reply.datagram, {std::string(kWizard)});
            text += read.accepted ? std::to_string(reply.array) + ":" + read.command + " " : "- ";
        }
        return text;
    }
    std::string Reported(int array) {
        return ParseReply(Send(SEARCH_PROBE).at(array).datagram, {std::string(kWizard)}).payload;
    }
};

TEST_F(SimProtocol, ProbeGivesOneGetOkPerArrayAddressedToTheRequester) {
    const auto replies = Send(SEARCH_PROBE);
    EXPECT_EQ(Read(replies), "0:GETOK 1:GETOK 2:GETOK ");
    for (int i = 0; i < 3; ++i) {
        // Byte layout: address padded to 15, word padded to 10, settings, no NUL.
        EXPECT_EQ(replies[i].datagram.substr(0, 25), "10.77.0.1      GETOK     ");
        EXPECT_EQ(replies[i].datagram.find('\0'), std::string::npos);
        EXPECT_EQ(GetSetting(Reported(i), "nwk.ipaddr"), ArrayAddress(i));
        DeviceList list;
        EXPECT_TRUE(list.AddDevice(Reported(i)));
    }
    behaviour.replyTo = "10.77.0.200";
    EXPECT_EQ(Read(Send(SEARCH_PROBE)), "- - - ");
    EXPECT_TRUE(ParseReply(Send(SEARCH_PROBE)[0].datagram, {"10.77.0.200"}).accepted);
}

// Only the probe is for every array; other requests only for the array named.
TEST_F(SimProtocol, RequestsAndTheirAnswers) {
    arrays[0].password = "a& b c";
    const struct {
        std::string address, word, payload, answer;
    } cases[] = {
        {"255.255.255.255", "slimVault", "", "0:GETOK 1:GETOK 2:GETOK "}, // padded probe
        {"255.255.255.255", "VERIFY", "passwd=admin", ""},
        {"255.255.255.255", "SET", "sys.hostname=all", ""},
        {"10.77.1.1", "VERIFY", "passwd=a& b c", "0:VERIFYOK "},
        {"10.77.1.1", "VERIFY", "passwd=a& b", "0:VERIFYFAIL "},
        {"10.77.1.1", "VERIFY", "passwd=a& b c ", "0:VERIFYFAIL "},
        {"10.77.1.1", "VERIFY", "passwd=A& B C", "0:VERIFYFAIL "},
        {"10.77.1.1", "VERIFY", "passwd=", "0:VERIFYFAIL "},
        {"10.77.1.1", "VERIFY", "a& b c", "0:VERIFYFAIL "}, // no password pair
        {"10.77.1.2", "VERIFY", "passwd=admin", "1:VERIFYOK "},
        {"10.77.1.2", "VERIFY", "passwd=a& b c", "1:VERIFYFAIL "},
        {"10.77.1.99", "VERIFY", "passwd=admin", ""},
        {"10.077.1.2", "VERIFY", "passwd=admin", ""},
        {"10.77.1.1", "SET", "", ""}, // no settings string
        {"10.77.1.1", "SET", std::string(kMaxSettingsLength + 1, 'x'), ""},
    };
    const auto before = arrays;
    for (const auto& c : cases)
        EXPECT_EQ(Read(Request(c.address, c.word, c.payload)), c.answer)
            << c.word << " " << c.payload;
    for (std::size_t i = 0; i < arrays.size(); ++i)
        EXPECT_EQ(arrays[i].settings, before[i].settings);
    EXPECT_EQ(Read(Send("255.255.255.255slimVaul")) + Read(Send("255.255.255.255slimVaultX")), "");
    arrays[0].password = "";
    EXPECT_EQ(Read(Request("10.77.1.1", "VERIFY", "passwd=")), "0:VERIFYOK ");
}

TEST_F(SimProtocol, SetReplacesTheSettingsAndTheNextSearchShowsThem) {
    std::string settings = arrays[1].settings;
    ReplaceSetting(settings, "sys.hostname", "sys.hostname=renamed");
    ReplaceSetting(settings, "nwk.ipaddr", "nwk.ipaddr=10.77.9.9");
    const auto replies = Request(ArrayAddress(1), "SET", settings);
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].datagram, "10.77.0.1      SETOK     ");
    EXPECT_EQ(GetSetting(Reported(1), "sys.hostname"), "renamed");
    EXPECT_EQ(GetSetting(Reported(1), "raid.level"), GetSetting(settings, "raid.level"));
    // The array now answers at its new address only.
    EXPECT_EQ(Read(Request(ArrayAddress(1), "VERIFY", "passwd=admin")), "");
    EXPECT_EQ(Read(Request("10.77.9.9", "VERIFY", "passwd=admin")), "1:VERIFYOK ");

    const std::string longest(kMaxSettingsLength, 'y');
    EXPECT_EQ(Read(Request(ArrayAddress(0), "SET", longest)), "0:SETOK ");
    EXPECT_EQ(arrays[0].settings, longest);
}

// Every malformed or flood datagram must come to nothing in the wizard: not
// accepted, no expected word, or a payload step 1 does not list.
TEST_F(SimProtocol, MalformedRepliesPrecedeTheRealOneAndComeToNothing) {
    behaviour.malformed = true;
    const auto replies = Request(ArrayAddress(0), "VERIFY", "passwd=admin");
    const auto malformed = MalformedReplies(kWizard);
    ASSERT_EQ(replies.size(), malformed.size() + 1);
    EXPECT_EQ(Read({replies.back()}), "0:VERIFYOK ");
    EXPECT_GE(malformed.size(), 12u);
    bool hasShort = false, hasOversized = false, hasTooLong = false;
    for (const std::string& datagram : FloodDatagrams(kWizard)) {
        hasShort |= datagram.size() < 16;
        hasOversized |= datagram.size() == kMessageBufferSize;
        hasTooLong |= datagram.size() > kMessageBufferSize;
        const Reply reply = ParseReply(datagram, {std::string(kWizard)});
        // Beyond the buffer the wizard's receive fails before any parsing.
        if (!reply.accepted || datagram.size() > kMessageBufferSize)
            continue;
        for (const char* word : {"VERIFYOK", "VERIFYFAIL", "SETOK"})
            EXPECT_NE(reply.command, word) << EscapedText(datagram);
        DeviceList list;
        EXPECT_FALSE(reply.command == "GETOK" && !reply.payload.empty() && !reply.cut &&
                     list.AddDevice(reply.payload))
            << EscapedText(datagram);
    }
    EXPECT_TRUE(hasShort && hasOversized && hasTooLong);
}

TEST_F(SimProtocol, MalformedRequestsAreIgnoredWithoutHarm) {
    const auto before = arrays;
    const std::string address = ArrayAddress(0);
    for (const std::string& request :
         {std::string(), address,
          BuildRequest(address, "SET", "").substr(0, 17), // word cut by the datagram's end
          BuildRequest(address, "", "sys.hostname=x"),
          BuildRequest(address, "SETX", "sys.hostname=x"),
          BuildRequest(address, "set", "sys.hostname=x"),
          std::string("10.77.1.1\0     SET       sys.hostname=x", 39),
          BuildRequest(address, "SET", std::string(5000, 'z'))})
        EXPECT_TRUE(Send(request).empty()) << request.size();
    std::mt19937 random(1225);
    std::uniform_int_distribution<int> length(0, 1500), byte(0, 255);
    for (int i = 0; i < 2000; ++i) {
        std::string junk(std::size_t(length(random)), '\0');
        for (char& c : junk)
            c = char(byte(random));
        Send(junk);
    }
    for (std::size_t i = 0; i < arrays.size(); ++i)
        EXPECT_EQ(arrays[i].settings, before[i].settings);
}

} // namespace
