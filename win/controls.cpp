#include "win/controls.h"

#include "win/dialog.h"

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

std::wstring CComboBox::GetLBText(int index) const {
    const int length = static_cast<int>(SendMessage(CB_GETLBTEXTLEN, index));
    if (length <= 0)
        return {};
    std::wstring text(length + 1, L'\0');
    const int copied =
        static_cast<int>(SendMessage(CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data())));
    text.resize(copied > 0 ? copied : 0);
    return text;
}
