#include "app/setup_app.h"

#include "app/welcome_dlg.h"
#include "res/resource.h"
#include "win/text.h"
#include "win/wnd.h"

#include <winsock2.h>

#include <commctrl.h>

void RegisterControlClasses() {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_INTERNET_CLASSES |
                                                          ICC_DATE_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
}

BOOL CSetupApp::InitInstance(const std::function<void()>& onStart) {
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) {
        AppMessageBox(win::LoadResourceString(IDS_INIT_FAILED), MB_OK);
        return FALSE;
    }
    CWelcomeDlg welcome(onStart);
    SetMainWnd(&welcome);
    welcome.DoModal();
    SetMainWnd(nullptr);
    WSACleanup();
    return FALSE;
}
