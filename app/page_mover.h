#pragma once
// The one rule by which wizard pages replace one another. A page's object
// lives as long as the wizard; its windows come and go, each made for a run.
#include "core/setup/wizard_run.h"
#include "win/dialog.h"

#include <memory>
#include <optional>
#include <vector>

class CWizardPage;

class CPageMover {
public:
    // Moves from `from` (null: from the welcome window, which stays) to
    // `target`, which belongs to `run` (null for step 1). A step 1 that has a
    // window is only shown; any other target's window is made anew, so that
    // no page shows what its run would not send. A move into a busy page
    // (CWizardPage::IsBusy: a save waiting, a box of its own open) waits, and
    // goes on once that business has ended, unless the page it was made from
    // is gone by then: no move destroys a window in the middle of its work.
    void MoveTo(CWizardPage* from, CWizardPage& target, std::shared_ptr<WizardRun> run);
    // `page` is free again: the move that waited for it goes on.
    void OnPageFree(CWizardPage& page);

protected:
    CPageMover() = default;
    ~CPageMover() = default;

private:
    struct WaitingMove {
        CWizardPage* from;
        std::optional<CWindowWatch> origin; // from's window; none from the welcome window
        CWizardPage* target;
        std::shared_ptr<WizardRun> run;
    };
    // At most one a target: a later move into it replaces an earlier one.
    std::vector<WaitingMove> m_waiting;
};
