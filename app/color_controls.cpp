#include "app/color_controls.h"

#include <uxtheme.h>

CColorControl::CColorControl(const wchar_t* className)
    : m_className(className), m_background(::GetSysColor(COLOR_BTNFACE)), m_brush(m_background) {}

BOOL CColorControl::Create(const std::wstring& text, DWORD style, const RECT& rect,
                           CDialog& parent, UINT id) {
    if (!CreateChildControl(*this, m_className, text, style, rect, parent, id))
        return FALSE;
    win::RegisterCtlColorHandler(m_hWnd, this);
    return TRUE;
}

void CColorControl::SetTextColor(COLORREF colour) {
    m_text = colour;
    InvalidateRect(nullptr, TRUE);
}

void CColorControl::SetBkColor(COLORREF colour) {
    m_background = colour;
    m_brush.DeleteObject();
    m_brush.Attach(::CreateSolidBrush(colour));
    InvalidateRect(nullptr, TRUE);
}

HBRUSH CColorControl::CtlColor(HDC dc, UINT) {
    ::SetTextColor(dc, m_text);
    ::SetBkColor(dc, m_background);
    return m_brush.GetSafeHandle();
}

BOOL CColorButton::Create(const std::wstring& text, DWORD style, const RECT& rect,
                          CDialog& parent, UINT id) {
    if (!CColorControl::Create(text, style, rect, parent, id))
        return FALSE;
    // A blank name matches no part of any visual style, so the button draws classic.
    ::SetWindowTheme(m_hWnd, L" ", L" ");
    return TRUE;
}
