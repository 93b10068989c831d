#pragma once
// CDialog: a window made from a numbered dialog template, modeless (Create) or
// modal (DoModal, with its own message loop). Messages arrive unpacked: a
// button's click in OnButtonClicked(id), other control notifications in
// OnCommand(id, code) and OnNotify(id, code), ticks in OnTimer(id); anything
// else in ProcessMessage,
// one switch per class that falls back to its base. A member object can take
// its share of the window's messages through ChainMessages.
//
// The object is subclassed onto its window the moment the window exists, so it
// sees WM_CREATE, before the dialog manager's WM_INITDIALOG, and OnCreate can
// refuse the window. It lets go of the window on WM_NCDESTROY. A window whose
// template names no place (0, 0) opens centred over its owner.
//
// No exception crosses a window procedure: one that reaches the boundary means
// a handler stopped half way and the wizard's state is no longer known, so the
// program says so in a message box and ends (nothing is persisted, so nothing
// but this run is lost).
#include "win/wnd.h"

#include <vector>

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, HWND parent = nullptr);
    ~CDialog() override;

    // Modeless: with no parent the window is owned by the main window.
    BOOL Create(HWND parent = nullptr);
    // Modal: disables the owner while the loop runs; gives the EndDialog result,
    // or -1 when the window could not be created.
    INT_PTR DoModal();
    // Modal: ends the loop with `result`. Modeless: only hides the window, which
    // stays in existence with all it shows.
    void EndDialog(int result);

    UINT TemplateId() const { return m_templateId; }
    // Counts the windows the object has had: each new one has a new number.
    unsigned WindowSerial() const { return m_windowSerial; }

    // The dialog object of a window of ours; null for any other window.
    static CDialog* FromHandle(HWND hwnd);

protected:
    virtual BOOL OnInitDialog();
    // Binds the template's controls to their member objects (DDX_Control).
    virtual void DoDataExchange() {}
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // BN_CLICKED of control `id`; the base maps IDOK and IDCANCEL.
    virtual void OnButtonClicked(WORD id);
    // Any other WM_COMMAND notification (list boxes, edits).
    virtual void OnCommand(WORD /*id*/, WORD /*code*/) {}
    // A WM_NOTIFY of the common controls.
    virtual void OnNotify(UINT_PTR /*id*/, UINT /*code*/) {}
    virtual void OnTimer(UINT_PTR /*id*/) {}
    // The message map: true with `result` set when the message is handled;
    // false lets the dialog manager handle it.
    virtual bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // The dialog manager's own handling of a message (the framework's Default).
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

    // Attaches control `id` of this window to `control` for as long as the window lives.
    void DDX_Control(int id, CWnd& control);

public:
    // Lets `child`, created at run time on this window, lose its handle with it.
    void AdoptChild(CWnd& child);

    // A member that handles some of the window's messages itself (the
    // exchange host takes its timer and socket notifications); asked first.
    class MessageHandler {
    public:
        virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;

    protected:
        ~MessageHandler() = default;
    };
    void ChainMessages(MessageHandler& handler) { m_chained.push_back(&handler); }

private:
    friend struct DialogCreation;
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Subclass(HWND hwnd);
    LRESULT Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void ReleaseChildren();
    void CenterIfUnplaced();
    bool CreateFromTemplate(HWND owner);
    void RunModalLoop();

    UINT m_templateId;
    HWND m_parent;
    WNDPROC m_superProc = nullptr;
    std::vector<CWnd*> m_children;
    std::vector<MessageHandler*> m_chained;
    bool m_inModalLoop = false;
    bool m_endModalLoop = false;
    INT_PTR m_modalResult = -1;
    unsigned m_windowSerial = 0;
};

// The window a handler began with. A nested message loop (a message box, a
// modal window, the progress window's pump) runs other windows' handlers,
// which may destroy this window, or give its object a new one for another
// run: what a handler does after such a loop is for the window it began with
// alone, and only while that window lives.
class CWindowWatch {
public:
    explicit CWindowWatch(const CDialog& dialog)
        : m_dialog(&dialog), m_serial(dialog.IsWindow() ? dialog.WindowSerial() : 0) {}
    bool Same() const { return m_dialog->IsWindow() && m_dialog->WindowSerial() == m_serial; }

private:
    const CDialog* m_dialog;
    unsigned m_serial;
};

// Hands a keyboard message to the dialog manager of the dialog of ours that the
// message's window belongs to, so Tab, Enter and Esc work on every open page
// whichever loop pumps. True when the dialog manager took the message.
bool PreTranslateDialogMessage(MSG& message);
