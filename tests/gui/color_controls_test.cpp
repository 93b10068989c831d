// Coloured controls: colours through the parent's reflected WM_CTLCOLOR*, one
// brush at a time, buttons unthemed (a theme would pick their text colour).
#include "app/color_controls.h"
#include "app/page_frame.h"
#include "res/resource.h"
#include "tests/gui/gui_test.h"
#include "win/dialog.h"

#include <tuple>

#include <uxtheme.h>

namespace {

// The brush, text and background colours a control is given when it asks its parent.
std::tuple<HBRUSH, COLORREF, COLORREF> AskParent(CWnd& parent, CWnd& control, UINT message) {
    HDC dc = CreateCompatibleDC(nullptr);
    const auto brush = reinterpret_cast<HBRUSH>(parent.SendMessage(
        message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control.m_hWnd)));
    const std::tuple drawn{brush, GetTextColor(dc), GetBkColor(dc)};
    DeleteDC(dc);
    return drawn;
}

COLORREF BrushColour(HBRUSH brush) {
    LOGBRUSH info = {};
    GetObjectW(brush, sizeof(info), &info);
    return info.lbColor;
}

} // namespace

GUI_TEST(colour_controls_draw_with_their_colours_and_one_brush) {
    CDialog page(IDD_CONFIRM);
    page.Create();
    CColorStatic label;
    CColorButton group;
    const RECT rect = {10, 10, 120, 30};
    CreatePageControl(label, page, L"label", 0, rect, IDC_RUNTIME_LABEL, CFont(), kOrange);
    CreatePageControl(group, page, L"group", BS_GROUPBOX, rect, 500, CFont(), kWhite);
    for (const auto& [control, message, expected] :
         {std::tuple<CWnd*, UINT, COLORREF>{&label, WM_CTLCOLORSTATIC, kOrange},
          {&group, WM_CTLCOLORBTN, kWhite}}) {
        const auto [brush, text, background] = AskParent(page, *control, message);
        ok(text == expected && background == kPageColour && BrushColour(brush) == kPageColour,
           "message %#x: got %06lx on %06lx with a %06lx brush", message, text, background,
           BrushColour(brush));
    }
    ok(GetWindowTheme(page.GetDlgItem(IDOK)) != nullptr && GetWindowTheme(group.m_hWnd) == nullptr,
       "expected a themed plain button and an unthemed coloured one");

    const HBRUSH first = std::get<0>(AskParent(page, label, WM_CTLCOLORSTATIC));
    for (int i = 0; i < 50; ++i)
        label.SetBkColor(RGB(i, i, i));
    const HBRUSH last = std::get<0>(AskParent(page, label, WM_CTLCOLORSTATIC));
    ok((last == first || GetObjectType(first) == 0) && BrushColour(last) == RGB(49, 49, 49),
       "expected the replaced brushes deleted, the current one of the last colour");
    page.DestroyWindow();
}
