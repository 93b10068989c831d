#pragma once
// The one way a window talks to the arrays. The host owns the window's side of
// the exchange (Winsock, timer, socket notifications, which it takes from the
// window's messages itself) and drives the window's progress window: open with
// its message, one step at each tick before the tick is counted, closed at the
// end. The window only says what a reply means and what the expiry does.
#include "app/progress_dlg.h"
#include "messaging/exchange.h"
#include "messaging/winsock_io.h"
#include "win/dialog.h"

#include <string_view>

class ExchangeClient {
public:
    // A datagram addressed to this computer, while the exchange waits.
    virtual void OnReply(const Reply& reply) = 0;
    // The tick after the limit. The progress window is closed, the timer
    // stopped and the receive socket closed already; `listened` tells whether
    // the socket was still open (no ending reply closed it, nor did it fail).
    virtual void OnExpiry(bool listened) = 0;

protected:
    ~ExchangeClient() = default;
};

class CExchangeHost : private CDialog::MessageHandler {
public:
    CExchangeHost(CDialog& window, CProgressDlg& progress, ExchangeClient& client);

    // Opens the progress window over the window with string `messageId`, then
    // sends `request`. True when it went out with the receive socket listening.
    // A progress window that another window's exchange holds open (two step-1
    // pages share one) is left to that exchange: this one neither steps nor
    // closes it.
    bool Start(unsigned messageId, std::string_view request, unsigned tickLimit);
    // The window's ending reply: the progress window is closed, the timer
    // stopped and the socket closed; no expiry follows. A window destroyed
    // while its exchange waits ends it the same way.
    void Finish();

private:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnTimer();
    void OnPINGAsynch(LPARAM event);
    void Read(LPARAM event);
    void CloseProgress();

    CDialog& m_window;
    CProgressDlg& m_progress;
    ExchangeClient& m_client;
    WinsockIo m_io;
    Exchange m_exchange;
    bool m_inTick = false;
    bool m_ownsProgress = false;
};
