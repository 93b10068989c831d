#pragma once
// The progress window of an exchange with the arrays. It stands in for a modal
// window without a modal loop of its own: it disables its owner while open, and
// each Step of the exchange's timer first dispatches every waiting message, so
// that replies are handled while the bar moves.
#include "app/progress_percent.h"
#include "win/common_controls.h"
#include "win/controls.h"
#include "win/dialog.h"

class CProgressDlg : public CDialog {
public:
    CProgressDlg();
    ~CProgressDlg() override;

    // Disables `owner` (unless it was disabled already) and opens the window
    // centred over it (see CDialog). False, with the owner as it was, when the window cannot
    // be made. On a window that is open already it changes nothing.
    BOOL Open(HWND owner);
    // One tick: dispatch the waiting messages, then, if the window is still
    // open, advance the bar and the percentage.
    void Step();
    // Shows the percentage of `position`; the text is written only when it changes.
    void SetPercent(int position);
    // Dispatches every waiting message of the thread, keyboard ones to the
    // dialog manager of the window of ours they are for.
    void PumpMessages();
    // Closes the window and enables the owner again, if Open had disabled it.
    BOOL DestroyWindow() override;

    // The message shown above the bar; the window's user sets its text.
    CStatic m_message;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange() override;
    // Enter does not end the window.
    void OnOK() override {}
    // Esc only hides it: the exchange goes on and the owner stays disabled.
    void OnCancel() override { EndDialog(IDCANCEL); }
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    CProgressCtrl m_bar;
    ProgressRange m_range;
    bool m_ownerDisabled = false;
    HWND m_owner = nullptr;
};
