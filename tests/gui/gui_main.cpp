#include "tests/gui/gui_test.h"

#include <commctrl.h>
#include <cwchar>

int ThrowInHandler();

int wmain(int argc, wchar_t** argv) {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES | ICC_INTERNET_CLASSES |
                                                           ICC_DATE_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    if (argc > 1 && wcscmp(argv[1], L"--throw-in-handler") == 0) // a child of dialog_test
        return ThrowInHandler();
    return guitest::RunAll();
}
