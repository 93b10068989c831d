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
    std::vector<SimReply> Verify(int array, std::string_view password) {
        return Send(BuildRequest(ArrayAddress(array), "VERIFY", "passwd=" + std::string(password)));
    }
    // What the wizard makes of a reply: accepted for its address, word, payload.
    static Reply AsWizard(const SimReply& reply) {
        return ParseReply(reply.datagram, {std::string(kWizard)});
    }
    std::vector<std::string> SearchHostNames(SimTime now = kNow) {
        std::vector<std::string> names;
        for (const SimReply& reply : Send(SEARCH_PROBE, now))
            names.push_back(GetSetting(AsWizard(reply).payload, "sys.hostname"));
        return names;
    }
};

TEST_F(SimProtocol, ProbeGivesOneGetOkPerArrayAddressedToTheRequester) {
    const auto replies = Send(SEARCH_PROBE);
    ASSERT_EQ(replies.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(replies[i].array, i);
        const std::string& datagram = replies[i].datagram;
        // Byte layout: address padded to 15, word padded to 10, settings, no NUL.
        EXPECT_EQ(datagram.substr(0, 25), "10.77.0.1      GETOK     ");
        EXPECT_EQ(datagram.find('\0'), std::string::npos);
        const Reply reply = AsWizard(replies[i]);
        EXPECT_TRUE(reply.accepted);
        EXPECT_EQ(reply.command, "GETOK");
        EXPECT_EQ(GetSetting(reply.payload, "nwk.ipaddr"), ArrayAddress(i));
        EXPECT_LE(reply.payload.size(), kMaxSettingsLength);
        DeviceList list;
        EXPECT_TRUE(list.AddDevice(reply.payload));
    }
}

TEST_F(SimProtocol, ProbeWithPaddedFieldsIsAProbeToo) {
    EXPECT_EQ(Send(BuildRequest("255.255.255.255", "slimVault", "")).size(), 3u);
}

TEST_F(SimProtocol, OnlyTheProbeIsTakenUpByEveryArray) {
    const std::string before = arrays[0].settings;
    EXPECT_TRUE(Send(BuildRequest("255.255.255.255", "VERIFY", "passwd=admin")).empty());
    EXPECT_TRUE(Send(BuildRequest("255.255.255.255", "SET", "sys.hostname=all")).empty());
    EXPECT_EQ(arrays[0].settings, before);
    EXPECT_TRUE(Send("255.255.255.255slimVaul").empty());
    EXPECT_TRUE(Send("255.255.255.255slimVaultX").empty());
}

TEST_F(SimProtocol, VerifyAnswersOnlyFromTheNamedArray) {
    arrays[1].password = "secret";
    auto replies = Verify(1, "secret");
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].array, 1);
    EXPECT_EQ(replies[0].datagram, "10.77.0.1      VERIFYOK  ");

    replies = Verify(1, "admin"); // another array's password
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].datagram, "10.77.0.1      VERIFYFAIL");
    EXPECT_EQ(AsWizard(replies[0]).command, "VERIFYFAIL");

    EXPECT_TRUE(Send(BuildRequest("10.77.1.99", "VERIFY", "passwd=admin")).empty());
    EXPECT_TRUE(Send(BuildRequest("10.077.1.2", "VERIFY", "passwd=secret")).empty());
}

TEST_F(SimProtocol, PasswordIsComparedByteForByte) {
    arrays[0].password = "a& b c";
    EXPECT_EQ(AsWizard(Verify(0, "a& b c")[0]).command, "VERIFYOK");
    EXPECT_EQ(AsWizard(Verify(0, "a& b")[0]).command, "VERIFYFAIL");
    EXPECT_EQ(AsWizard(Verify(0, "a& b c ")[0]).command, "VERIFYFAIL");
    EXPECT_EQ(AsWizard(Verify(0, "A& B C")[0]).command, "VERIFYFAIL");
    EXPECT_EQ(AsWizard(Verify(0, "")[0]).command, "VERIFYFAIL");
    // A payload that is no password pair is refused, never mistaken for one.
    auto replies = Send(BuildRequest(ArrayAddress(0), "VERIFY", "a& b c"));
    EXPECT_EQ(AsWizard(replies[0]).command, "VERIFYFAIL");

    arrays[0].password = "";
    EXPECT_EQ(AsWizard(Verify(0, "")[0]).command, "VERIFYOK");
}

TEST_F(SimProtocol, SetReplacesTheSettingsAndTheNextSearchShowsThem) {
    std::string settings = arrays[1].settings;
    ReplaceSetting(settings, "sys.hostname", "sys.hostname=renamed");
    ReplaceSetting(settings, "nwk.ipaddr", "nwk.ipaddr=10.77.9.9");
    ReplaceSetting(settings, "nwk.bootproto", "nwk.bootproto=none");
    const auto replies = Send(BuildRequest(ArrayAddress(1), "SET", settings));
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].array, 1);
    EXPECT_EQ(replies[0].datagram, "10.77.0.1      SETOK     ");

    const auto search = Send(SEARCH_PROBE);
    ASSERT_EQ(search.size(), 3u);
    const std::string reported = AsWizard(search[1]).payload;
    EXPECT_EQ(GetSetting(reported, "sys.hostname"), "renamed");
    EXPECT_EQ(GetSetting(reported, "nwk.ipaddr"), "10.77.9.9");
    EXPECT_EQ(GetSetting(reported, "nwk.bootproto"), "none");
    EXPECT_EQ(GetSetting(reported, "raid.level"), GetSetting(settings, "raid.level"));

    // The array now answers at its new address only.
    EXPECT_TRUE(Send(BuildRequest(ArrayAddress(1), "VERIFY", "passwd=admin")).empty());
    EXPECT_EQ(Send(BuildRequest("10.77.9.9", "VERIFY", "passwd=admin")).size(), 1u);
    EXPECT_EQ(SearchHostNames(), (std::vector<std::string>{"Q6-Store01", "renamed", "Q6-Media"}));
}

