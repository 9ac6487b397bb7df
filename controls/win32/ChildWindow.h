#pragma once

#include "controls/PixelRect.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace controls {

// Creates a control of a window class at its designed place in the parent's
// client area; a class of our own gets the object that owns the window. The
// id tells the control apart in the parent's messages; ids start above IDOK
// and IDCANCEL, which the dialog manager sends for Enter and Esc.
HWND createChildWindow(const wchar_t* windowClass, std::string_view text, DWORD style, DWORD extendedStyle,
                       const PixelRect& bounds, HWND parent, int id, void* owner = nullptr);

// The text of a window, as UTF-8.
std::string windowText(HWND window);

} // namespace controls
