#include "app/winsock_io.h"
#include "platform/adapters.h"
#include "win/wnd.h"
#include <ws2tcpip.h>

int g_receiveBufferRequest = 8 << 20;

WinsockIo::~WinsockIo() {
    CloseReceiveSocket();
}

HWND WinsockIo::Window() const {
    return window_.GetSafeHwnd();
}

void WinsockIo::StartTimer() {
    ::SetTimer(Window(), IDT_EXCHANGE, kTickPeriodMs, nullptr);
}

void WinsockIo::StopTimer() {
    ::KillTimer(Window(), IDT_EXCHANGE);
}

bool WinsockIo::CreateReceiveSocket() {
    receiveSocket_ = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (receiveSocket_ == INVALID_SOCKET) {
        ::WSAGetLastError();
        return false;
    }
    int size = g_receiveBufferRequest;
    ::setsockopt(receiveSocket_, SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char*>(&size),
                 sizeof size);
    return true;
}

bool WinsockIo::BindReceiveSocket() {
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    local.sin_port = htons(CLIENT_PORT);
    if (::bind(receiveSocket_, reinterpret_cast<const sockaddr*>(&local), sizeof local) ==
        SOCKET_ERROR) {
        ::WSAGetLastError();
        return false;
    }
    return true;
}

bool WinsockIo::SelectReceiveSocket() {
    if (::WSAAsyncSelect(receiveSocket_, Window(), WM_PING_ASYNCH, FD_READ) == SOCKET_ERROR) {
        ::WSAGetLastError();
        return false;
    }
    return true;
}

void WinsockIo::HoldNotifications(bool held) {
    if (receiveSocket_ != INVALID_SOCKET)
        ::WSAAsyncSelect(receiveSocket_, Window(), held ? 0 : WM_PING_ASYNCH, held ? 0 : FD_READ);
}

void WinsockIo::CloseReceiveSocket() {
    if (receiveSocket_ == INVALID_SOCKET)
        return;
    ::closesocket(receiveSocket_);
    receiveSocket_ = INVALID_SOCKET;
}

ExchangeIo::Received WinsockIo::ReceiveDatagram(std::string& datagram) {
    char buffer[kMessageBufferSize];
    sockaddr_in from{};
    int fromLength = sizeof from;
    // The socket is non-blocking since WSAAsyncSelect: an empty queue fails
    // with WSAEWOULDBLOCK. A datagram longer than the buffer fails with
    // WSAEMSGSIZE and is gone; the next one may be fine.
    const int received = ::recvfrom(receiveSocket_, buffer, sizeof buffer, 0,
                                    reinterpret_cast<sockaddr*>(&from), &fromLength);
    if (received == SOCKET_ERROR)
        return ::WSAGetLastError() == WSAEMSGSIZE ? Received::kDropped : Received::kNone;
    datagram.assign(buffer, static_cast<std::size_t>(received));
    return Received::kDatagram;
}

bool WinsockIo::SendFrom(std::string_view datagram, std::string_view from) {
    const SOCKET sender = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (sender == INVALID_SOCKET)
        return false;
    BOOL on = TRUE;
    ::setsockopt(sender, SOL_SOCKET, SO_BROADCAST, reinterpret_cast<const char*>(&on), sizeof on);
    bool ready = true;
    if (!from.empty()) {
        sockaddr_in local{};
        local.sin_family = AF_INET;
        local.sin_addr.s_addr = ::inet_addr(std::string(from).c_str());
        ready =
            local.sin_addr.s_addr != INADDR_NONE &&
            ::bind(sender, reinterpret_cast<const sockaddr*>(&local), sizeof local) != SOCKET_ERROR;
    }
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr.s_addr = htonl(INADDR_BROADCAST);
    to.sin_port = htons(SERVER_PORT);
    const bool sent =
        ready && ::sendto(sender, datagram.data(), static_cast<int>(datagram.size()), 0,
                          reinterpret_cast<const sockaddr*>(&to), sizeof to) != SOCKET_ERROR;
    ::closesocket(sender);
    return sent;
}

std::vector<std::vector<std::string>> WinsockIo::Adapters() {
    return AdapterAddresses();
}

std::vector<std::string> WinsockIo::HostAddresses() {
    std::vector<std::string> addresses;
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) == SOCKET_ERROR)
        return addresses;
    const hostent* host = ::gethostbyname(name);
    if (!host || host->h_addrtype != AF_INET || host->h_length != sizeof(in_addr))
        return addresses;
    for (char** entry = host->h_addr_list; *entry; ++entry) {
        in_addr address;
        memcpy(&address, *entry, sizeof address);
        addresses.push_back(::inet_ntoa(address));
    }
    return addresses;
}

void WinsockIo::ShowSocketError(const char* text, const char* caption) {
    ShowBox(text, caption, MB_OK);
}

void WinsockIo::ShowEventError(const std::string& text) {
    ShowBox(text.c_str(), kEventErrorCaption, MB_SYSTEMMODAL);
}

void WinsockIo::ShowBox(const char* text, const char* caption, UINT style) {
    // A window kept disabled by its progress window while it waits must stay
    // so, or the user could leave or restart an exchange that still runs. But
    // the timer ticks on inside the box, and an exchange that expired there
    // has given the window back: disabling it again would lock it for good.
    const HWND owner = Window();
    ::MessageBoxA(owner, text, caption, style);
    if (keepDisabled_() && ::IsWindow(owner))
        ::EnableWindow(owner, FALSE);
}
