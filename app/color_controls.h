#pragma once
// Labels and buttons with a text colour and a background colour of their own,
// drawn through the reflected WM_CTLCOLOR* of their parent. Each holds one
// brush of its background colour at a time.
#include "win/controls.h"
#include "win/ctl_color.h"
#include "win/gdi.h"

template <class Control> class CColorControl : public Control, private CtlColorHandler {
public:
    CColorControl() : m_background(::GetSysColor(COLOR_BTNFACE)), m_brush(m_background) {}

    BOOL Create(const std::wstring& text, DWORD style, const RECT& rect, CDialog& parent, UINT id) {
        if (!Control::Create(text, style, rect, parent, id))
            return FALSE;
        win::RegisterCtlColorHandler(this->m_hWnd, this);
        return TRUE;
    }

    void SetTextColor(COLORREF colour) {
        m_text = colour;
        this->InvalidateRect(nullptr, TRUE);
    }

    void SetBkColor(COLORREF colour) {
        m_background = colour;
        m_brush.DeleteObject();
        m_brush.Attach(::CreateSolidBrush(colour));
        this->InvalidateRect(nullptr, TRUE);
    }

private:
    HBRUSH CtlColor(HDC dc, UINT) override {
        ::SetTextColor(dc, m_text);
        ::SetBkColor(dc, m_background);
        return m_brush.GetSafeHandle();
    }

    COLORREF m_text = RGB(0, 0, 0);
    COLORREF m_background;
    CBrush m_brush;
};

class CColorStatic : public CColorControl<CStatic> {};
class CColorButton : public CColorControl<CButton> {};
