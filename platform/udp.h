#pragma once
// UDP as the exchange uses it, on the system's sockets: POSIX on Linux, Windows
// Sockets on Windows (which the program has started). One source for both, so
// that the wizard's window-driven exchange and a blocking one read and send
// alike.
#include "core/protocol/exchange.h"

#include <cstdint>
#include <string>
#include <string_view>

using UdpSocket = std::uintptr_t;
inline constexpr UdpSocket kNoSocket = ~UdpSocket{0};

// What a receive socket asks the system for: room for what arrives faster
// than it can be read, the replies of a couple of thousand arrays answering a
// search at once (about 2 KiB of kernel memory each), or the answers behind
// thousands of junk datagrams. The kernel drops what finds the buffer full,
// and the answers come last. Linux grants at most net.core.rmem_max; the
// burst benchmark lowers the request to see the wizard where the system
// grants no more than a stock Linux does.
extern int g_receiveBufferRequest;

// A datagram socket for replies, with that receive buffer; kNoSocket when none.
UdpSocket OpenReceiveSocket();
// To every address of this computer, `port`, no address reuse: a port another
// program holds fails.
bool BindToPort(UdpSocket socket, unsigned short port);
// Reads return at once, empty-handed when nothing waits.
bool MakeNonBlocking(UdpSocket socket);
void CloseSocket(UdpSocket socket);
// The next datagram on a non-blocking socket. One longer than the message
// buffer is dropped whole: the next may be fine.
ExchangeIo::Received ReceiveDatagram(UdpSocket socket, std::string& datagram);
// Waits at most `milliseconds` for a datagram on the socket; true when one waits.
bool WaitReadable(UdpSocket socket, int milliseconds);
// One datagram to 255.255.255.255:`port` from a fresh socket, closed again,
// bound to `from` (unbound when empty). True when it went out.
bool SendBroadcast(std::string_view datagram, std::string_view from, unsigned short port);
