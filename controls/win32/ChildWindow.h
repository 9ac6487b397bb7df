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

// Moves a control to its designed place at a display scale.
void placeChildWindow(HWND window, const PixelRect& design, double scale);

// A label no one sees, made right before a list or an edit box, which have
// no caption of their own: the default accessibility proxy names such a box
// after the label that comes right before it among its siblings.
void createNameLabel(std::string_view name, HWND parent);

// The text of a window, as UTF-8.
std::string windowText(HWND window);

} // namespace controls
