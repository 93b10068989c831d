#include "app/winsock_io.h"

#include "platform/adapters.h"
#include "win/wnd.h"

WinsockIo::~WinsockIo() {
    CloseReceiveSocket();
}

HWND WinsockIo::Window() const {
    return m_window.GetSafeHwnd();
}

void WinsockIo::StartTimer() {
    ::SetTimer(Window(), IDT_EXCHANGE, kTickMs, nullptr);
}

void WinsockIo::StopTimer() {
    ::KillTimer(Window(), IDT_EXCHANGE);
}

bool WinsockIo::CreateReceiveSocket() {
    m_receiveSocket = OpenReceiveSocket();
    return m_receiveSocket != kNoSocket;
}

bool WinsockIo::BindReceiveSocket() {
    return BindToPort(m_receiveSocket, CLIENT_PORT);
}

// From here the socket is non-blocking: an empty queue ends a read at once.
bool WinsockIo::SelectReceiveSocket() {
    return ::WSAAsyncSelect(m_receiveSocket, Window(), WM_PING_ASYNCH, FD_READ) != SOCKET_ERROR;
}

void WinsockIo::HoldNotifications(bool held) {
    if (m_receiveSocket != kNoSocket)
        ::WSAAsyncSelect(m_receiveSocket, Window(), held ? 0 : WM_PING_ASYNCH, held ? 0 : FD_READ);
}

void WinsockIo::CloseReceiveSocket() {
    if (m_receiveSocket == kNoSocket)
        return;
    CloseSocket(m_receiveSocket);
    m_receiveSocket = kNoSocket;
}

ExchangeIo::Received WinsockIo::ReceiveDatagram(std::string& datagram) {
    return ::ReceiveDatagram(m_receiveSocket, datagram);
}

bool WinsockIo::SendFrom(std::string_view datagram, std::string_view from) {
    return SendBroadcast(datagram, from, SERVER_PORT);
}

std::vector<std::vector<std::string>> WinsockIo::Adapters() {
    return AdapterAddresses();
}

std::vector<std::string> WinsockIo::HostAddresses() {
    return ::HostAddresses();
}
