#pragma once
// Wizard step 1: finds the arrays and selects one.
#include "app/color_controls.h"
#include "app/page_frame.h"
#include "win/dialog.h"

class CSearchPage : public CDialog {
public:
    CSearchPage();

protected:
    // "确定": on to step 2, once the array has accepted the administrator password.
    void OnOK() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    LRESULT OnCreate(CREATESTRUCTW* create);
    void OnPaint();
    void OnExit();

    CColorStatic m_heading;
    CColorStatic m_title;
    MeasuredFont m_fontA;
    MeasuredFont m_fontB;
    MeasuredFont m_fontC;
    MeasuredFont m_fontD;
    CFont m_fontF;
    CFont m_fontE;
};

// The administrator password check that guards the way to step 2: IDOK when the
// selected array accepted the password. One function, in its own file, so the
// password window plugs in here and the GUI tests can stand in for it.
INT_PTR RunPasswordCheck();
