#include "app/setup_app.h"
#include "pages/wizard.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    RegisterControlClasses();
    CWizard wizard;
    CSetupApp app;
    app.InitInstance([&wizard] { wizard.OnStart(); });
    return 0;
}
