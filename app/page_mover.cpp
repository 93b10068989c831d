#include "app/page_mover.h"

#include "app/wizard_page.h"

#include <algorithm>

void CPageMover::MoveTo(CWizardPage* from, CWizardPage& target, std::shared_ptr<WizardRun> run) {
    if (target.IsWindow() && !run) {
        target.ShowWindow(SW_SHOW);
        return;
    }
    if (target.IsBusy()) {
        std::erase_if(m_waiting, [&](const WaitingMove& move) { return move.target == &target; });
        m_waiting.push_back({from, from ? std::optional(CWindowWatch(*from)) : std::nullopt,
                             &target, std::move(run)});
        return;
    }
    target.DestroyWindow();
    if (from != nullptr)
        from->DestroyWindow();
    target.SetRun(std::move(run));
    // A page that cannot be created is not reported: the move ends with no page.
    if (!target.Create() || !target.IsWindow())
        return;
    CWnd* main = GetMainWnd();
    target.CenterWindow(main != nullptr ? main->m_hWnd : nullptr);
    target.ShowWindow(SW_SHOW);
}

void CPageMover::OnPageFree(CWizardPage& page) {
    const auto waiting = std::ranges::find(m_waiting, &page, &WaitingMove::target);
    if (waiting == m_waiting.end())
        return;
    WaitingMove move = std::move(*waiting);
    m_waiting.erase(waiting);
    if (!move.origin || move.origin->Same())
        MoveTo(move.from, page, std::move(move.run));
}
