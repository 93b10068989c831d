// Coloured controls: one brush at a time, buttons unthemed (a theme would pick
// their text colour). The colours each page's controls are drawn in: pages_test.
#include "app/color_controls.h"
#include "app/page_frame.h"
#include "res/resource.h"
#include "tests/gui/gui_test.h"
#include "win/dialog.h"

#include <uxtheme.h>

namespace {

// The brush a control is given when it asks its parent.
HBRUSH AskParent(CWnd& parent, CWnd& control) {
    HDC dc = CreateCompatibleDC(nullptr);
    const auto brush = reinterpret_cast<HBRUSH>(parent.SendMessage(
        WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control.m_hWnd)));
    DeleteDC(dc);
    return brush;
}

COLORREF BrushColour(HBRUSH brush) {
    LOGBRUSH info = {};
    GetObjectW(brush, sizeof(info), &info);
    return info.lbColor;
}

} // namespace

GUI_TEST(colour_controls_draw_unthemed_with_one_brush) {
    CDialog page(IDD_CONFIRM);
    page.Create();
    CColorStatic label;
    CColorButton group;
    const RECT rect = {10, 10, 120, 30};
    CreatePageControl(label, page, L"label", 0, rect, IDC_RUNTIME_LABEL, CFont(), kOrange);
    CreatePageControl(group, page, L"group", BS_GROUPBOX, rect, 500, CFont(), kWhite);
    ok(GetWindowTheme(page.GetDlgItem(IDOK)) != nullptr && GetWindowTheme(group.m_hWnd) == nullptr,
       "expected a themed plain button and an unthemed coloured one");

    const HBRUSH first = AskParent(page, label);
    for (int i = 0; i < 50; ++i)
        label.SetBkColor(RGB(i, i, i));
    const HBRUSH last = AskParent(page, label);
    ok((last == first || GetObjectType(first) == 0) && BrushColour(last) == RGB(49, 49, 49),
       "expected the replaced brushes deleted, the current one of the last colour");
    page.DestroyWindow();
}
