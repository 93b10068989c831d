#pragma once
// The welcome window: the application's main window for the whole run, modal,
// with the pages opened above it.
#include "win/dialog.h"

#include <functional>

class CWelcomeDlg : public CDialog {
public:
    // `onStart`: what "开始" does.
    explicit CWelcomeDlg(std::function<void()> onStart);

protected:
    BOOL OnInitDialog() override;
    void OnButtonClicked(WORD id) override;
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void OnPaint();
    HICON OnQueryDragIcon() const { return m_icon; }
    void OnStart();

    std::function<void()> m_onStart;
    HICON m_icon;
};
