#include "app/setup_app.h"
#include "pages/password_dlg.h"
#include "pages/web_page.h"
#include "pages/wizard.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    RegisterControlClasses();
    CWizard wizard({CheckPassword, OpenWebPage});
    CSetupApp app;
    app.InitInstance([&wizard] { wizard.OnStart(); });
    return 0;
}
