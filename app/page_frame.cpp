#include "app/page_frame.h"

#include <cwchar>

void PaintPage(HWND window, COLORREF colour) {
    CPaintDC dc(window);
    RECT client = {};
    ::GetClientRect(window, &client);
    CBrush brush(colour);
    // The context's default pen draws the frame.
    const HGDIOBJ previous = ::SelectObject(dc.m_hDC, brush.GetSafeHandle());
    ::Rectangle(dc.m_hDC, 0, 0, client.right, client.bottom);
    ::SelectObject(dc.m_hDC, previous);
}

LOGFONTW BoldFont(int height, const wchar_t* face) {
    LOGFONTW font = {};
    // Windows does not scale a system-DPI-aware program's fonts: one given in
    // pixels would shrink beside the point fonts and the dialog units.
    font.lfHeight = ::MulDiv(height, SystemDpi(), 96);
    font.lfWeight = FW_BOLD;
    wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    return font;
}

BOOL CreatePageControl(CColorControl& control, CDialog& page, const std::wstring& text,
                       DWORD style, const RECT& rect, UINT id, const CFont& font,
                       COLORREF textColour) {
    if (!control.Create(text, WS_CHILD | WS_VISIBLE | style, rect, page, id))
        return FALSE;
    control.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.GetSafeHandle()), TRUE);
    control.SetTextColor(textColour);
    control.SetBkColor(kPageColour);
    return TRUE;
}
