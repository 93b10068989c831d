// q6.exe: a console program. Its arguments come as UTF-16 (wmain, linked with
// -municode) and its output goes as UTF-8, raw bytes on a pipe or in a file.
#include "cli/q6.h"
#include "cli/windows_text.h"

#include <winsock2.h>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <iostream>

namespace {

bool IsConsole(DWORD handle) {
    DWORD mode = 0;
    return ::GetConsoleMode(::GetStdHandle(handle), &mode) != 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        const std::optional<std::string> arg = Utf8FromWide(argv[i]);
        if (!arg) {
            std::cerr << "q6: argument " << i << " is no Unicode text\n";
            return 2;
        }
        args.push_back(*arg);
    }
    // Text mode would write "\r\n" for every "\n", also in --raw's bytes.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    // The console's code page outlives the program: it is given back.
    const UINT codePage = ::GetConsoleOutputCP();
    const bool console = IsConsole(STD_OUTPUT_HANDLE) || IsConsole(STD_ERROR_HANDLE);
    if (console)
        ::SetConsoleOutputCP(CP_UTF8);
    WSADATA data;
    int exit = 8;
    if (::WSAStartup(MAKEWORD(2, 2), &data) == 0) {
        Console streams{std::cout, std::cerr};
        exit = RunQ6(args, streams);
        ::WSACleanup();
    } else {
        std::cerr << "q6: Windows Sockets could not be started; nothing was sent\n";
    }
    std::cout.flush();
    if (console)
        ::SetConsoleOutputCP(codePage);
    return exit;
}
