// burst_bench: how many search replies of a burst a receive socket keeps when
// it is read only some time after the probe went out, as the exchange reads
// between timer ticks. For the lab network only (run-burst.sh).
//   burst_bench [--expect N] [--read-after-ms D] [--runs R] SIZE...
// SIZE is "default" (the system's receive buffer, as the exchange has it) or a
// SO_RCVBUF request in bytes. One line of figures per run.
#include "core/protocol/message.h"
#include "tools/array_sim/endpoint.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Run {
    int received = 0;
    int effectiveBuffer = 0;
};

bool Measure(int requestedBuffer, int readAfterMs, Run& run) {
    const int receiver = socket(AF_INET, SOCK_DGRAM, 0);
    if (receiver < 0)
        return false;
    if (requestedBuffer > 0)
        setsockopt(receiver, SOL_SOCKET, SO_RCVBUF, &requestedBuffer, sizeof requestedBuffer);
    socklen_t length = sizeof run.effectiveBuffer;
    getsockopt(receiver, SOL_SOCKET, SO_RCVBUF, &run.effectiveBuffer, &length);
    const sockaddr_in local = Endpoint(INADDR_ANY, CLIENT_PORT);
    if (bind(receiver, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
        close(receiver);
        return false;
    }

    const int sender = socket(AF_INET, SOCK_DGRAM, 0);
    const int on = 1;
    setsockopt(sender, SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
    const sockaddr_in broadcast = Endpoint(INADDR_BROADCAST, SERVER_PORT);
    const bool sent = sendto(sender, kSearchProbe.data(), kSearchProbe.size(), 0,
                             reinterpret_cast<const sockaddr*>(&broadcast),
                             sizeof broadcast) == ssize_t(kSearchProbe.size());
    close(sender);

    // The burst arrives while nobody reads; then drain until it has gone quiet.
    std::this_thread::sleep_for(std::chrono::milliseconds(readAfterMs));
    run.received = 0;
    pollfd readable{receiver, POLLIN, 0};
    while (sent && poll(&readable, 1, 300) > 0) {
        char buffer[kMessageBufferSize];
        if (recv(receiver, buffer, sizeof buffer, 0) >= 0)
            ++run.received;
    }
    close(receiver);
    return sent;
}

} // namespace

int main(int argc, char** argv) {
    int expect = 500, readAfterMs = 50, runs = 3;
    std::vector<std::string> sizes;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 < argc && arg == "--expect")
            expect = std::atoi(argv[++i]);
        else if (i + 1 < argc && arg == "--read-after-ms")
            readAfterMs = std::atoi(argv[++i]);
        else if (i + 1 < argc && arg == "--runs")
            runs = std::atoi(argv[++i]);
        else
            sizes.push_back(arg);
    }
    if (sizes.empty())
        sizes = {"default", "1048576", "4194304"};

    for (const std::string& size : sizes) {
        const int requested = size == "default" ? 0 : std::atoi(size.c_str());
        for (int r = 1; r <= runs; ++r) {
            Run run;
            if (!Measure(requested, readAfterMs, run)) {
                std::perror("burst_bench");
                return 1;
            }
            std::printf("SO_RCVBUF %-8s (effective %7d bytes), read after %d ms, run %d: "
                        "%3d / %d replies received\n",
                        size.c_str(), run.effectiveBuffer, readAfterMs, r, run.received, expect);
            std::fflush(stdout);
        }
    }
    return 0;
}
