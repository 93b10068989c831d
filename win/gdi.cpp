#include "win/gdi.h"

#include <cstdlib>
#include <cwchar>

BOOL CFont::CreatePointFont(int tenths, const wchar_t* face) {
    LOGFONTW font = {};
    font.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    // 720 tenths of a point make an inch.
    font.lfHeight = -std::abs(SystemDpi() * tenths / 720);
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

BOOL CBitmap::CreateStretched(HBITMAP source, int width, int height) {
    DeleteObject();
    BITMAP size = {};
    if (::GetObjectW(source, sizeof size, &size) == 0)
        return FALSE;
    HDC screen = ::GetDC(nullptr);
    m_bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HDC from = ::CreateCompatibleDC(screen), to = ::CreateCompatibleDC(screen);
    ::ReleaseDC(nullptr, screen);
    const HGDIOBJ previousFrom = ::SelectObject(from, source);
    const HGDIOBJ previousTo = ::SelectObject(to, m_bitmap);
    // HALFTONE averages the pixels it merges; the default mode drops them.
    ::SetStretchBltMode(to, HALFTONE);
    ::SetBrushOrgEx(to, 0, 0, nullptr);
    const BOOL drawn =
        ::StretchBlt(to, 0, 0, width, height, from, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    ::SelectObject(from, previousFrom);
    ::SelectObject(to, previousTo);
    ::DeleteDC(from);
    ::DeleteDC(to);
    if (!drawn)
        DeleteObject();
    return drawn;
}

void CBitmap::DeleteObject() {
    if (m_bitmap != nullptr)
        ::DeleteObject(m_bitmap);
    m_bitmap = nullptr;
}

int SystemDpi() {
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi;
}

TEXTMETRICW MeasureFont(HWND window, const CFont& font) {
    CClientDC dc(window);
    const HGDIOBJ previous = ::SelectObject(dc.m_hDC, font.GetSafeHandle());
    TEXTMETRICW metrics = {};
    ::GetTextMetricsW(dc.m_hDC, &metrics);
    ::SelectObject(dc.m_hDC, previous);
    return metrics;
}

SIZE TextExtent(HWND window, HFONT font, const std::wstring& text) {
    CClientDC dc(window);
    const HGDIOBJ previous = ::SelectObject(dc.m_hDC, font);
    SIZE size = {};
    ::GetTextExtentPoint32W(dc.m_hDC, text.c_str(), static_cast<int>(text.size()), &size);
    ::SelectObject(dc.m_hDC, previous);
    return size;
}
