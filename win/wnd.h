#pragma once
// CWnd: a window handle and the operations the program performs on it. The
// object does not own the window's lifetime; it outlives its windows and learns
// of their end (see CDialog), so "has a window" is simply a non-null handle.
#include <windows.h>

#include <string>
#include <string_view>

class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd() = default;

    HWND GetSafeHwnd() const { return m_hWnd; }
    bool IsWindow() const { return m_hWnd != nullptr; }
    void Attach(HWND hwnd) { m_hWnd = hwnd; }

    BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
    BOOL EnableWindow(BOOL enable) { return ::EnableWindow(m_hWnd, enable); }
    bool IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd) != FALSE; }
    bool IsWindowVisible() const { return ::IsWindowVisible(m_hWnd) != FALSE; }

    void SetWindowText(const std::wstring& text) { ::SetWindowTextW(m_hWnd, text.c_str()); }
    std::wstring GetWindowText() const;

    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    RECT GetClientRect() const;
    void SetRedraw(BOOL redraw) { SendMessage(WM_SETREDRAW, redraw); }
    void InvalidateRect(const RECT* rect, BOOL erase = TRUE) {
        ::InvalidateRect(m_hWnd, rect, erase);
    }
    // Centres this window over `over`; with no (visible) window to centre over,
    // on the work area of the screen. Never leaves the work area.
    void CenterWindow(HWND over);

    int MessageBox(const std::wstring& text, const std::wstring& caption = {}, UINT type = MB_OK);
    // For the program's 8-bit texts: shown through code page 936.
    int MessageBoxA(std::string_view text, std::string_view caption, UINT type = MB_OK);

    virtual BOOL DestroyWindow();

    // The top-level window that a popup of `parent` should be owned by: the
    // parent's top-level window, or, with no parent, the main window's last
    // active popup. Null when there is neither.
    static HWND GetSafeOwner(HWND parent);

    HWND m_hWnd = nullptr;
};

// The application's main window (the welcome window while it runs): new pages
// are owned by it and centred over it.
CWnd* GetMainWnd();
void SetMainWnd(CWnd* window);

// A message box owned like the application's own: by the safe owner of the main
// window, with the application's name as its caption; with no icon named, the
// exclamation for OK boxes and the question mark for yes/no ones.
int AppMessageBox(const std::wstring& text, UINT type = MB_OK);
int AppMessageBoxA(std::string_view text, UINT type = MB_OK);
