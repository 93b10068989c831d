#pragma once
// The one way a window talks to the arrays. The host owns the window's side of
// the exchange (Winsock, timer, socket notifications, which it takes from the
// window's messages itself), drives the window's progress window (open with
// its message, one step at each tick before the tick is counted, closed at the
// end) and shows the boxes every window shows alike: a socket that cannot
// listen, a request that went nowhere, a notification's error. The window only
// says what an answer means to it and what the expiry does.
#include "app/progress_dlg.h"
#include "app/winsock_io.h"
#include "core/protocol/exchange.h"
#include "win/dialog.h"

#include <optional>

class ExchangeClient {
public:
    // An answer of the window's conversation, while it waits. An ending
    // answer has ended the exchange already, so that no expiry follows it;
    // the window closes its progress window when it will (Finish).
    virtual void OnAnswer(const Reply& reply, Answer answer) = 0;
    // The tick after the limit, with no ending answer. The progress window is
    // closed, the timer stopped and the receive socket closed already.
    virtual void OnExpiry() = 0;

protected:
    ~ExchangeClient() = default;
};

class CExchangeHost : private CDialog::MessageHandler {
public:
    CExchangeHost(CDialog& window, CProgressDlg& progress, ExchangeClient& client);

    // Opens the progress window over the window with string `messageId`, then
    // starts `conversation`. A socket that cannot listen has shown its box and
    // closed the progress window again: the exchange is over before it began.
    // kSend leaves the wait running, unheard, and the window to say so
    // (ShowSendError) and end it when it will; a refused conversation (too
    // long to send) is the window's to tell.
    // A progress window that another window's exchange holds open (two step-1
    // pages share one) is left to that exchange: this one neither steps nor
    // closes it.
    std::optional<ExchangeFailure> Start(unsigned messageId, const Conversation& conversation);
    void ShowSendError();
    // Start, for a window whose exchange ends at once when nothing went out:
    // a request that went nowhere, or could not be made, ends it and shows
    // the send box.
    std::optional<ExchangeFailure> StartOrEnd(unsigned messageId, const Conversation& conversation);
    // The window ends its exchange: the progress window is closed, the timer
    // stopped and the socket closed; no expiry follows. A window destroyed
    // while its exchange waits ends it the same way.
    void Finish();
    // From Start until the ending answer, the expiry or Finish.
    bool Waiting() const { return m_exchange.Waiting(); }

private:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnTimer();
    void OnPINGAsynch(WPARAM socket, LPARAM event);
    void Read(WPARAM socket, LPARAM event);
    void CloseProgress();
    void ShowBox(const char* text, const char* caption, UINT style);

    CDialog& m_window;
    CProgressDlg& m_progress;
    ExchangeClient& m_client;
    WinsockIo m_io;
    Exchange m_exchange;
    bool m_inStep = false;
    bool m_ownsProgress = false;
};
