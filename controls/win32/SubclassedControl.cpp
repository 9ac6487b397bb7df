#include "controls/win32/SubclassedControl.h"

namespace controls {

void SubclassedControl::subclass(HWND window)
{
    window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    controlProcedure_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

LRESULT SubclassedControl::controlProcedure(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return CallWindowProcW(controlProcedure_, window_, message, wParam, lParam);
}

LRESULT CALLBACK SubclassedControl::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* owner = reinterpret_cast<SubclassedControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!owner)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        const WNDPROC own = owner->controlProcedure_;
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        owner->window_ = nullptr;
        return CallWindowProcW(own, window, message, wParam, lParam);
    }
    return owner->handleMessage(message, wParam, lParam);
}

} // namespace controls
