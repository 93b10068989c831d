#pragma once
// The run-time controls of a page as data: each row has a name (an IDL_ of
// res/resource.h, or the control's own id where it has one) and gives its
// text, font, colour, style and id, and its four edges as functions of the
// client size, the length of its text and the fonts measured on the page. Each
// page writes its own formulas, truncating where its own arithmetic truncates
// and reading the metrics as integers or as reals as it does; Place truncates
// each edge toward zero at the end. The formulas measure some texts in a font
// other than the one they are drawn in, so a control may come out narrower
// than its text: Place then moves its right edge out, and nothing else.
#include <windows.h>

#include "res/resource.h"

#include <array>
#include <cmath>

// Fonts A to D are the page's point fonts and are measured; E and F are the
// page's bold fonts, which are not.
enum FontSlot : unsigned char { kFontA, kFontB, kFontC, kFontD, kFontE, kFontF };
inline constexpr int kMeasuredFonts = 4;
inline constexpr int kFontSlots = 6;

struct FontMeasure {
    int avgCharWidth = 0; // tmAveCharWidth
    int height = 0;       // tmHeight
};

struct LayoutInput {
    double width = 0;      // of the client area, in pixels
    double height = 0;     // of the client area, in pixels
    double textLength = 0; // of the control's text, in code-page-936 bytes
    std::array<FontMeasure, kMeasuredFonts> fonts{};
    // What the text takes on one line in its own font, the box or circle of a
    // button included; a control narrower than that would cut it.
    int textWidth = 0;

    double AverageWidth(FontSlot font) const { return fonts[font].avgCharWidth; }
    double FontHeight(FontSlot font) const { return fonts[font].height; }
};

using Edge = double (*)(const LayoutInput&);

// x truncated toward zero, where a formula truncates before it goes on.
inline double Truncated(double x) {
    return std::trunc(x);
}

inline constexpr COLORREF kOrange = RGB(255, 128, 0);
inline constexpr COLORREF kWhite = RGB(255, 255, 255);

inline constexpr DWORD kLabelStyle = WS_CHILD | WS_VISIBLE;
inline constexpr DWORD kGroupBoxStyle = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;

enum class ControlKind : unsigned char { kStatic, kButton };

struct RunTimeControl {
    int name;      // how the page and the tests find the control
    unsigned text; // string-table entry; 0: the control starts empty
    FontSlot font;
    COLORREF colour; // text colour
    Edge left, top, right, bottom;
    DWORD style = kLabelStyle;
    int id = IDC_RUNTIME_LABEL; // the window's control id
    ControlKind kind = ControlKind::kStatic;
    bool wraps = false; // its text runs over lines within the box's width
};

struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const PixelRect&) const = default;
};

// The formulas' rectangle, widened where a control on one line would cut its text.
PixelRect Place(const RunTimeControl& control, const LayoutInput& input);
