#pragma once
// The last question before new settings are sent: IDOK goes on, IDCANCEL keeps
// the previous settings. The dialog's standard handling of Enter, Esc and the
// two buttons gives both.
#include "win/dialog.h"

class CConfirmDlg : public CDialog {
public:
    explicit CConfirmDlg(HWND parent = nullptr);
};
