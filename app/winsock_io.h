#pragma once
// The exchange's sockets and timer on Windows Sockets and USER, for one
// window: socket notifications and ticks arrive as that window's messages.
#include <winsock2.h>

#include "app/timer_ids.h"
#include "core/protocol/exchange.h"
#include "platform/udp.h"

// The window message that reports activity on the receive socket.
inline constexpr UINT WM_PING_ASYNCH = WM_USER + 200;

class CWnd;

class WinsockIo : public ExchangeIo {
public:
    // The window may be created and destroyed many times while this object
    // lives; its current handle is read at each call.
    explicit WinsockIo(CWnd& window) : m_window(window) {}
    ~WinsockIo() override;
    WinsockIo(const WinsockIo&) = delete;
    WinsockIo& operator=(const WinsockIo&) = delete;

    void StartTimer() override;
    void StopTimer() override;
    bool CreateReceiveSocket() override;
    std::uintptr_t ReceiveSocketHandle() const override { return m_receiveSocket; }
    bool BindReceiveSocket() override;
    bool SelectReceiveSocket() override;
    void CloseReceiveSocket() override;
    Received ReceiveDatagram(std::string& datagram) override;
    bool SendFrom(std::string_view datagram, std::string_view from) override;
    std::vector<std::vector<std::string>> Adapters() override;
    std::vector<std::string> HostAddresses() override;
    // Held while the socket is read dry; taken up again, they raise one at
    // once if anything came in meanwhile.
    void HoldNotifications(bool held);

private:
    HWND Window() const;

    CWnd& m_window;
    UdpSocket m_receiveSocket = kNoSocket;
};
