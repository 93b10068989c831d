#include <winsock2.h>

#include "app/setup_app.h"
#include "tests/gui/gui_test.h"

#include <cwchar>

int ThrowInHandler();

int wmain(int argc, wchar_t** argv) {
    RegisterControlClasses();
    WSADATA winsock; // as the program starts it: step 1 searches as it opens
    WSAStartup(MAKEWORD(2, 2), &winsock);
    if (argc > 1 && wcscmp(argv[1], L"--throw-in-handler") == 0) // a child of dialog_test
        return ThrowInHandler();
    return guitest::Run(argc, argv);
}
