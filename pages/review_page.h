#pragma once
// Wizard step 4: the reported and the new values side by side, and the save.
#include "app/color_controls.h"
#include "app/page_frame.h"
#include "pages/datetime_page.h"
#include "win/dialog.h"

class CReviewPage : public CDialog {
public:
    CReviewPage();

protected:
    bool OnCommand(WORD id, WORD code, HWND control) override;
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    LRESULT OnCreate(CREATESTRUCTW* create);
    void OnPaint();
    void OnBack();

    // The page "上一步" goes back to.
    CDateTimePage m_dateTimePage;
    CColorStatic m_heading;
    CColorStatic m_title;
    MeasuredFont m_fontA;
    MeasuredFont m_fontB;
    MeasuredFont m_fontC;
    MeasuredFont m_fontD;
    CFont m_fontE;
    CFont m_fontF;
};
