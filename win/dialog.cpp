#include "win/dialog.h"

#include "res/messages.h"
#include "win/ctl_color.h"

#include <algorithm>
#include <cstdlib>
#include <exception>

namespace {

constexpr wchar_t kDialogProperty[] = L"Q6.CDialog";

// The dialog object whose window CreateDialogParamW is about to create.
thread_local CDialog* t_creating = nullptr;

// The dialog manager sends WM_INITDIALOG only to windows with a dialog
// procedure; ours are handled in the subclass, so this one declines everything.
INT_PTR CALLBACK DeclineDialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

[[noreturn]] void FailAtBoundary(const char* what) noexcept {
    // No allocation here: the failure may well be an exhausted heap.
    wchar_t text[400];
    std::size_t used = 0;
    for (const char* part : {kUnexpectedErrorText, what})
        for (; *part != '\0' && used + 1 < std::size(text); ++part, ++used)
            text[used] = static_cast<unsigned char>(*part);
    text[used] = L'\0';
    MessageBoxW(nullptr, text, nullptr, MB_OK | MB_ICONERROR | MB_TASKMODAL);
    ExitProcess(EXIT_FAILURE);
}

bool IsDialogClass(HWND hwnd) {
    wchar_t name[16] = {};
    GetClassNameW(hwnd, name, static_cast<int>(std::size(name)));
    return wcscmp(name, L"#32770") == 0;
}

} // namespace

// While a dialog of ours is being created, a CBT hook catches its window the
// moment it exists, before WM_CREATE, and subclasses it onto the object.
struct DialogCreation {
    explicit DialogCreation(CDialog& dialog) : previous(t_creating) {
        t_creating = &dialog;
        hook = SetWindowsHookExW(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
    }
    DialogCreation(const DialogCreation&) = delete;
    DialogCreation& operator=(const DialogCreation&) = delete;
    ~DialogCreation() {
        UnhookWindowsHookEx(hook);
        t_creating = previous;
    }

    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam) {
        const auto hwnd = reinterpret_cast<HWND>(wParam);
        if (code == HCBT_CREATEWND && t_creating != nullptr && IsDialogClass(hwnd)) {
            CDialog* dialog = t_creating;
            t_creating = nullptr;
            dialog->Subclass(hwnd);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    CDialog* previous;
    HHOOK hook;
};

CDialog::CDialog(UINT templateId, HWND parent) : m_templateId(templateId), m_parent(parent) {}

CDialog::~CDialog() {
    // The members that m_children points into are gone already.
    m_children.clear();
    if (m_hWnd != nullptr)
        ::DestroyWindow(m_hWnd);
}

CDialog* CDialog::FromHandle(HWND hwnd) {
    if (hwnd == nullptr)
        return nullptr;
    return static_cast<CDialog*>(GetPropW(hwnd, kDialogProperty));
}

void CDialog::Subclass(HWND hwnd) {
    m_hWnd = hwnd;
    ++m_windowSerial;
    SetPropW(hwnd, kDialogProperty, this);
    m_superProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CDialog::WindowProc)));
}

bool CDialog::CreateFromTemplate(HWND owner) {
    DialogCreation creation(*this);
    const HWND hwnd = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId),
                                         owner, DeclineDialogProc, 0);
    return hwnd != nullptr;
}

BOOL CDialog::Create(HWND parent) {
    if (m_hWnd != nullptr)
        return FALSE;
    HWND owner = parent;
    if (owner == nullptr && GetMainWnd() != nullptr)
        owner = GetMainWnd()->m_hWnd;
    return CreateFromTemplate(owner);
}

