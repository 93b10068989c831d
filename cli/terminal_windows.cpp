#include "cli/terminal.h"

#include "cli/windows_text.h"

#include <windows.h>

bool InputIsTerminal() {
    DWORD mode = 0;
    return ::GetConsoleMode(::GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
}

std::optional<std::string> ReadTerminalLine(bool echo) {
    const HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    ::GetConsoleMode(input, &mode);
    if (!echo)
        ::SetConsoleMode(input, mode & ~static_cast<DWORD>(ENABLE_ECHO_INPUT));
    // The console hands out UTF-16 whatever its code page.
    std::wstring line;
    wchar_t unit = 0;
    DWORD read = 0;
    while (::ReadConsoleW(input, &unit, 1, &read, nullptr) && read == 1 && unit != L'\n')
        line += unit;
    ::SetConsoleMode(input, mode);
    if (read == 0 && line.empty())
        return std::nullopt;
    if (!line.empty() && line.back() == L'\r')
        line.pop_back();
    return Utf8FromWide(line);
}
