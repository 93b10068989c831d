#include "pages/password_dlg.h"
#include "pages/search_page.h"

INT_PTR RunPasswordCheck(const WizardRun& run, CProgressDlg& progress) {
    CPasswordDlg dialog(run, progress);
    return dialog.DoModal();
}
