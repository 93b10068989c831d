// The application's own message boxes.
#include "tests/gui/gui_test.h"
#include "tests/gui/user_script.h"
#include "win/wnd.h"

// Code-page-936 text under the program's name, with the icon the buttons call for.
GUI_TEST(app_message_boxes_bear_their_text_and_icon) {
    for (const auto& [type, wanted] : {std::pair<UINT, const wchar_t*>{MB_OK, IDI_EXCLAMATION},
                                       {MB_OKCANCEL, IDI_EXCLAMATION},
                                       {MB_YESNO, IDI_QUESTION},
                                       {MB_YESNOCANCEL, IDI_QUESTION},
                                       {MB_OK | MB_ICONINFORMATION, IDI_ASTERISK},
                                       {MB_RETRYCANCEL, nullptr}}) {
        HICON shown = nullptr;
        guitest::StartScript({guitest::ExpectBox("shell_gui_tests", "初始化失败.", [&] {
            // The box's first static holds its icon, hidden when it has none.
            const HWND icon =
                FindWindowExW(guitest::FindMessageBox()->window, nullptr, L"Static", nullptr);
            if (IsWindowVisible(icon))
                shown = reinterpret_cast<HICON>(SendMessageW(icon, STM_GETICON, 0, 0));
        })});
        AppMessageBoxA("\xb3\xf5\xca\xbc\xbb\xaf\xca\xa7\xb0\xdc.", type); // "初始化失败."
        guitest::EndScript();
        const HICON expected = wanted ? LoadIconW(nullptr, wanted) : nullptr;
        ok(shown == expected, "type %#x: icon %p, expected %p", type, shown, expected);
    }
}
