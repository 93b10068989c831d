#include "app/page_moves.h"

void MoveToPage(CDialog* current, CDialog& target, const std::function<void()>& beforeLeaving,
                const std::function<void()>& afterLeaving) {
    if (target.IsWindow()) {
        target.ShowWindow(SW_SHOW);
        return;
    }
    if (beforeLeaving)
        beforeLeaving();
    if (current != nullptr)
        current->DestroyWindow();
    // A page that cannot be created is not reported: the move ends with no page.
    if (target.Create()) {
        CWnd* main = GetMainWnd();
        target.CenterWindow(main != nullptr ? main->m_hWnd : nullptr);
        target.ShowWindow(SW_SHOW);
    }
    if (afterLeaving)
        afterLeaving();
}
