#include "app/exchange_host.h"

#include "res/messages.h"
#include "win/text.h"

#include <cstdio>

CExchangeHost::CExchangeHost(CDialog& window, CProgressDlg& progress, ExchangeClient& client)
    : m_window(window), m_progress(progress), m_client(client), m_io(window), m_exchange(m_io) {
    window.ChainMessages(*this);
}

std::optional<ExchangeFailure> CExchangeHost::Start(unsigned messageId,
                                                    const Conversation& conversation) {
    m_ownsProgress = !m_progress.IsWindow();
    if (m_ownsProgress) {
        m_progress.Open(m_window.m_hWnd);
        if (m_progress.m_message.IsWindow())
            m_progress.m_message.SetWindowText(win::LoadResourceString(messageId));
    }
    const std::optional<ExchangeFailure> failure = m_exchange.Start(conversation);
    using enum ExchangeFailure;
    if (failure == kCreateSocket)
        ShowBox(kCreateSocketText, kCreateSocketCaption, MB_OK);
    else if (failure == kBindSocket)
        ShowBox(kBindText, kBindCaption, MB_OK);
    else if (failure == kSelectSocket)
        ShowBox(kSelectText, kSelectCaption, MB_OK);
    if (failure && failure != kSend)
        CloseProgress();
    return failure;
}

std::optional<ExchangeFailure> CExchangeHost::StartOrEnd(unsigned messageId,
                                                         const Conversation& conversation) {
    const std::optional<ExchangeFailure> failure = Start(messageId, conversation);
    using enum ExchangeFailure;
    if (failure == kSend || failure == kAddressTooLong || failure == kSettingsTooLong) {
        Finish();
        ShowSendError();
    }
    return failure;
}

void CExchangeHost::ShowSendError() {
    m_window.MessageBoxA(kSendText, kSendCaption, MB_OK | MB_ICONEXCLAMATION);
}

void CExchangeHost::ShowBox(const char* text, const char* caption, UINT style) {
    // A window kept disabled by its progress window while it waits must stay
    // so, or the user could leave or restart an exchange that still runs. But
    // the timer ticks on inside the box, and an exchange that expired there
    // has given the window back: disabling it again would lock it for good.
    const HWND owner = m_window.m_hWnd;
    m_window.MessageBoxA(text, caption, style);
    if (m_exchange.Waiting() && m_ownsProgress && m_progress.IsWindow() && ::IsWindow(owner))
        ::EnableWindow(owner, FALSE);
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
        OnPINGAsynch(wParam, lParam);
    else
        return false;
    result = 0;
    return true;
}

void CExchangeHost::OnTimer() {
    // A tick that the step's pump comes upon, or one in a modal loop that a
    // handler run by the pump entered (a message box, a confirmation), counts
    // as any tick does, or a search would hold the port for as long as that
    // loop ran; it only does not step again inside the step.
    const CWindowWatch self(m_window);
    if (!m_inStep && m_ownsProgress) {
        m_inStep = true;
        m_progress.Step();
        m_inStep = false;
    }
    // The pump may have ended the exchange with its window, whose object may
    // even have a new window by now: the tick was the old one's.
    if (!self.Same() || !m_exchange.OnTick())
        return;
    CloseProgress();
    m_exchange.StopTimer();
    m_exchange.CloseReceiveSocket();
    m_client.OnExpiry();
}

void CExchangeHost::OnPINGAsynch(WPARAM socket, LPARAM event) {
    // A read that leaves datagrams behind queues one more notification, each
    // a trip through the Wine server to post and another to drop: a burst of
    // them costs as much as the reading and holds back the ticks. So the
    // socket raises none while it is read dry; those queued before are
    // dropped (one with an error still shows its box), and taking them up
    // again raises one for whatever came in meanwhile.
    // A reply's handler may close the window, or a box of its may let
    // another window's move give the object a new one: then nothing here is
    // this window's any more.
    const CWindowWatch self(m_window);
    m_io.HoldNotifications(true);
    Read(socket, event);
    MSG queued;
    while (self.Same() &&
           ::PeekMessageW(&queued, m_window.m_hWnd, WM_PING_ASYNCH, WM_PING_ASYNCH, PM_REMOVE))
        if (WSAGETSELECTERROR(queued.lParam) != 0)
            Read(queued.wParam, queued.lParam);
    if (self.Same())
        m_io.HoldNotifications(false);
}

void CExchangeHost::Read(WPARAM socket, LPARAM event) {
    m_exchange.OnPINGAsynch(
        socket, WSAGETSELECTEVENT(event), WSAGETSELECTERROR(event),
        {[this](const Reply& reply, Answer answer) { m_client.OnAnswer(reply, answer); },
         [this](unsigned code, unsigned error) {
             char text[64];
             std::snprintf(text, sizeof text, kEventErrorFormat, code, error);
             ShowBox(text, kEventErrorCaption, MB_SYSTEMMODAL);
         }});
}
