#pragma once
// The run-time controls of a page as data: each row names its text, font,
// colour, style and id, and gives its four edges as functions of the client
// size, the length of its text and the fonts measured on the page. Each page
// writes its own formulas, truncating where its own arithmetic truncates and
// reading the metrics as integers or as reals as it does; Place truncates each
// edge toward zero at the end. The formulas measure some texts in a font other
// than the one they are drawn in, so a control may come out narrower than its
// text: Place then moves its right edge out, and nothing else. No window code
// here, so the geometry is tested natively.
#include <array>
#include <cmath>
#include <cstdint>

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

// COLORREF values (0x00BBGGRR).
inline constexpr std::uint32_t kOrange = 0x000080FF;
inline constexpr std::uint32_t kWhite = 0x00FFFFFF;

inline constexpr std::uint32_t kLabelStyle = 0x50000000;    // WS_CHILD | WS_VISIBLE
inline constexpr std::uint32_t kGroupBoxStyle = 0x50000007; // ... | BS_GROUPBOX
inline constexpr int kLabelId = 0xFFFF;

enum class ControlKind : unsigned char { kStatic, kButton };

struct RunTimeControl {
    unsigned textId; // string-table entry; 0: the control starts empty
    FontSlot font;
    std::uint32_t colour; // text colour
    Edge left, top, right, bottom;
    std::uint32_t style = kLabelStyle;
    int id = kLabelId;
    ControlKind kind = ControlKind::kStatic;
    bool wraps = false; // its text runs over lines within the box's width
};

struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const PixelRect&) const = default;
};

// The formulas' rectangle, widened where a control on one line would cut its text.
PixelRect Place(const RunTimeControl& control, const LayoutInput& input);
