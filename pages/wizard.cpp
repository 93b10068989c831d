#include "pages/wizard.h"

CWizard::CWizard(WizardServices services)
    : services(std::move(services)), searchPage(*this), backSearchPage(*this), networkPage(*this),
      dateTimePage(*this), reviewPage(*this) {}

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
