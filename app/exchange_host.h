#pragma once
// The one way a window talks to the arrays. The host owns the window's side of
// the exchange (Winsock, timer, socket notifications, which it takes from the
// window's messages itself) and drives the window's progress window: open with
// its message, one step at each tick before the tick is counted, closed at the
// end. The window only says what a reply means and what the expiry does.
#include "app/progress_dlg.h"
#include "core/protocol/exchange.h"
#include "app/winsock_io.h"
#include "win/dialog.h"

#include <string_view>

class ExchangeClient {
public:
    // A datagram addressed to this computer, while the exchange waits.
    virtual void OnReply(const Reply& reply) = 0;
    // The tick after the limit, with no ending reply. The progress window is
    // closed, the timer stopped and the receive socket closed already.
    virtual void OnExpiry() = 0;

protected:
    ~ExchangeClient() = default;
};

class CExchangeHost : private CDialog::MessageHandler {
public:
    CExchangeHost(CDialog& window, CProgressDlg& progress, ExchangeClient& client);

    // Opens the progress window over the window with string `messageId`, then
    // sends `request` through the adapter of `from` (every adapter when
    // empty). A socket that cannot listen has shown its box and closed the
    // progress window again: the exchange is over before it began. A request
    // that no adapter took leaves the wait running, unheard, and the window to
    // say so (ShowSendError) and end it when it will.
    // A progress window that another window's exchange holds open (two step-1
    // pages share one) is left to that exchange: this one neither steps nor
    // closes it.
    Exchange::Sent Start(unsigned messageId, std::string_view request, unsigned tickLimit,
                         std::string_view from = {});
    void ShowSendError();
    // Start, for a window whose exchange ends at once when nothing went out:
    // true while the request waits for its answer; false once the exchange is
    // over and the user was told why.
    bool StartOrEnd(unsigned messageId, std::string_view request, unsigned tickLimit,
                    std::string_view from);
    // The window's ending reply: the progress window is closed, the timer
    // stopped and the socket closed; no expiry follows. A window destroyed
    // while its exchange waits ends it the same way.
    void Finish();
    // From Start until the ending reply, the expiry or Finish.
    bool Waiting() const { return m_exchange.Waiting(); }

private:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnTimer();
    void OnPINGAsynch(WPARAM socket, LPARAM event);
    void Read(WPARAM socket, LPARAM event);
    void CloseProgress();

    CDialog& m_window;
    CProgressDlg& m_progress;
    ExchangeClient& m_client;
    WinsockIo m_io;
    Exchange m_exchange;
    bool m_inStep = false;
    bool m_ownsProgress = false;
};
