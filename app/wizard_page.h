#pragma once
// What the four wizard pages share: the page colour painted behind everything,
// fonts A to D measured on the page, and the heading and title in orange.
// A page adds its own fonts and controls in its OnCreate, after this one's.
#include "app/color_controls.h"
#include "app/page_frame.h"
#include "win/dialog.h"

class CWizardPage : public CDialog {
public:
    CWizardPage(UINT templateId, const PageHead& head);

protected:
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // -1 refuses the window, as for any WM_CREATE.
    virtual LRESULT OnCreate(CREATESTRUCTW* create);

    MeasuredFont m_fontA; // 22 pt: heading
    MeasuredFont m_fontB; // 15 pt: title
    MeasuredFont m_fontC; // 11 pt
    MeasuredFont m_fontD; // 10 pt: its height is a row's height
    CColorStatic m_heading;
    CColorStatic m_title;

private:
    void OnPaint();

    PageHead m_head;
};
