#include "win/wnd.h"

#include "win/text.h"

namespace {
CWnd* g_mainWnd = nullptr;
}

CWnd* GetMainWnd() {
    return g_mainWnd;
}
void SetMainWnd(CWnd* window) {
    g_mainWnd = window;
}

std::wstring CWnd::GetWindowText() const {
    const int length = ::GetWindowTextLengthW(m_hWnd);
    if (length <= 0)
        return {};
    std::wstring text(length + 1, L'\0');
    const int copied = ::GetWindowTextW(m_hWnd, text.data(), length + 1);
    text.resize(copied > 0 ? copied : 0);
    return text;
}

RECT CWnd::GetClientRect() const {
    RECT rect = {};
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}

void CWnd::CenterWindow(HWND over) {
    RECT self = {};
    ::GetWindowRect(m_hWnd, &self);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromWindow(over ? over : m_hWnd, MONITOR_DEFAULTTONEAREST),
                      &monitor);
    const RECT area = monitor.rcWork;

    RECT centre = area;
    if (over && ::IsWindowVisible(over) && !::IsIconic(over))
        ::GetWindowRect(over, &centre);

    const LONG width = self.right - self.left;
    const LONG height = self.bottom - self.top;
    LONG left = (centre.left + centre.right - width) / 2;
    LONG top = (centre.top + centre.bottom - height) / 2;
    if (left + width > area.right)
        left = area.right - width;
    if (left < area.left)
        left = area.left;
    if (top + height > area.bottom)
        top = area.bottom - height;
    if (top < area.top)
        top = area.top;
    ::SetWindowPos(m_hWnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int CWnd::MessageBox(const std::wstring& text, const std::wstring& caption, UINT type) {
    const std::wstring title = caption.empty() ? win::ApplicationName() : caption;
    return ::MessageBoxW(m_hWnd, text.c_str(), title.c_str(), type);
}

int CWnd::MessageBoxA(std::string_view text, std::string_view caption, UINT type) {
    return MessageBox(win::WideFromAnsi(text), win::WideFromAnsi(caption), type);
}

BOOL CWnd::DestroyWindow() {
    if (m_hWnd == nullptr)
        return FALSE;
    const BOOL destroyed = ::DestroyWindow(m_hWnd);
    if (destroyed)
        m_hWnd = nullptr;
    return destroyed;
}

HWND CWnd::GetSafeOwner(HWND parent) {
    HWND owner = parent;
    if (owner == nullptr && g_mainWnd != nullptr)
        owner = g_mainWnd->m_hWnd;
    // A popup cannot be owned by a child window.
    while (owner != nullptr && (::GetWindowLongPtrW(owner, GWL_STYLE) & WS_CHILD))
        owner = ::GetParent(owner);
    if (parent == nullptr && owner != nullptr)
        owner = ::GetLastActivePopup(owner);
    return owner;
}

int AppMessageBox(const std::wstring& text, UINT type) {
    // A box that names no icon gets the one its buttons call for, as the
    // application's boxes always have: a warning for OK, a question for yes/no.
    if ((type & MB_ICONMASK) == 0) {
        switch (type & MB_TYPEMASK) {
        case MB_OK:
        case MB_OKCANCEL:
            type |= MB_ICONEXCLAMATION;
            break;
        case MB_YESNO:
        case MB_YESNOCANCEL:
            type |= MB_ICONQUESTION;
            break;
        }
    }
    return ::MessageBoxW(CWnd::GetSafeOwner(nullptr), text.c_str(), win::ApplicationName().c_str(),
                         type);
}

int AppMessageBoxA(std::string_view text, UINT type) {
    return AppMessageBox(win::WideFromAnsi(text), type);
}
