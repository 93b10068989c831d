#pragma once
// Labels and buttons with a text colour and a background colour of their own,
// drawn through the reflected WM_CTLCOLOR* of their parent. Each holds one
// brush of its background colour at a time.
#include "win/controls.h"
#include "win/ctl_color.h"
#include "win/gdi.h"

class CColorControl : public CWnd, private CtlColorHandler {
public:
    // Virtual: the pages make every control through this base.
    virtual BOOL Create(const std::wstring& text, DWORD style, const RECT& rect, CDialog& parent,
                        UINT id);

    void SetTextColor(COLORREF colour);
    void SetBkColor(COLORREF colour);

protected:
    explicit CColorControl(const wchar_t* className);

private:
    HBRUSH CtlColor(HDC dc, UINT type) override;

    const wchar_t* m_className;
    COLORREF m_text = RGB(0, 0, 0);
    COLORREF m_background;
    CBrush m_brush;
};

class CColorStatic : public CColorControl {
public:
    CColorStatic() : CColorControl(L"STATIC") {}
};

// Group boxes and radio buttons. A themed button draws its text in the
// theme's colour, whatever the page asks for, so these draw unthemed.
class CColorButton : public CColorControl {
public:
    CColorButton() : CColorControl(L"BUTTON") {}
    BOOL Create(const std::wstring& text, DWORD style, const RECT& rect, CDialog& parent,
                UINT id) override;
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int state) { SendMessage(BM_SETCHECK, state); }
};
