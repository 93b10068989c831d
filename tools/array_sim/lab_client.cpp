// q6-lab-client: sends one request the way the wizard does, by broadcast to
// port 1212, and prints every datagram that arrives on port 1211 meanwhile.
// For the lab network only (tools/lab.sh).
//   q6-lab-client [--wait-ms N] --probe
//   q6-lab-client [--wait-ms N] ADDRESS COMMAND [PAYLOAD]
// Output: one line per datagram, "<length> <text>", the text as EscapedText.
#include "core/protocol/message.h"
#include "tools/array_sim/datagram_text.h"
#include "tools/array_sim/endpoint.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

namespace {

int Fail(const char* what) {
    std::fprintf(stderr, "q6-lab-client: %s: %s\n", what, std::strerror(errno));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    int waitMs = 500;
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "--wait-ms") == 0) {
        waitMs = std::atoi(argv[2]);
        first = 3;
    }
    std::string request;
    if (argc - first == 1 && std::strcmp(argv[first], "--probe") == 0)
        request = kSearchProbe;
    else if (argc - first == 2 || argc - first == 3)
        request =
            BuildRequest(argv[first], argv[first + 1], argc - first == 3 ? argv[first + 2] : "");
    else {
        std::cerr << "usage: q6-lab-client [--wait-ms N] --probe | ADDRESS COMMAND [PAYLOAD]\n";
        return 2;
    }

    // Unlike the wizard, bind before sending: a test must not lose a fast reply.
    const int receiver = socket(AF_INET, SOCK_DGRAM, 0);
    const sockaddr_in local = Endpoint(INADDR_ANY, CLIENT_PORT);
    if (receiver < 0 || bind(receiver, reinterpret_cast<const sockaddr*>(&local), sizeof local))
        return Fail("udp port 1211");

    const int sender = socket(AF_INET, SOCK_DGRAM, 0);
    const int on = 1;
    const sockaddr_in broadcast = Endpoint(INADDR_BROADCAST, SERVER_PORT);
    if (sender < 0 || setsockopt(sender, SOL_SOCKET, SO_BROADCAST, &on, sizeof on) ||
        sendto(sender, request.data(), request.size(), 0,
               reinterpret_cast<const sockaddr*>(&broadcast), sizeof broadcast) < 0)
        return Fail("broadcast to udp port 1212");
    close(sender);

    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        pollfd readable{receiver, POLLIN, 0};
        if (left.count() <= 0 || poll(&readable, 1, int(left.count())) <= 0)
            break;
        char buffer[65536];
        const ssize_t n = recv(receiver, buffer, sizeof buffer, 0);
        if (n >= 0)
            std::cout << n << " " << EscapedText(std::string_view(buffer, std::size_t(n))) << "\n";
    }
    close(receiver);
    return 0;
}
