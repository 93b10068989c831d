#include "app/app_objects.h"

// Constructed in this order before the program starts and destroyed in the
// reverse order after it ends.
CReviewPage g_reviewPage;
CDateTimePage g_dateTimePage;
CProgressDlg g_passwordProgress;
CProgressDlg g_saveProgress;
CNetworkPage g_networkPage;
CProgressDlg g_searchProgress;
CSetupApp theApp;
CSearchPage g_searchPage;
