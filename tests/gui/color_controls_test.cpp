// Coloured labels and buttons: colours reach the drawing through the parent's
// reflected WM_CTLCOLOR*, and each control holds one brush at a time.
#include "app/color_controls.h"
#include "app/page_frame.h"
#include "res/resource.h"
#include "tests/gui/gui_test.h"
#include "win/dialog.h"

namespace {

struct Drawn {
    HBRUSH brush;
    COLORREF text;
    COLORREF background;
};

// What the control is given when it asks its parent for colours.
Drawn AskParent(CWnd& parent, CWnd& control, UINT message) {
    HDC dc = CreateCompatibleDC(nullptr);
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkColor(dc, RGB(4, 5, 6));
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

const RECT kRect = {10, 10, 120, 30};

} // namespace

// What each control is given when it asks its parent: its own colours and a
// brush of its background, whichever message it asks with; a plain static
// keeps the dialog's colours.
GUI_TEST(colour_controls_draw_with_their_colours) {
    CDialog page(IDD_CONFIRM);
    page.Create();
    CColorStatic fresh, label;
    CColorButton group;
    CStatic plain;
    fresh.Create(L"fresh", WS_CHILD | WS_VISIBLE, kRect, page, IDC_RUNTIME_LABEL);
    CreatePageControl(label, page, L"label", 0, kRect, IDC_RUNTIME_LABEL, CFont(), kOrange);
    CreatePageControl(group, page, L"group", BS_GROUPBOX, kRect, static_cast<UINT>(-1), CFont(),
                      kWhite);
    plain.Create(L"plain", WS_CHILD | WS_VISIBLE, kRect, page, IDC_RUNTIME_LABEL);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const struct {
        CWnd* control;
        UINT message;
        COLORREF text, background;
    } cases[] = {{&fresh, WM_CTLCOLORSTATIC, RGB(0, 0, 0), face},
                 {&label, WM_CTLCOLORSTATIC, kOrange, kPageColour},
                 {&group, WM_CTLCOLORSTATIC, kWhite, kPageColour},
                 {&group, WM_CTLCOLORBTN, kWhite, kPageColour}};
    for (const auto& c : cases) {
        const Drawn drawn = AskParent(page, *c.control, c.message);
        ok(drawn.text == c.text && drawn.background == c.background &&
               BrushColour(drawn.brush) == c.background,
           "message %#x: expected %06lx on %06lx, got %06lx on %06lx with a %06lx brush", c.message,
           c.text, c.background, drawn.text, drawn.background, BrushColour(drawn.brush));
    }
    const Drawn drawn = AskParent(page, plain, WM_CTLCOLORSTATIC);
    ok(drawn.text != kOrange && drawn.background != kPageColour,
       "expected the dialog's own colours for a plain static");
    page.DestroyWindow();
}

// One brush at a time, every replaced one deleted; the colours belong to the
// object and survive its window.
GUI_TEST(colour_control_keeps_one_brush_and_its_colours) {
    CDialog page(IDD_CONFIRM);
    CColorStatic label;
    page.Create();
    label.Create(L"label", WS_CHILD | WS_VISIBLE, kRect, page, IDC_RUNTIME_LABEL);
    const HBRUSH first = AskParent(page, label, WM_CTLCOLORSTATIC).brush;
    label.SetBkColor(RGB(10, 20, 30));
    const HBRUSH second = AskParent(page, label, WM_CTLCOLORSTATIC).brush;
    ok(BrushColour(second) == RGB(10, 20, 30),
       "expected the new brush of the new colour, got %06lx", BrushColour(second));
    ok(second == first || GetObjectType(first) == 0, "expected the old brush deleted");
    for (int i = 0; i < 50; ++i)
        label.SetBkColor(RGB(i, i, i));
    const HBRUSH last = AskParent(page, label, WM_CTLCOLORSTATIC).brush;
    ok((last == second || GetObjectType(second) == 0) && GetObjectType(last) == OBJ_BRUSH,
       "expected every replaced brush deleted, the current one alive");
    label.SetTextColor(kWhite);
    page.DestroyWindow();
    ok(!label.IsWindow(), "expected the label's handle cleared with its page");

    page.Create();
    label.Create(L"label", WS_CHILD | WS_VISIBLE, kRect, page, IDC_RUNTIME_LABEL);
    const Drawn drawn = AskParent(page, label, WM_CTLCOLORSTATIC);
    ok(drawn.text == kWhite, "expected the colour kept by the object, got %06lx", drawn.text);
    page.DestroyWindow();
}
