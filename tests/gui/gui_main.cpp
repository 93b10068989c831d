#include "tests/gui/gui_test.h"

#include <commctrl.h>

int wmain() {
    INITCOMMONCONTROLSEX controls = {};
    controls.dwSize = sizeof(controls);
    controls.dwICC =
        ICC_STANDARD_CLASSES | ICC_INTERNET_CLASSES | ICC_DATE_CLASSES | ICC_PROGRESS_CLASS;
    InitCommonControlsEx(&controls);
    return guitest::RunAll();
}
