#pragma once
// The application object: starts Windows Sockets and runs the welcome window.
#include <windows.h>

#include <functional>

// The common control classes the wizard's windows use: the program registers
// them before its first window, and so do the tests that make its windows.
void RegisterControlClasses();

class CSetupApp {
public:
    // Runs the welcome window, whose "开始" does `onStart`. Always FALSE: the
    // program ends when it returns.
    BOOL InitInstance(const std::function<void()>& onStart);
};
