#include "messaging/message.h"
#include "messaging/settings.h"
#include "tools/array_sim/sim_protocol.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

const std::string kWizard = "10.77.0.1";

// Only the probe is for every array; other requests for the array whose nwk.ipaddr they
// name, a "SET" only with settings. Array 1 moves to 10.77.9.9, array 0 takes the longest.
TEST(SimProtocol, RequestsAndTheirAnswers) {
    std::vector<SimArray> arrays = DefaultArrays(3);
    std::string longest = "nwk.ipaddr=10.77.1.1&pad=";
    longest.resize(kMaxSettingsLength, 'y');
    std::string moved = arrays[1].settings;
    ReplaceSetting(moved, "nwk.ipaddr", "nwk.ipaddr=10.77.9.9");
    // Address, word, payload (sent as it is, even longer than the wizard would), and the
    // replies as the wizard reads them, "array:WORD " each.
    const std::tuple<std::string, std::string, std::string, std::string> cases[] = {
        {"255.255.255.255", "VERIFY", "passwd=admin", ""},
        {"10.77.1.1", "VERIFY", "passwd=admin ", "0:VERIFYFAIL "},
        {"10.77.1.2", "SET", moved, "1:SETOK "},
        {"10.77.1.2", "VERIFY", "passwd=admin", ""},
        {"10.77.9.9", "VERIFY", "passwd=admin", "1:VERIFYOK "},
        {"10.77.1.1", "SET", longest, "0:SETOK "},
        {"10.77.1.1", "SET", "", ""},
        {"10.77.1.1", "SET", longest + "y", ""},
        {"255.255.255.255", "SET", "sys.hostname=all", ""},
    };
    for (const auto& [address, word, payload, answer] : cases) {
        std::string read;
        const std::string request = BuildRequest(address, word, "") + payload;
        for (const SimReply& reply : HandleRequest(arrays, request, kWizard, {}, {}))
            read += std::to_string(reply.array) + ":" +
                    ParseReply(reply.datagram, {kWizard}).command + " ";
        EXPECT_EQ(read, answer) << word << " " << payload;
    }
    EXPECT_EQ(arrays[0].settings + "|" + arrays[1].settings + "|" + arrays[2].settings,
              longest + "|" + moved + "|" + DefaultArrays(3)[2].settings);
}

} // namespace
