#pragma once
// The GUI tests link this in place of the real administrator password check
// (the linker takes a definition from the program before the library's), so the
// step-1 move can be driven without an array to ask.
#include <windows.h>

extern INT_PTR g_passwordAnswer;
extern int g_passwordChecks;
