#pragma once
// The welcome window: the application's main window for the whole run, modal,
// with the pages opened above it.
#include "win/dialog.h"
#include "win/gdi.h"

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
    void OnDestroy();
    HWND Picture() const;
    // Above 96 DPI the dialog grows and the picture, made for 96 DPI, with it.
    void ScalePicture();
    HICON OnQueryDragIcon() const { return m_icon; }
    void OnStart();

    std::function<void()> m_onStart;
    HICON m_icon;
    CBitmap m_scaledPicture;
    HBITMAP m_picture = nullptr; // the control's own, given back before it goes
};
