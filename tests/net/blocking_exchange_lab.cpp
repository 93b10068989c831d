// The blocking exchange against the simulated arrays of the lab (tools/lab.sh,
// three arrays answering for 10.77.1.1 to 10.77.1.3, password "admin"): a
// search, the password checks, a save the next search shows, and what cannot
// go out.
#include "core/settings/settings.h"
#include "net/blocking_exchange.h"
#include "platform/udp.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

using namespace std::chrono_literals;

const std::string kHost = "10.77.0.1"; // the lab's address of this computer

std::vector<std::string> Search() {
    std::vector<std::string> found;
    const ConversationEnd end = Converse(Conversation::Search(), [&](const Reply& reply, Answer) {
        EXPECT_EQ(reply.address, kHost);
        found.push_back(GetSetting(reply.payload, "sys.hostname"));
    });
    EXPECT_FALSE(end.failure);
    return found;
}

TEST(BlockingExchange, SearchesChecksAndSavesAsTheWizardDoes) {
    EXPECT_EQ(Search(), (std::vector<std::string>{"Q6-Store01", "Q6-Backup", "Q6-Media"}));
    using enum Answer;
    const std::tuple<std::string, std::string, Answer, std::optional<ExchangeFailure>> checks[] = {
        // the array's address, the password, the answer, the failure
        {"10.77.1.2", "admin", kPasswordRight, std::nullopt},
        {"10.77.1.2", "admin ", kPasswordWrong, std::nullopt},
        {"10.77.1.9", "admin", kNone, ExchangeFailure::kNoAnswer},
    };
    for (const auto& [address, password, answer, failure] : checks) {
        const ConversationEnd end =
            Converse(Conversation::Verify("nwk.ipaddr=" + address, kHost, password), {}, 600ms);
        EXPECT_TRUE(end.answer == answer && end.failure == failure) << address << " " << password;
    }
    const ConversationEnd saved = Converse(Conversation::Save(
        "nwk.ipaddr=10.77.1.3", kHost, "sys.hostname=renamed&nwk.ipaddr=10.77.1.3"));
    EXPECT_EQ(saved.answer, kSaved);
    EXPECT_EQ(Search(), (std::vector<std::string>{"Q6-Store01", "Q6-Backup", "renamed"}));
}

// Nothing goes out that could not be heard, or that would leave through an
// adapter the array did not answer on.
TEST(BlockingExchange, SendsNothingItCannotHearOrRoute) {
    const Conversation check = Conversation::Verify("nwk.ipaddr=10.77.1.1", kHost, "admin");
    const UdpSocket holder = OpenReceiveSocket();
    ASSERT_TRUE(BindToPort(holder, CLIENT_PORT));
    EXPECT_EQ(Converse(check).failure, ExchangeFailure::kBindSocket);
    CloseSocket(holder);
    EXPECT_EQ(Converse(Conversation::Verify("nwk.ipaddr=10.77.1.1", "10.78.0.1", "admin")).failure,
              ExchangeFailure::kSend);
}

} // namespace
