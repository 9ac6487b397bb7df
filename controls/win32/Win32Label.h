#pragma once

#include "controls/FormDescription.h"
#include "controls/win32/GdiObject.h"

#include <windows.h>

namespace controls {

// A caption on Win32: a STATIC control on its own background colour, its
// text placed and coloured as the design says.
class Win32Label
{
public:
    Win32Label(const ControlDescription& design, Rgb textColour, HWND parent, int id);

    HWND handle() const { return window_; }
    // The label in the colours of the window as shown; the caller repaints.
    void recolour(const ControlDescription& shown, Rgb textColour);
    // WM_CTLCOLORSTATIC: sets up the label's context and gives its brush.
    HBRUSH paintBackground(HDC context) const;

private:
    HWND window_ = nullptr;
    COLORREF colour_ = 0;
    COLORREF textColour_ = 0;
    GdiObject<HBRUSH> background_;
};

} // namespace controls
