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
    // A read that leaves datagrams behind queues one more notification, each
    // a trip through the Wine server to post and another to drop: a burst of
    // them costs as much as the reading and holds back the ticks. So the
    // socket raises none while it is read dry; those queued before are
    // dropped (one with an error still shows its box), and taking them up
    // again raises one for whatever came in meanwhile.
    m_io.HoldNotifications(true);
    Read(event);
    MSG queued;
    while (m_window.m_hWnd != nullptr &&
           ::PeekMessageW(&queued, m_window.m_hWnd, WM_PING_ASYNCH, WM_PING_ASYNCH, PM_REMOVE))
        if (WSAGETSELECTERROR(queued.lParam) != 0)
            Read(queued.lParam);
    m_io.HoldNotifications(false);
}

void CExchangeHost::Read(LPARAM event) {
    m_exchange.OnPINGAsynch(WSAGETSELECTEVENT(event), WSAGETSELECTERROR(event),
                            [this](const Reply& reply) { m_client.OnReply(reply); });
}
