// q6-array-sim: plays storage arrays on UDP port 1212 for the lab network.
// Only ever run it inside a network namespace (tools/lab.sh does).
#include "core/protocol/message.h"
#include "tools/array_sim/datagram_text.h"
#include "tools/array_sim/endpoint.h"
#include "tools/array_sim/sim_arrays.h"
#include "tools/array_sim/sim_options.h"
#include "tools/array_sim/sim_protocol.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>

namespace {

using Steady = std::chrono::steady_clock;

volatile std::sig_atomic_t stopRequested = 0;

void OnStopSignal(int) {
    stopRequested = 1;
}

struct Pending {
    sockaddr_in to;
    std::string datagram;
};

std::string PeerText(const sockaddr_in& peer) {
    char address[INET_ADDRSTRLEN] = "";
    inet_ntop(AF_INET, &peer.sin_addr, address, sizeof address);
    return std::string(address) + ":" + std::to_string(ntohs(peer.sin_port));
}

// A blocked signal could not end poll(); without SA_RESTART it returns EINTR.
void CatchStopSignals() {
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

int OpenServerSocket() {
    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0)
        return -1;
    const int on = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    setsockopt(fd, SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
    sockaddr_in local = Endpoint(INADDR_ANY, SERVER_PORT);
    if (bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

class Simulator {
public:
    Simulator(const SimOptions& options, std::vector<SimArray> arrays, std::ofstream* log)
        : m_options(options), m_arrays(std::move(arrays)), m_log(log) {
        m_behaviour.replyTo = options.replyTo;
        m_behaviour.malformed = options.malformed;
    }

    int Run(int fd) {
        while (!stopRequested) {
            pollfd readable{fd, POLLIN, 0};
            if (poll(&readable, 1, Timeout()) < 0 && errno != EINTR) {
                std::perror("q6-array-sim: poll");
                return 1;
            }
            if (readable.revents & POLLIN)
                OnReadable(fd);
            SendDue(fd);
        }
        return 0;
    }

private:
    int Timeout() const {
        if (m_due.empty())
            return -1;
        const auto wait = m_due.begin()->first - Steady::now();
        return int(
            std::max<long long>(0, std::chrono::ceil<std::chrono::milliseconds>(wait).count()));
    }

    void OnReadable(int fd) {
        char buffer[65536];
        sockaddr_in from{};
        socklen_t fromLength = sizeof from;
        const ssize_t n =
            recvfrom(fd, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from), &fromLength);
        if (n < 0)
            return;
        const std::string_view datagram(buffer, std::size_t(n));
        Log(HexLine("in", PeerText(from), datagram));
        if (m_options.silent)
            return;

        char requester[INET_ADDRSTRLEN] = "";
        inet_ntop(AF_INET, &from.sin_addr, requester, sizeof requester);
        const auto now = std::chrono::floor<std::chrono::seconds>(SimClock::now());
        sockaddr_in to = from;
        to.sin_port = htons(CLIENT_PORT);
        if (m_options.flood > 0)
            SendFlood(fd, to, requester);
        const auto received = Steady::now();
        for (SimReply& reply : HandleRequest(m_arrays, datagram, requester, m_behaviour, now)) {
            // Separate devices answer a search one after another; a request
            // to one array is answered by that array alone, without waiting
            // for the others' turn.
            const int stagger = reply.search ? reply.array * m_options.staggerMs : 0;
            const auto at = received + std::chrono::milliseconds(m_options.delayMs + stagger);
            for (int k = 0; k < m_options.duplicate; ++k)
                m_due.emplace(at, Pending{to, reply.datagram});
        }
    }

    // At once and in one go, as a broken or hostile device would: the wizard
    // must read its way through all of it to the answers. One log line, not
    // one per datagram, keeps the log of a long flood readable.
    void SendFlood(int fd, const sockaddr_in& to, std::string_view requester) {
        const std::vector<std::string> kinds = FloodDatagrams(requester);
        int sent = 0;
        for (int i = 0; i < m_options.flood; ++i) {
            const std::string& datagram = kinds[std::size_t(i) % kinds.size()];
            sent += sendto(fd, datagram.data(), datagram.size(), 0,
                           reinterpret_cast<const sockaddr*>(&to), sizeof to) >= 0;
        }
        Log("flood " + PeerText(to) + " " + std::to_string(sent));
    }

    void SendDue(int fd) {
        const auto now = Steady::now();
        while (!m_due.empty() && m_due.begin()->first <= now) {
            const Pending& pending = m_due.begin()->second;
            const ssize_t sent =
                sendto(fd, pending.datagram.data(), pending.datagram.size(), 0,
                       reinterpret_cast<const sockaddr*>(&pending.to), sizeof pending.to);
            if (sent < 0)
                std::fprintf(stderr, "q6-array-sim: send to %s: %s\n", PeerText(pending.to).c_str(),
                             std::strerror(errno));
            else
                Log(HexLine("out", PeerText(pending.to), pending.datagram));
            m_due.erase(m_due.begin());
        }
    }

    void Log(const std::string& line) {
        if (m_log)
            *m_log << line << std::endl;
    }

    const SimOptions& m_options;
    std::vector<SimArray> m_arrays;
    std::ofstream* m_log;
    SimBehaviour m_behaviour;
    std::multimap<Steady::time_point, Pending> m_due;
};

std::optional<std::vector<SimArray>> MakeArrays(const SimOptions& options, std::string& error) {
    if (options.settingsFile.empty())
        return DefaultArrays(options.arrays);
    std::ifstream in(options.settingsFile, std::ios::binary);
    if (!in) {
        error = options.settingsFile + ": cannot be read";
        return std::nullopt;
    }
    auto arrays = LoadArrays(in, error);
    if (!arrays)
        error = options.settingsFile + ": " + error;
    return arrays;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--help") {
        std::cout << kSimUsage;
        return 0;
    }
    std::string error;
    const auto options = ParseOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::cerr << "q6-array-sim: " << error << "\n" << kSimUsage;
        return 2;
    }
    auto arrays = MakeArrays(*options, error);
    if (!arrays || !ApplyPasswords(*arrays, *options, error)) {
        std::cerr << "q6-array-sim: " << error << "\n";
        return 2;
    }
    std::ofstream log;
    if (!options->logFile.empty()) {
        log.open(options->logFile, std::ios::app);
        if (!log) {
            std::cerr << "q6-array-sim: " << options->logFile << ": cannot be written\n";
            return 2;
        }
    }

    CatchStopSignals();
    const int fd = OpenServerSocket();
    if (fd < 0) {
        std::perror("q6-array-sim: udp port 1212");
        return 1;
    }
    std::cout << "q6-array-sim: " << arrays->size() << " arrays on udp port " << SERVER_PORT
              << std::endl;
    Simulator simulator(*options, std::move(*arrays), log.is_open() ? &log : nullptr);
    const int rc = simulator.Run(fd);
    close(fd);
    return rc;
}
