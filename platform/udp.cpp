#include "platform/udp.h"

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

int g_receiveBufferRequest = 8 << 20;

namespace {

#ifdef _WIN32
using Native = SOCKET;
constexpr int kFailed = SOCKET_ERROR;
#else
using Native = int;
constexpr int kFailed = -1;
#endif

Native ToNative(UdpSocket socket) {
    return static_cast<Native>(socket);
}

UdpSocket FromNative(Native socket) {
#ifdef _WIN32
    return socket == INVALID_SOCKET ? kNoSocket : static_cast<UdpSocket>(socket);
#else
    return socket < 0 ? kNoSocket : static_cast<UdpSocket>(socket);
#endif
}

sockaddr_in Endpoint(std::uint32_t address, unsigned short port) {
    sockaddr_in endpoint{};
    endpoint.sin_family = AF_INET;
    endpoint.sin_addr.s_addr = address;
    endpoint.sin_port = htons(port);
    return endpoint;
}

} // namespace

UdpSocket OpenReceiveSocket() {
    const UdpSocket socket = FromNative(::socket(AF_INET, SOCK_DGRAM, 0));
    if (socket == kNoSocket)
        return kNoSocket;
    int size = g_receiveBufferRequest;
    ::setsockopt(ToNative(socket), SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char*>(&size),
                 sizeof size);
    return socket;
}

bool BindToPort(UdpSocket socket, unsigned short port) {
    const sockaddr_in local = Endpoint(htonl(INADDR_ANY), port);
    return ::bind(ToNative(socket), reinterpret_cast<const sockaddr*>(&local), sizeof local) !=
           kFailed;
}

bool MakeNonBlocking(UdpSocket socket) {
#ifdef _WIN32
    u_long on = 1;
    return ::ioctlsocket(ToNative(socket), FIONBIO, &on) != kFailed;
#else
    const int flags = ::fcntl(ToNative(socket), F_GETFL);
    return flags != -1 && ::fcntl(ToNative(socket), F_SETFL, flags | O_NONBLOCK) != -1;
#endif
}

void CloseSocket(UdpSocket socket) {
#ifdef _WIN32
    ::closesocket(ToNative(socket));
#else
    ::close(ToNative(socket));
#endif
}

ExchangeIo::Received ReceiveDatagram(UdpSocket socket, std::string& datagram) {
    // One byte more than a message may have tells a longer datagram apart.
    char buffer[kMessageBufferSize + 1];
    sockaddr_in from{};
    socklen_t fromLength = sizeof from;
#ifdef _WIN32
    // Windows fails a datagram longer than the buffer with WSAEMSGSIZE, and it is gone.
    const int received = ::recvfrom(ToNative(socket), buffer, kMessageBufferSize, 0,
                                    reinterpret_cast<sockaddr*>(&from), &fromLength);
    if (received == SOCKET_ERROR)
        return ::WSAGetLastError() == WSAEMSGSIZE ? ExchangeIo::Received::kDropped
                                                  : ExchangeIo::Received::kNone;
#else
    // Linux cuts it to the buffer, and says so with MSG_TRUNC.
    const ssize_t received = ::recvfrom(ToNative(socket), buffer, kMessageBufferSize, MSG_TRUNC,
                                        reinterpret_cast<sockaddr*>(&from), &fromLength);
    if (received < 0)
        return ExchangeIo::Received::kNone;
    if (static_cast<std::size_t>(received) > kMessageBufferSize)
        return ExchangeIo::Received::kDropped;
#endif
    datagram.assign(buffer, static_cast<std::size_t>(received));
    return ExchangeIo::Received::kDatagram;
}

bool WaitReadable(UdpSocket socket, int milliseconds) {
#ifdef _WIN32
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(ToNative(socket), &readable);
    timeval timeout{milliseconds / 1000, milliseconds % 1000 * 1000};
    return ::select(0, &readable, nullptr, nullptr, &timeout) > 0;
#else
    pollfd readable{ToNative(socket), POLLIN, 0};
    return ::poll(&readable, 1, milliseconds) > 0 && (readable.revents & POLLIN) != 0;
#endif
}

bool SendBroadcast(std::string_view datagram, std::string_view from, unsigned short port) {
    const UdpSocket sender = FromNative(::socket(AF_INET, SOCK_DGRAM, 0));
    if (sender == kNoSocket)
        return false;
    const int on = 1;
    ::setsockopt(ToNative(sender), SOL_SOCKET, SO_BROADCAST, reinterpret_cast<const char*>(&on),
                 sizeof on);
    bool ready = true;
    if (!from.empty()) {
        in_addr address{};
        ready = ::inet_pton(AF_INET, std::string(from).c_str(), &address) == 1;
        const sockaddr_in local = Endpoint(address.s_addr, 0);
        ready = ready && ::bind(ToNative(sender), reinterpret_cast<const sockaddr*>(&local),
                                sizeof local) != kFailed;
    }
    const sockaddr_in to = Endpoint(htonl(INADDR_BROADCAST), port);
    const bool sent =
        ready && ::sendto(ToNative(sender), datagram.data(), static_cast<int>(datagram.size()), 0,
                          reinterpret_cast<const sockaddr*>(&to), sizeof to) != kFailed;
    CloseSocket(sender);
    return sent;
}
