#include "pages/wizard.h"

CWizard::CWizard()
    : searchPage(*this), backSearchPage(*this), networkPage(*this), dateTimePage(*this),
      reviewPage(*this) {}

void CWizard::OnStart() {
    MoveTo(nullptr, searchPage, nullptr);
}

void CWizard::Next(CWizardPage& from, std::shared_ptr<WizardRun> run) {
    CWizardPage* target = &networkPage;
    if (&from == &networkPage)
        target = &dateTimePage;
    else if (&from == &dateTimePage)
        target = &reviewPage;
    MoveTo(&from, *target, std::move(run));
}

void CWizard::Back(CWizardPage& from) {
    if (&from == &reviewPage)
        MoveTo(&from, dateTimePage, from.Run());
    else if (&from == &dateTimePage)
        MoveTo(&from, networkPage, from.Run());
    else
        MoveTo(&from, backSearchPage, nullptr);
}

void CWizard::MoveTo(CWizardPage* from, CWizardPage& target, std::shared_ptr<WizardRun> run) {
    if (target.IsWindow()) {
        if (!run) {
            target.ShowWindow(SW_SHOW);
            return;
        }
        target.DestroyWindow();
    }
    if (from != nullptr)
        from->DestroyWindow();
    target.SetRun(std::move(run));
    // A page that cannot be created is not reported: the move ends with no page.
    if (target.Create()) {
        CWnd* main = GetMainWnd();
        target.CenterWindow(main != nullptr ? main->m_hWnd : nullptr);
        target.ShowWindow(SW_SHOW);
    }
}
