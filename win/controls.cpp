#include "win/controls.h"

#include "win/dialog.h"
#include "win/text.h"

BOOL CreateChildControl(CWnd& control, const wchar_t* className, const std::wstring& text,
                        DWORD style, const RECT& rect, CDialog& parent, UINT id) {
    control.m_hWnd = ::CreateWindowExW(
        0, className, text.c_str(), style, rect.left, rect.top, rect.right - rect.left,
        rect.bottom - rect.top, parent.m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
        ::GetModuleHandleW(nullptr), nullptr);
    if (control.m_hWnd == nullptr)
        return FALSE;
    parent.AdoptChild(control);
    return TRUE;
}

void CAnsiLimitEdit::SetByteLimit(int bytes) {
    m_limit = bytes;
    LimitText(bytes);
}

void CAnsiLimitEdit::SetText(const std::wstring& text) {
    m_accepted = text;
    m_acceptedSelection = 0;
    SetWindowText(text);
}

void CAnsiLimitEdit::OnChange() {
    const std::wstring text = GetWindowText();
    // Within the limit, or no longer than before: a longer text the program
    // showed may still be shortened.
    const int bytes = win::AnsiLength(text);
    if (bytes <= m_limit || bytes <= win::AnsiLength(m_accepted)) {
        m_accepted = text;
        m_acceptedSelection = static_cast<DWORD>(SendMessage(EM_GETSEL));
        return;
    }
    SetWindowText(m_accepted);
    SendMessage(EM_SETSEL, LOWORD(m_acceptedSelection), HIWORD(m_acceptedSelection));
    ::MessageBeep(MB_OK);
}
