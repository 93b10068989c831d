#include "pages/password_dlg.h"
#include "pages/search_page.h"

INT_PTR RunPasswordCheck() {
    CPasswordDlg dialog;
    return dialog.DoModal();
}
