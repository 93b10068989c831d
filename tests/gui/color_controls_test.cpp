// Coloured controls: one brush at a time, buttons unthemed (a theme would pick
// their text colour). The colours each page's controls are drawn in: pages_test.
#include "app/color_controls.h"
#include "app/page_frame.h"
#include "res/resource.h"
#include "tests/gui/gui_test.h"
#include "win/dialog.h"

#include <uxtheme.h>

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

    // The brush the label is given when it asks the page (with no context to colour).
    const auto brush = [&] {
        return reinterpret_cast<HBRUSH>(
            page.SendMessage(WM_CTLCOLORSTATIC, 0, reinterpret_cast<LPARAM>(label.m_hWnd)));
    };
    const HBRUSH first = brush();
    for (int i = 0; i < 50; ++i)
        label.SetBkColor(RGB(i, i, i));
    const HBRUSH last = brush();
    LOGBRUSH drawn = {};
    GetObjectW(last, sizeof drawn, &drawn);
    ok((last == first || GetObjectType(first) == 0) && drawn.lbColor == RGB(49, 49, 49),
       "expected the replaced brushes deleted, the current one of the last colour");
    page.DestroyWindow();
}
