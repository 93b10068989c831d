#pragma once
// GDI objects owned by C++ objects, and device-context scopes.
#include <windows.h>

#include <string>

// A font the object owns: deleted when replaced and when the object ends.
class CFont {
public:
    CFont() = default;
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;
    ~CFont() { DeleteObject(); }

    // `tenths` of a point on the screen: the pixel height follows the screen's
    // LOGPIXELSY, so the same font grows on a screen with larger fonts.
    BOOL CreatePointFont(int tenths, const wchar_t* face);
    BOOL CreateFontIndirect(const LOGFONTW& font);
    void DeleteObject();
    HFONT GetSafeHandle() const { return m_font; }

private:
    HFONT m_font = nullptr;
};

// A brush the object owns.
class CBrush {
public:
    CBrush() = default;
    explicit CBrush(COLORREF colour) { CreateSolidBrush(colour); }
    CBrush(const CBrush&) = delete;
    CBrush& operator=(const CBrush&) = delete;
    ~CBrush() { DeleteObject(); }

    BOOL CreateSolidBrush(COLORREF colour);
    // Takes ownership of `brush`; the object must hold none.
    void Attach(HBRUSH brush) { m_brush = brush; }
    void DeleteObject();
    HBRUSH GetSafeHandle() const { return m_brush; }

private:
    HBRUSH m_brush = nullptr;
};

// A bitmap the object owns.
class CBitmap {
public:
    CBitmap() = default;
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;
    ~CBitmap() { DeleteObject(); }

    // `source` drawn at `width` x `height` with a smooth filter.
    BOOL CreateStretched(HBITMAP source, int width, int height);
    void DeleteObject();
    HBITMAP GetSafeHandle() const { return m_bitmap; }

private:
    HBITMAP m_bitmap = nullptr;
};

// BeginPaint .. EndPaint of a WM_PAINT handler.
class CPaintDC {
public:
    explicit CPaintDC(HWND window) : m_window(window) { m_hDC = ::BeginPaint(window, &m_paint); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;
    ~CPaintDC() { ::EndPaint(m_window, &m_paint); }

    HDC m_hDC;

private:
    HWND m_window;
    PAINTSTRUCT m_paint = {};
};

// The client-area device context of a window, released at the end of the scope.
class CClientDC {
public:
    explicit CClientDC(HWND window) : m_window(window) { m_hDC = ::GetDC(window); }
    CClientDC(const CClientDC&) = delete;
    CClientDC& operator=(const CClientDC&) = delete;
    ~CClientDC() { ::ReleaseDC(m_window, m_hDC); }

    HDC m_hDC;

private:
    HWND m_window;
};

// The screen's LOGPIXELSY: 96 at 100 % scaling, 144 at 150 %.
int SystemDpi();

// Selects `font` into the client device context of `window` and reads its metrics.
TEXTMETRICW MeasureFont(HWND window, const CFont& font);
// The size of `text` on one line in `font` on the client area of `window`.
SIZE TextExtent(HWND window, HFONT font, const std::wstring& text);
