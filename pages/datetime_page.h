#pragma once
// Wizard step 3: time zone, date and time.
#include "app/color_controls.h"
#include "app/page_frame.h"
#include "pages/network_page.h"
#include "win/dialog.h"

class CDateTimePage : public CDialog {
public:
    CDateTimePage();

protected:
    bool OnCommand(WORD id, WORD code, HWND control) override;
    bool ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    LRESULT OnCreate(CREATESTRUCTW* create);
    void OnPaint();
    void OnNext();
    void OnBack();

    CColorStatic m_heading;
    CColorStatic m_title;
    MeasuredFont m_fontA;
    MeasuredFont m_fontB;
    MeasuredFont m_fontD;
    CFont m_fontE;
    // The page "上一步" goes back to.
    CNetworkPage m_networkPage;
};
