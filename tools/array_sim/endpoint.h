#pragma once
// An IPv4 socket address from a host-order address and port, for the lab's
// native programs (simulator, client, benchmark).
#include <arpa/inet.h>
#include <netinet/in.h>

inline sockaddr_in Endpoint(in_addr_t address, unsigned short port) {
    sockaddr_in endpoint{};
    endpoint.sin_family = AF_INET;
    endpoint.sin_addr.s_addr = htonl(address);
    endpoint.sin_port = htons(port);
    return endpoint;
}
