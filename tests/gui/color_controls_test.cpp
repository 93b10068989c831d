// Coloured labels and buttons: colours reach the drawing through the parent's
// reflected WM_CTLCOLOR*, each control holds one brush at a time, and a
// coloured button draws unthemed, as a theme would pick its text colour.
#include "app/color_controls.h"
#include "app/page_frame.h"
#include "res/resource.h"
#include "tests/gui/gui_test.h"
#include "win/dialog.h"

#include <uxtheme.h>

namespace {

struct Drawn {
    HBRUSH brush;
    COLORREF text, background;
};

// What the control is given when it asks its parent for colours.
Drawn AskParent(CWnd& parent, CWnd& control, UINT message) {
    HDC dc = CreateCompatibleDC(nullptr);
    const auto brush = reinterpret_cast<HBRUSH>(parent.SendMessage(
        message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control.m_hWnd)));
    const Drawn drawn{brush, GetTextColor(dc), GetBkColor(dc)};
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
    const struct {
        CWnd* control;
        UINT message;
        COLORREF text;
    } cases[] = {{&label, WM_CTLCOLORSTATIC, kOrange},
                 {&group, WM_CTLCOLORSTATIC, kWhite},
                 {&group, WM_CTLCOLORBTN, kWhite}};
    for (const auto& c : cases) {
        const Drawn drawn = AskParent(page, *c.control, c.message);
        ok(drawn.text == c.text && drawn.background == kPageColour &&
               BrushColour(drawn.brush) == kPageColour,
           "message %#x: got %06lx on %06lx with a %06lx brush", c.message, drawn.text,
           drawn.background, BrushColour(drawn.brush));
    }
    ok(GetWindowTheme(page.GetDlgItem(IDOK)) != nullptr && GetWindowTheme(group.m_hWnd) == nullptr,
       "expected a themed plain button and an unthemed coloured one");

    const HBRUSH first = AskParent(page, label, WM_CTLCOLORSTATIC).brush;
    for (int i = 0; i < 50; ++i)
        label.SetBkColor(RGB(i, i, i));
    const HBRUSH last = AskParent(page, label, WM_CTLCOLORSTATIC).brush;
    ok((last == first || GetObjectType(first) == 0) && BrushColour(last) == RGB(49, 49, 49),
       "expected the replaced brushes deleted, the current one of the last colour");
    page.DestroyWindow();
}
