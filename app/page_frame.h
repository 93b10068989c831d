#pragma once
// What every wizard page draws the same way: its colours, its background, and
// the run-time controls in their fonts.
#include "app/color_controls.h"
#include "app/page_layout.h"
#include "win/dialog.h"
#include "win/gdi.h"

#include <string>

inline constexpr COLORREF kPageColour = RGB(0, 128, 128);
inline constexpr COLORREF kWelcomeColour = RGB(192, 192, 192);
inline constexpr wchar_t kPageFace[] = L"Comic Sans MS";

// WM_PAINT of a page: the client area filled with `colour` and framed by a
// one-pixel black line.
void PaintPage(HWND window, COLORREF colour);

// A bold font `height` pixels high at 96 DPI, as much larger as the screen's DPI is.
LOGFONTW BoldFont(int height, const wchar_t* face);

// A run-time control of a page: created visible with `text`, then given its font,
// its text colour and the page colour as background.
BOOL CreatePageControl(CColorControl& control, CDialog& page, const std::wstring& text,
                       DWORD style, const RECT& rect, UINT id, const CFont& font,
                       COLORREF textColour);
