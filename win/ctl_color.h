#pragma once
// Reflected colouring: a real parent window receives WM_CTLCOLOR* for its child
// controls; a control object that wants to choose its own colours registers
// here, and every CDialog hands those messages back to it.
#include <windows.h>

class CtlColorHandler {
public:
    // Sets up `dc` for drawing and gives the brush the control's background is
    // filled with. `type` is the CTLCOLOR_* kind of the message.
    virtual HBRUSH CtlColor(HDC dc, UINT type) = 0;

protected:
    ~CtlColorHandler() = default;
};

namespace win {

void RegisterCtlColorHandler(HWND control, CtlColorHandler* handler);
// Null when the control registered no handler.
CtlColorHandler* FindCtlColorHandler(HWND control);
void UnregisterCtlColorHandler(HWND control);

} // namespace win
