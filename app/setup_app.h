#pragma once
// The application object: starts Windows Sockets and runs the welcome window.
#include <windows.h>

class CSetupApp {
public:
    // Always FALSE: the program ends when it returns.
    BOOL InitInstance();
};
