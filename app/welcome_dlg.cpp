#include "app/welcome_dlg.h"

#include "app/page_frame.h"
#include "res/resource.h"

namespace {

// The picture's frame in the template, in dialog units.
constexpr RECT kPictureFrame = {7, 6, 7 + 264, 6 + 119};

} // namespace

CWelcomeDlg::CWelcomeDlg(std::function<void()> onStart)
    : CDialog(IDD_WELCOME), m_onStart(std::move(onStart)),
      m_icon(::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME))) {}

BOOL CWelcomeDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));
    if (SystemDpi() > 96)
        ScalePicture();
    return TRUE;
}

bool CWelcomeDlg::ProcessMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_PAINT:
        OnPaint();
        return true;
    case WM_DESTROY:
        OnDestroy();
        break;
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<LRESULT>(OnQueryDragIcon());
        return true;
    }
    return CDialog::ProcessMessage(message, wParam, lParam, result);
}

void CWelcomeDlg::OnButtonClicked(WORD id) {
    switch (id) {
    case IDC_START:
        OnStart();
        break;
    default:
        CDialog::OnButtonClicked(id);
    }
}

void CWelcomeDlg::OnPaint() {
    PaintPage(m_hWnd, kWelcomeColour);
}

// The template's one static control, id -1.
HWND CWelcomeDlg::Picture() const {
    return ::FindWindowExW(m_hWnd, nullptr, L"Static", nullptr);
}

// The bitmap control sizes itself to its picture, so it is given one drawn at
// the size its frame has at this DPI: made smaller from the picture drawn at
// twice the size, which stays sharper than the small one made larger.
void CWelcomeDlg::ScalePicture() {
    const HWND control = Picture();
    RECT frame = kPictureFrame;
    ::MapDialogRect(m_hWnd, &frame);
    const auto large = static_cast<HBITMAP>(::LoadImageW(::GetModuleHandleW(nullptr),
                                                         MAKEINTRESOURCEW(IDB_WELCOME_2X),
                                                         IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    const bool scaled =
        large != nullptr &&
        m_scaledPicture.CreateStretched(large, frame.right - frame.left, frame.bottom - frame.top);
    if (large != nullptr)
        ::DeleteObject(large);
    if (!scaled)
        return;
    m_picture = reinterpret_cast<HBITMAP>(::SendMessageW(control, STM_GETIMAGE, IMAGE_BITMAP, 0));
    ::SendMessageW(control, STM_SETIMAGE, IMAGE_BITMAP,
                   reinterpret_cast<LPARAM>(m_scaledPicture.GetSafeHandle()));
}

// Children go after their parent's WM_DESTROY: the control gets its own
// picture back while it can, and the scaled one is ours to delete.
void CWelcomeDlg::OnDestroy() {
    if (m_picture == nullptr)
        return;
    ::SendMessageW(Picture(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(m_picture));
    m_picture = nullptr;
    m_scaledPicture.DeleteObject();
}

// The welcome window stays open and usable: "开始" may be pressed at any time.
void CWelcomeDlg::OnStart() {
    m_onStart();
}
