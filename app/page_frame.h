#pragma once
// What every wizard page draws the same way: its colours, its background, and
// the run-time labels in their fonts.
#include "app/color_controls.h"
#include "win/dialog.h"
#include "win/gdi.h"

#include <string>

inline constexpr COLORREF kPageColour = RGB(0, 128, 128);
inline constexpr COLORREF kWelcomeColour = RGB(192, 192, 192);
inline constexpr COLORREF kOrange = RGB(255, 128, 0);
inline constexpr COLORREF kWhite = RGB(255, 255, 255);
inline constexpr wchar_t kPageFace[] = L"Comic Sans MS";

// WM_PAINT of a page: the client area filled with `colour` and framed by a
// one-pixel black line.
void PaintPage(HWND window, COLORREF colour);

// A bold font of `height` pixels.
LOGFONTW BoldFont(int height, const wchar_t* face);

// A page font and the metrics its labels are sized by.
struct MeasuredFont {
    // Creates the `tenths`-point page font and measures it on `page`.
    void Create(HWND page, int tenths);

    CFont font;
    FontMetrics metrics;
};

// A run-time control of a page: created visible with `text`, then given its font,
// its text colour and the page colour as background.
template <class Control>
BOOL CreatePageControl(Control& control, CDialog& page, const std::wstring& text, DWORD style,
                       const RECT& rect, UINT id, const CFont& font, COLORREF textColour) {
    if (!control.Create(text, WS_CHILD | WS_VISIBLE | style, rect, page, id))
        return FALSE;
    control.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.GetSafeHandle()), TRUE);
    control.SetTextColor(textColour);
    control.SetBkColor(kPageColour);
    return TRUE;
}

// The heading and title every page starts with, in fonts A and B, orange: the
// heading at 0.04·W, 0.02·H, (n + 1) average characters wide; the title at
// `titleLeft`·W, 0.05·H, 1.1 · (n + 1) average characters wide. Both one line
// high, the line being `lineScale` times the font's height (the network page
// gives its large fonts a fifth more).
struct PageHead {
    UINT headingId;
    UINT titleId;
    double titleLeft;
    double lineScale = 1.0;
};
void CreatePageHead(CDialog& page, const PageHead& head, CColorStatic& heading, CColorStatic& title,
                    const MeasuredFont& fontA, const MeasuredFont& fontB);

// A rectangle of positions computed in floating point, each truncated toward zero.
inline RECT TruncatedRect(double left, double top, double right, double bottom) {
    return {static_cast<LONG>(left), static_cast<LONG>(top), static_cast<LONG>(right),
            static_cast<LONG>(bottom)};
}
