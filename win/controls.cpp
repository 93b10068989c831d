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

void CAnsiLimitEdit::SetBytes(std::string_view bytes) {
    m_loadedBytes = bytes;
    m_loadedText = win::WideFromAnsi(bytes);
    m_accepted = m_loadedText;
    m_acceptedSelection = 0;
    ShowWhole(m_loadedText);
}

std::string CAnsiLimitEdit::GetBytes() const {
    const std::wstring text = GetWindowText();
    return text == m_loadedText ? m_loadedBytes : win::AnsiFromWide(text);
}

void CAnsiLimitEdit::ShowWhole(const std::wstring& text) {
    // ES_LOWERCASE lowers the program's text too, and a name shown lowered
    // would go back to the array lowered, though nobody typed it.
    const LONG_PTR style = ::GetWindowLongPtrW(m_hWnd, GWL_STYLE);
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, style & ~ES_LOWERCASE);
    SetWindowText(text);
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, style);
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
    ShowWhole(m_accepted);
    SendMessage(EM_SETSEL, LOWORD(m_acceptedSelection), HIWORD(m_acceptedSelection));
    ::MessageBeep(MB_OK);
}