TEST_F(SimProtocol, SetWithoutASettingsStringIsRefusedUnanswered) {
    const std::string before = arrays[0].settings;
    EXPECT_TRUE(Send(BuildRequest(ArrayAddress(0), "SET", "")).empty());
    std::string tooLong(kMaxSettingsLength + 1, 'x');
    EXPECT_TRUE(Send(BuildRequest(ArrayAddress(0), "SET", tooLong)).empty());
    EXPECT_EQ(arrays[0].settings, before);

    std::string longest(kMaxSettingsLength, 'y');
    EXPECT_EQ(Send(BuildRequest(ArrayAddress(0), "SET", longest)).size(), 1u);
    EXPECT_EQ(arrays[0].settings, longest);
}

TEST_F(SimProtocol, DateAndTimeFollowTheArraysClock) {
    std::string reported = AsWizard(Send(SEARCH_PROBE)[0]).payload;
    EXPECT_EQ(GetSetting(reported, "date"), "2024/05/06");
    EXPECT_EQ(GetSetting(reported, "time"), "08:30:00");

    // Set back to 2006/10/26 09:05:00; a minute later the array reports 09:06:00.
    ReplaceSetting(reported, "date", "date=2006/10/26");
    ReplaceSetting(reported, "time", "time=09:05:00");
    ASSERT_EQ(Send(BuildRequest(ArrayAddress(0), "SET", reported)).size(), 1u);
    const std::string later = AsWizard(Send(SEARCH_PROBE, kNow + minutes{1})[0]).payload;
    EXPECT_EQ(GetSetting(later, "date"), "2006/10/26");
    EXPECT_EQ(GetSetting(later, "time"), "09:06:00");

    // An invalid date leaves the clock where it was.
    std::string invalid = later;
    ReplaceSetting(invalid, "date", "date=2006/13/40");
    Send(BuildRequest(ArrayAddress(0), "SET", invalid));
    const std::string after = AsWizard(Send(SEARCH_PROBE, kNow + minutes{2})[0]).payload;
    EXPECT_EQ(GetSetting(after, "time"), "09:07:00");
}

TEST_F(SimProtocol, ReplyToPutsAnotherAddressInTheField) {
    behaviour.replyTo = "10.77.0.200";
    const auto replies = Send(SEARCH_PROBE);
    ASSERT_EQ(replies.size(), 3u);
    EXPECT_FALSE(AsWizard(replies[0]).accepted);
    EXPECT_TRUE(ParseReply(replies[0].datagram, {"10.77.0.200"}).accepted);
}

// Every malformed datagram must come to nothing in the wizard: not accepted,
// no expected word, or a payload the device list refuses.
TEST_F(SimProtocol, MalformedRepliesPrecedeTheRealOneAndComeToNothing) {
    behaviour.malformed = true;
    const auto replies = Verify(0, "admin");
    const auto malformed = MalformedReplies(kWizard);
    ASSERT_EQ(replies.size(), malformed.size() + 1);
    EXPECT_EQ(AsWizard(replies.back()).command, "VERIFYOK");
    EXPECT_GE(malformed.size(), 12u);

    bool hasShort = false, hasOversized = false, hasTooLong = false;
    for (const std::string& datagram : malformed) {
        hasShort |= datagram.size() < 16;
        hasOversized |= datagram.size() == kMessageBufferSize;
        hasTooLong |= datagram.size() > kMessageBufferSize;
        if (datagram.size() > kMessageBufferSize)
            continue; // the wizard's receive fails on it before any parsing
        const Reply reply = ParseReply(datagram, {std::string(kWizard)});
        if (!reply.accepted)
            continue;
        for (const char* word : {"VERIFYOK", "VERIFYFAIL", "SETOK"})
            EXPECT_NE(reply.command, word) << EscapedText(datagram);
        if (reply.command == "GETOK") {
            DeviceList list;
            EXPECT_FALSE(list.AddDevice(reply.payload)) << datagram.size();
        }
    }
    EXPECT_TRUE(hasShort && hasOversized && hasTooLong);
}

TEST_F(SimProtocol, MalformedRequestsAreIgnoredWithoutHarm) {
    const auto before = arrays;
    const std::string address = ArrayAddress(0);
    const std::vector<std::string> requests = {
        "",
        "10.77.1.1",
        BuildRequest(address, "SET", "").substr(0, 17), // word cut by the datagram's end
        BuildRequest(address, "", "sys.hostname=x"),    // no command word
        BuildRequest(address, "SETX", "sys.hostname=x"),
        BuildRequest(address, "set", "sys.hostname=x"),
        std::string("10.77.1.1\0     SET       sys.hostname=x", 39),
        BuildRequest(address, "SET", std::string(5000, 'z')),
    };
    for (const std::string& request : requests)
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
