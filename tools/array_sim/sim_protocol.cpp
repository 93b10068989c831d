#include "tools/array_sim/sim_protocol.h"

#include "core/protocol/message.h"
#include "core/settings/settings.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr std::string_view kEveryArray = "255.255.255.255";
constexpr std::string_view kProbeWord = "slimVault";
constexpr std::string_view kPasswordPrefix = "passwd=";

void Answer(std::vector<SimReply>& replies, int array, std::string_view address,
            std::string_view word, std::string_view payload, const SimBehaviour& behaviour) {
    if (behaviour.malformed)
        for (std::string& datagram : MalformedReplies(address))
            replies.push_back({array, std::move(datagram)});
    replies.push_back({array, BuildRequest(address, word, payload)});
}

std::string_view VerifyWord(const SimArray& array, std::string_view payload) {
    const bool ok = payload.starts_with(kPasswordPrefix) &&
                    payload.substr(kPasswordPrefix.size()) == array.password;
    return ok ? "VERIFYOK" : "VERIFYFAIL";
}

} // namespace

std::vector<SimReply> HandleRequest(std::vector<SimArray>& arrays, std::string_view datagram,
                                    std::string_view requester, const SimBehaviour& behaviour,
                                    SimTime now) {
    const std::string_view address = behaviour.replyTo.empty() ? requester : behaviour.replyTo;
    std::vector<SimReply> replies;

    const Reply probe = ParseReply(datagram, {std::string(kEveryArray)});
    if (probe.accepted) {
        if (probe.command == kProbeWord)
            for (int i = 0; i < int(arrays.size()); ++i)
                Answer(replies, i, address, "GETOK", ReportedSettings(arrays[i], now), behaviour);
        for (SimReply& reply : replies)
            reply.search = true;
        // Nothing else addressed to every array is taken up: one "SET" would
        // otherwise give all arrays the same address.
        return replies;
    }

    for (int i = 0; i < int(arrays.size()); ++i) {
        SimArray& array = arrays[i];
        const Reply request = ParseReply(datagram, {GetSetting(array.settings, "nwk.ipaddr")});
        if (!request.accepted)
            continue;
        if (request.command == "VERIFY") {
            Answer(replies, i, address, VerifyWord(array, request.payload), "", behaviour);
        } else if (request.command == "SET") {
            // A payload that cannot be a settings string is refused unanswered
            // rather than taken: the array would lose its configuration.
            if (request.payload.empty() || request.payload.size() > kMaxSettingsLength)
                continue;
            TakeSettings(array, request.payload, now);
            Answer(replies, i, address, "SETOK", "", behaviour);
        }
    }
    return replies;
}

std::vector<std::string> MalformedReplies(std::string_view address) {
    const std::string field = BuildRequest(address, "", "").substr(0, kAddressFieldLength);
    std::string nulInHeader = BuildRequest(address, "GETOK", "sys.hostname=ghost");
    nulInHeader[kAddressFieldLength] = '\0';
    std::string oversized = BuildRequest(address, "GETOK", "sys.hostname=oversized&pad=");
    oversized.resize(kMessageBufferSize, 'x'); // one payload byte above a settings string
    std::string tooLong = BuildRequest(address, "GETOK", "sys.hostname=toolong&pad=");
    tooLong.resize(kMessageBufferSize + 100, 'x');
    std::string junk;
    for (int i = 0; i < 40; ++i)
        junk.push_back(char(0x80 + i * 3));

    std::vector<std::string> datagrams = {
        "",
        std::string(address.substr(0, 10)),
        field,
        field + std::string(kCommandFieldLength, ' ') + "sys.hostname=ghost",
        BuildRequest(address, "GETOKGETOK", "sys.hostname=runon"),
        BuildRequest(address, "SETOKAY", ""),
        BuildRequest(address, "VERIFYOKAY", ""),
        nulInHeader,
        oversized,
        tooLong,
        junk,
    };
    // Leading spaces are allowed in both fields: only the word is wrong here.
    if (address.size() + 2 <= kAddressFieldLength)
        datagrams.push_back(BuildRequest("  " + std::string(address), "  BOGUS", ""));
    unsigned a = 0, b = 0, c = 0, d = 0;
    char tail = 0;
    if (std::sscanf(std::string(address).c_str(), "%u.%u.%u.%u%c", &a, &b, &c, &d, &tail) == 4) {
        char zeros[32];
        std::snprintf(zeros, sizeof zeros, "%03u.%03u.%03u.%03u", a, b, c, d);
        if (std::string_view(zeros) != address && std::strlen(zeros) <= kAddressFieldLength)
            datagrams.push_back(BuildRequest(zeros, "GETOK", "sys.hostname=zeros"));
    }
    return datagrams;
}

std::vector<std::string> FloodDatagrams(std::string_view address) {
    std::vector<std::string> datagrams = MalformedReplies(address);
    const std::string padded = BuildRequest(address, "", "").substr(0, kAddressFieldLength);
    // 10.77.0.10 for 10.77.0.1: a comparison of the start alone would take it.
    const std::string longer = std::string(address) + "0";
    if (longer.size() <= kAddressFieldLength)
        datagrams.push_back(BuildRequest(longer, "GETOK", "sys.hostname=flood-address"));
    // What follows the NUL would be lost on the way back to the array.
    std::string nulInPayload =
        BuildRequest(address, "GETOK", "sys.hostname=flood-nul&nwk.ipaddr=10.77.1.99");
    nulInPayload[nulInPayload.find('&')] = '\0';
    datagrams.push_back(std::move(nulInPayload));
    datagrams.push_back(BuildRequest(address, "getok", "sys.hostname=flood-lower"));
    datagrams.push_back(BuildRequest(address, "GETSOME", "sys.hostname=flood-word"));
    datagrams.push_back(padded + "GET");
    datagrams.push_back(padded + "GETOK");
    datagrams.push_back(BuildRequest(address, "GETOK", ""));
    std::string overByOne = BuildRequest(address, "GETOK", "sys.hostname=flood-long&pad=");
    overByOne.resize(kMessageBufferSize + 1, 'x');
    datagrams.push_back(std::move(overByOne));
    return datagrams;
}
