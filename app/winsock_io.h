#pragma once
// The exchange's sockets, timer and message boxes on Winsock and USER, for one
// window: notifications and ticks arrive as that window's messages.
#include "core/protocol/exchange.h"
#include <winsock2.h>

// The window message that reports activity on the receive socket, and the
// timer that ticks the exchange.
inline constexpr UINT WM_PING_ASYNCH = WM_USER + 200;
inline constexpr UINT_PTR IDT_EXCHANGE = 1225;
inline constexpr UINT kTickPeriodMs = 50;

#include <functional>

class CWnd;

// What a receive socket asks the system for: room for what arrives faster
// than it can be read, the replies of a couple of thousand arrays answering a
// search at once (about 2 KiB of kernel memory each), or the answers behind
// thousands of junk datagrams. The kernel drops what finds the buffer full,
// and the answers come last. Linux grants at most net.core.rmem_max; the
// burst benchmark lowers the request to see the wizard where the system
// grants no more than a stock Linux does.
extern int g_receiveBufferRequest;

class WinsockIo : public ExchangeIo {
public:
    // The window may be created and destroyed many times while this object
    // lives; its current handle is read at each call. `keepDisabled` tells,
    // when a socket error box closes, whether the window must stay disabled
    // (a closing box enables its owner whatever state it found it in).
    WinsockIo(CWnd& window, std::function<bool()> keepDisabled)
        : window_(window), keepDisabled_(std::move(keepDisabled)) {}
    ~WinsockIo() override;
    WinsockIo(const WinsockIo&) = delete;
    WinsockIo& operator=(const WinsockIo&) = delete;

    void StartTimer() override;
    void StopTimer() override;
    bool CreateReceiveSocket() override;
    std::uintptr_t ReceiveSocketHandle() const override { return receiveSocket_; }
    bool BindReceiveSocket() override;
    bool SelectReceiveSocket() override;
    void CloseReceiveSocket() override;
    Received ReceiveDatagram(std::string& datagram) override;
    bool SendFrom(std::string_view datagram, std::string_view from) override;
    std::vector<std::vector<std::string>> Adapters() override;
    std::vector<std::string> HostAddresses() override;
    void ShowSocketError(const char* text, const char* caption) override;
    void ShowEventError(const std::string& text) override;
    // Held while the socket is read dry; taken up again, they raise one at
    // once if anything came in meanwhile.
    void HoldNotifications(bool held);

private:
    HWND Window() const;
    void ShowBox(const char* text, const char* caption, UINT style);

    CWnd& window_;
    std::function<bool()> keepDisabled_;
    SOCKET receiveSocket_ = INVALID_SOCKET;
};
