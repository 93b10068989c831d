#pragma once
// The array's web page, in the user's web browser.
#include <string>

void OpenWebPage(const std::wstring& address);
