#pragma once
// The wizard: its pages, their progress windows and the one rule by which
// pages replace one another. Page objects live as long as the wizard; their
// windows come and go.
//
// A run (WizardRun) begins when step 1's "确定" has passed the password check;
// steps 2 to 4 opened from there belong to it and show, edit and save that
// run alone, whatever other windows do meanwhile. A forward or Back move into
// a page that has a window already (hidden by Esc, or open beside another
// run's pages) makes that window anew from the run, so that no page shows
// what its run would not send. Step 1 belongs to no run.
#include "app/page_mover.h"
#include "app/progress_dlg.h"
#include "core/setup/wizard_run.h"
#include "pages/datetime_page.h"
#include "pages/network_page.h"
#include "pages/review_page.h"
#include "pages/search_page.h"

#include <functional>
#include <memory>
#include <string>

// What the wizard asks of the world beyond its own windows; passed in, so
// that a test can stand in for it.
struct WizardServices {
    // The administrator password check that guards the way to step 2: IDOK
    // when the array of the run accepted the password (CheckPassword).
    std::function<INT_PTR(const WizardRun& run, CProgressDlg& progress)> checkPassword;
    // Opens an array's web page in the user's browser (OpenWebPage).
    std::function<void(const std::wstring& address)> openWebPage;
};

class CWizard : public CPageMover {
public:
    explicit CWizard(WizardServices services);
    CWizard(const CWizard&) = delete;
    CWizard& operator=(const CWizard&) = delete;

    // "开始": step 1, made (and searching) unless it has a window already.
    void OnStart();
    // "确定" of step 1 with the run the password check began, "下一步" of steps
    // 2 and 3 with their own: on to the next step with `run`.
    void Next(CWizardPage& from, std::shared_ptr<WizardRun> run);
    // "上一步": step 4 to 3 and 3 to 2 keep the run; 2 to a fresh step 1.
    void Back(CWizardPage& from);

    WizardServices services;
    // One progress window per exchange; the two step-1 windows share theirs.
    CProgressDlg searchProgress;
    CProgressDlg passwordProgress;
    CProgressDlg saveProgress;

    CSearchPage searchPage;     // the one "开始" opens
    CSearchPage backSearchPage; // the one step 2's "上一步" opens
    CNetworkPage networkPage;
    CDateTimePage dateTimePage;
    CReviewPage reviewPage;
};
