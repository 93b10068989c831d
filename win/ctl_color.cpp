#include "win/ctl_color.h"

namespace {
constexpr wchar_t kHandlerProperty[] = L"Q6.CtlColorHandler";
} // namespace

namespace win {

void RegisterCtlColorHandler(HWND control, CtlColorHandler* handler) {
    SetPropW(control, kHandlerProperty, handler);
}

CtlColorHandler* FindCtlColorHandler(HWND control) {
    if (control == nullptr)
        return nullptr;
    return static_cast<CtlColorHandler*>(GetPropW(control, kHandlerProperty));
}

void UnregisterCtlColorHandler(HWND control) {
    RemovePropW(control, kHandlerProperty);
}

} // namespace win
