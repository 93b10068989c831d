#include "app/exchange_host.h"

#include "win/text.h"

CExchangeHost::CExchangeHost(CDialog& window, CProgressDlg& progress, ExchangeClient& client)
    : m_window(window), m_progress(progress), m_client(client),
      m_io(window,
           [this] { return m_exchange.Waiting() && m_ownsProgress && m_progress.IsWindow(); }),
      m_exchange(m_io) {
    window.ChainMessages(*this);
}

bool CExchangeHost::Start(unsigned messageId, std::string_view request, unsigned tickLimit) {
    m_ownsProgress = !m_progress.IsWindow();
    if (m_ownsProgress) {
        m_progress.Open(m_window.m_hWnd);
        if (m_progress.m_message.IsWindow())
            m_progress.m_message.SetWindowText(win::LoadResourceString(messageId));
    }
    return m_exchange.SendRequest(request, tickLimit);
}

void CExchangeHost::Finish() {
    CloseProgress();
    m_exchange.End();
}

void CExchangeHost::CloseProgress() {
    if (m_ownsProgress)
        m_progress.DestroyWindow();
    m_ownsProgress = false;
}

bool CExchangeHost::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_DESTROY) {
        // The timer goes with the window, but the socket would stay bound.
        if (m_exchange.Waiting())
            Finish();
        return false;
    }
    if (message == WM_TIMER && wParam == IDT_EXCHANGE)
        OnTimer();
    else if (message == WM_PING_ASYNCH)
        OnPINGAsynch(lParam);
    else
        return false;
    result = 0;
    return true;
}

void CExchangeHost::OnTimer() {
    // The step's pump may come upon the next tick of this same timer; that
    // one is this tick's, not one of its own.
    if (m_inTick)
        return;
    m_inTick = true;
    if (m_ownsProgress)
        m_progress.Step();
    const bool expired = m_exchange.OnTick();
    m_inTick = false;
    if (!expired)
        return;
    CloseProgress();
    m_exchange.StopTimer();
    const bool listened = m_exchange.ReceiveSocketOpen();
    m_exchange.CloseReceiveSocket();
    m_client.OnExpiry(listened);
}

void CExchangeHost::OnPINGAsynch(LPARAM event) {
    Read(event);
    // Every datagram read raised a notification of its own, queued now; each
    // would cost a trip to the socket to find nothing, and a burst of them
    // holds back the ticks. Once all that waited is read they are dropped
    // (one with an error still shows its box), and the socket is read once
    // more for whatever came in the meantime.
    MSG queued;
    bool dropped = false;
    while (m_window.m_hWnd != nullptr &&
           ::PeekMessageW(&queued, m_window.m_hWnd, WM_PING_ASYNCH, WM_PING_ASYNCH, PM_REMOVE)) {
        if (WSAGETSELECTERROR(queued.lParam) != 0)
            Read(queued.lParam);
        dropped = true;
    }
    if (dropped)
        Read(WSAMAKESELECTREPLY(FD_READ, 0));
}

void CExchangeHost::Read(LPARAM event) {
    m_exchange.OnPINGAsynch(WSAGETSELECTEVENT(event), WSAGETSELECTERROR(event),
                            [this](const Reply& reply) { m_client.OnReply(reply); });
}
