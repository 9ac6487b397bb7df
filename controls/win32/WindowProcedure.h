#pragma once

#include <windows.h>

namespace controls {

// The window procedure of a window class whose windows each belong to one
// object: CreateWindowEx hands the object over as its creation parameter,
// and every message after that goes to the object's handleMessage.
template <typename Owner>
LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!owner)
        return DefWindowProcW(window, message, wParam, lParam);
    // The last message: the object may be gone before anything else arrives.
    if (message == WM_NCDESTROY)
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return owner->handleMessage(window, message, wParam, lParam);
}

// The window class of Owner's windows, registered the first time it is asked
// for, with the arrow cursor and no background brush: the owner paints.
template <typename Owner>
const wchar_t* ownedWindowClass(const wchar_t* name, UINT style = 0)
{
    static const ATOM atom = [name, style] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = style;
        windowClass.lpfnWndProc = windowProcedure<Owner>;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = name;
        return RegisterClassExW(&windowClass);
    }();
    return MAKEINTATOM(atom);
}

} // namespace controls