INT_PTR CDialog::DoModal() {
    if (m_hWnd != nullptr)
        return -1;
    const HWND owner = GetSafeOwner(m_parent);
    const bool disabledOwner = owner != nullptr && ::IsWindowEnabled(owner);
    if (disabledOwner)
        ::EnableWindow(owner, FALSE);
    // A window with no parent is the whole application's question: the main
    // window waits too, though the window is owned by the page in front.
    const HWND main = GetMainWnd() != nullptr ? GetMainWnd()->m_hWnd : nullptr;
    const bool disabledMain =
        m_parent == nullptr && main != nullptr && main != owner && ::IsWindowEnabled(main);
    if (disabledMain)
        ::EnableWindow(main, FALSE);

    m_modalResult = -1;
    m_endModalLoop = false;
    m_inModalLoop = true;
    if (CreateFromTemplate(owner)) {
        if (m_hWnd != nullptr && !IsWindowVisible())
            ShowWindow(SW_SHOWNORMAL);
        RunModalLoop();
    }
    m_inModalLoop = false;

    // Hide first and give the owner back its input before the window goes, so
    // that activation returns to the owner rather than to another program.
    if (m_hWnd != nullptr)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    if (disabledMain)
        ::EnableWindow(main, TRUE);
    if (disabledOwner)
        ::EnableWindow(owner, TRUE);
    if (owner != nullptr && m_hWnd != nullptr && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(owner);
    DestroyWindow();
    return m_modalResult;
}

void CDialog::RunModalLoop() {
    while (!m_endModalLoop && m_hWnd != nullptr) {
        MSG message;
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == -1)
            break;
        if (got == 0) {
            // Leave the quit request for the loop outside this one.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (!PreTranslateDialogMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

void CDialog::EndDialog(int result) {
    if (m_inModalLoop) {
        m_modalResult = result;
        m_endModalLoop = true;
    } else if (m_hWnd != nullptr) {
        ShowWindow(SW_HIDE);
    }
}

BOOL CDialog::OnInitDialog() {
    DoDataExchange();
    return TRUE;
}

void CDialog::OnButtonClicked(WORD id) {
    switch (id) {
    case IDOK:
        OnOK();
        break;
    case IDCANCEL:
        OnCancel();
        break;
    }
}

bool CDialog::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_INITDIALOG:
        result = OnInitDialog();
        if (IsWindow())
            CenterIfUnplaced();
        return true;
    case WM_COMMAND:
        // Enter and Esc come as clicks of IDOK and IDCANCEL from the dialog manager.
        if (HIWORD(wParam) == BN_CLICKED)
            OnButtonClicked(LOWORD(wParam));
        else
            OnCommand(LOWORD(wParam), HIWORD(wParam));
        result = 0;
        return true;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        OnNotify(header->idFrom, header->code);
        result = 0;
        return true;
    }
    case WM_TIMER:
        OnTimer(wParam);
        result = 0;
        return true;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        if (CtlColorHandler* handler = win::FindCtlColorHandler(reinterpret_cast<HWND>(lParam))) {
            const auto type = static_cast<UINT>(message - WM_CTLCOLORMSGBOX);
            result =
                reinterpret_cast<LRESULT>(handler->CtlColor(reinterpret_cast<HDC>(wParam), type));
            return true;
        }
        return false;
    }
    return false;
}

void CDialog::CenterIfUnplaced() {
    // A template at 0, 0 names no place: the window opens with its client
    // area at its owner's (or, unowned, in the screen's corner). Such a window
    // is centred over its owner, or on the screen when it has none.
    if (::GetWindowLongPtrW(m_hWnd, GWL_STYLE) & WS_CHILD)
        return;
    const HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    POINT placed = {0, 0};
    POINT origin = {0, 0};
    if (owner != nullptr) {
        ::ClientToScreen(m_hWnd, &placed);
        ::ClientToScreen(owner, &origin);
    } else {
        RECT frame = {};
        ::GetWindowRect(m_hWnd, &frame);
        placed = {frame.left, frame.top};
    }
    if (placed.x == origin.x && placed.y == origin.y)
        CenterWindow(owner);
}

LRESULT CDialog::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(m_superProc, m_hWnd, message, wParam, lParam);
}

void CDialog::DDX_Control(int id, CWnd& control) {
    control.Attach(GetDlgItem(id));
    AdoptChild(control);
}

void CDialog::AdoptChild(CWnd& child) {
    if (std::find(m_children.begin(), m_children.end(), &child) == m_children.end())
        m_children.push_back(&child);
}

void CDialog::ReleaseChildren() {
    for (CWnd* child : m_children) {
        win::UnregisterCtlColorHandler(child->m_hWnd);
        child->m_hWnd = nullptr;
    }
    m_children.clear();
}

LRESULT CALLBACK CDialog::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* dialog = FromHandle(hwnd);
    if (dialog == nullptr)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return dialog->Dispatch(hwnd, message, wParam, lParam);
}

LRESULT CDialog::Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // Read before the handler runs: the handler may destroy the window.
    const WNDPROC superProc = m_superProc;
    if (message == WM_NCDESTROY) {
        const LRESULT result = CallWindowProcW(superProc, hwnd, message, wParam, lParam);
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(superProc));
        RemovePropW(hwnd, kDialogProperty);
        m_hWnd = nullptr;
        m_superProc = nullptr;
        return result;
    }

    LRESULT result = 0;
    bool handled = false;
    try {
        for (MessageHandler* handler : m_chained)
            if ((handled = handler->HandleMessage(message, wParam, lParam, result)))
                break;
        if (!handled)
            handled = ProcessMessage(message, wParam, lParam, result);
    } catch (const std::exception& error) {
        FailAtBoundary(error.what());
    } catch (...) {
        FailAtBoundary("unknown exception");
    }
    if (message == WM_DESTROY)
        ReleaseChildren();
    if (!handled)
        result = CallWindowProcW(superProc, hwnd, message, wParam, lParam);
    return result;
}

bool PreTranslateDialogMessage(MSG& message) {
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST || message.hwnd == nullptr)
        return false;
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (CDialog::FromHandle(root) == nullptr)
        return false;
    return IsDialogMessageW(root, &message) != FALSE;
}
