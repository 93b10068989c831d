#include "win/gdi.h"

#include <cstdlib>
#include <cwchar>

BOOL CFont::CreatePointFont(int tenths, const wchar_t* face) {
    LOGFONTW font = {};
    font.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    // 720 tenths of a point make an inch.
    HDC screen = ::GetDC(nullptr);
    font.lfHeight = -std::abs(::GetDeviceCaps(screen, LOGPIXELSY) * tenths / 720);
    ::ReleaseDC(nullptr, screen);
    return CreateFontIndirect(font);
}

BOOL CFont::CreateFontIndirect(const LOGFONTW& font) {
    DeleteObject();
    m_font = ::CreateFontIndirectW(&font);
    return m_font != nullptr;
}

void CFont::DeleteObject() {
    if (m_font != nullptr)
        ::DeleteObject(m_font);
    m_font = nullptr;
}

BOOL CBrush::CreateSolidBrush(COLORREF colour) {
    DeleteObject();
    m_brush = ::CreateSolidBrush(colour);
    return m_brush != nullptr;
}

void CBrush::DeleteObject() {
    if (m_brush != nullptr)
        ::DeleteObject(m_brush);
    m_brush = nullptr;
}

TEXTMETRICW MeasureFont(HWND window, const CFont& font) {
    CClientDC dc(window);
    const HGDIOBJ previous = ::SelectObject(dc.m_hDC, font.GetSafeHandle());
    TEXTMETRICW metrics = {};
    ::GetTextMetricsW(dc.m_hDC, &metrics);
    ::SelectObject(dc.m_hDC, previous);
    return metrics;
}
