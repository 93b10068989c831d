#include "app/device_list.h"
#include "messaging/message.h"
#include "messaging/settings.h"
#include "tools/array_sim/datagram_text.h"
#include "tools/array_sim/sim_protocol.h"

#include <gtest/gtest.h>

namespace {

constexpr std::string_view kWizard = "10.77.0.1";
const SimTime kNow{};

class SimProtocol : public ::testing::Test {
protected:
    std::vector<SimArray> arrays = DefaultArrays(3);
    SimBehaviour behaviour;

    // What the wizard reads in the replies: "array:WORD" each, "-" if refused.
    std::string Request(std::string_view address, std::string_view word, std::string_view payload) {
        std::string text;
        // The payload goes after the header as it is, longer than the wizard sends too.
        const std::string request = BuildRequest(address, word, "") + std::string(payload);
        for (const SimReply& reply : HandleRequest(arrays, request, kWizard, behaviour, kNow)) {
            const Reply read = ParseReply(reply.datagram, {std::string(kWizard)});
            text += read.accepted ? std::to_string(reply.array) + ":" + read.command + " " : "- ";
        }
        return text;
    }
};

// Only the probe is for every array; other requests only for the array whose
// nwk.ipaddr they name, a "SET" only with a settings string. In order: array 1
// moves to 10.77.9.9, array 0 takes the longest settings and keeps them.
TEST_F(SimProtocol, RequestsAndTheirAnswers) {
    std::string longest = "nwk.ipaddr=10.77.1.1&pad=";
    longest.resize(kMaxSettingsLength, 'y');
    std::string moved = arrays[1].settings;
    ReplaceSetting(moved, "nwk.ipaddr", "nwk.ipaddr=10.77.9.9");
    const struct {
        std::string address, word, payload, answer;
    } cases[] = {
        {"255.255.255.255", "VERIFY", "passwd=admin", ""},
        {"10.77.1.1", "VERIFY", "passwd=admin ", "0:VERIFYFAIL "},
        {"10.077.1.2", "VERIFY", "passwd=admin", ""},
        {"10.77.1.2", "SET", moved, "1:SETOK "},
        {"10.77.1.2", "VERIFY", "passwd=admin", ""},
        {"10.77.9.9", "VERIFY", "passwd=admin", "1:VERIFYOK "},
        {"10.77.1.1", "SET", longest, "0:SETOK "},
        {"10.77.1.1", "SET", "", ""},
        {"10.77.1.1", "SET", longest + "y", ""},
        {"255.255.255.255", "SET", "sys.hostname=all", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Request(c.address, c.word, c.payload), c.answer) << c.word << " " << c.payload;
    EXPECT_EQ(arrays[0].settings + "|" + arrays[1].settings + "|" + arrays[2].settings,
              longest + "|" + moved + "|" + DefaultArrays(3)[2].settings);
}

// Every malformed or flood datagram must come to nothing in the wizard: not
// accepted, no expected word, or a payload step 1 does not list.
TEST_F(SimProtocol, MalformedRepliesPrecedeTheRealOneAndComeToNothing) {
    behaviour.malformed = true;
    const auto replies = HandleRequest(
        arrays, BuildRequest(ArrayAddress(0), "VERIFY", "passwd=admin"), kWizard, behaviour, kNow);
    ASSERT_EQ(replies.size(), MalformedReplies(kWizard).size() + 1);
    EXPECT_EQ(replies.back().datagram, BuildRequest(kWizard, "VERIFYOK", ""));
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

} // namespace
