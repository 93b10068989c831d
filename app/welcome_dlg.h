#pragma once
// The welcome window: the application's main window for the whole run, modal,
// with the pages opened above it.
#include "win/dialog.h"

class CWelcomeDlg : public CDialog {
public:
    CWelcomeDlg();

protected:
    BOOL OnInitDialog() override;
    void OnButtonClicked(WORD id) override;
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void OnPaint();
    HICON OnQueryDragIcon() const { return m_icon; }
    void OnStart();

    HICON m_icon;
};
