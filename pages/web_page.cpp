#include "pages/web_page.h"

#include <windows.h>

#include <shellapi.h>

// The shell's "open" starts whatever browser the user chose for web addresses.
void OpenWebPage(const std::wstring& address) {
    ::ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOW);
}
