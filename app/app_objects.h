#pragma once
// The application-wide window objects. They live for the whole run; their
// windows are created and destroyed many times. Each forward move targets the
// page object here; Back targets the previous-step object a page holds.
#include "app/progress_dlg.h"
#include "app/setup_app.h"
#include "pages/review_page.h"

extern CReviewPage g_reviewPage;
extern CDateTimePage g_dateTimePage;
extern CProgressDlg g_passwordProgress;
extern CProgressDlg g_saveProgress;
extern CNetworkPage g_networkPage;
extern CProgressDlg g_searchProgress;
extern CSetupApp theApp;
extern CSearchPage g_searchPage;
