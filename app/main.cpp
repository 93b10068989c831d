#include "app/app_objects.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    RegisterControlClasses();
    theApp.InitInstance();
    return 0;
}
