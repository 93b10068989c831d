#include "pages/confirm_dlg.h"

#include "res/resource.h"

CConfirmDlg::CConfirmDlg(HWND parent) : CDialog(IDD_CONFIRM, parent) {}
