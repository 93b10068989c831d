#include "app/page_frame.h"

#include "res/resource.h"
#include "win/text.h"

#include <cwchar>

void PaintPage(HWND window, COLORREF colour) {
    CPaintDC dc(window);
    RECT client = {};
    ::GetClientRect(window, &client);
    CBrush brush(colour);
    // The context's default pen draws the frame.
    const HGDIOBJ previous = ::SelectObject(dc.m_hDC, brush.GetSafeHandle());
    ::Rectangle(dc.m_hDC, 0, 0, client.right, client.bottom);
    ::SelectObject(dc.m_hDC, previous);
}

LOGFONTW BoldFont(int height, const wchar_t* face) {
    LOGFONTW font = {};
    font.lfHeight = height;
    font.lfWeight = FW_BOLD;
    wcsncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    return font;
}

void MeasuredFont::Create(HWND page, int tenths) {
    font.CreatePointFont(tenths, kPageFace);
    metrics = MeasureFont(page, font);
}

void CreatePageHead(CDialog& page, const PageHead& head, CColorStatic& heading, CColorStatic& title,
                    const MeasuredFont& fontA, const MeasuredFont& fontB) {
    const RECT client = page.GetClientRect();
    const double W = client.right;
    const double H = client.bottom;

    const std::wstring headingText = win::LoadResourceString(head.headingId);
    const double headingWidth =
        (win::AnsiLength(headingText) + 1) * static_cast<double>(fontA.metrics.avgCharWidth);
    const auto headingHeight = static_cast<int>(head.lineScale * fontA.metrics.height);
    CreatePageControl(
        heading, page, headingText, 0,
        TruncatedRect(0.04 * W, 0.02 * H, 0.04 * W + headingWidth, 0.02 * H + headingHeight),
        IDC_RUNTIME_LABEL, fontA.font, kOrange);

    const std::wstring titleText = win::LoadResourceString(head.titleId);
    const auto titleWidth =
        static_cast<int>(1.1 * (win::AnsiLength(titleText) + 1) * fontB.metrics.avgCharWidth);
    const auto titleHeight = static_cast<int>(head.lineScale * fontB.metrics.height);
    const double titleLeft = head.titleLeft * W;
    CreatePageControl(
        title, page, titleText, 0,
        TruncatedRect(titleLeft, 0.05 * H, titleLeft + titleWidth, 0.05 * H + titleHeight),
        IDC_RUNTIME_LABEL, fontB.font, kOrange);
}
