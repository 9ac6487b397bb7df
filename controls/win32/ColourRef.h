#pragma once

#include "controls/Rgb.h"

#include <windows.h>

namespace controls {

inline COLORREF toColourRef(Rgb colour)
{
    return RGB(colour.red, colour.green, colour.blue);
}

// One of the system's colours (COLOR_WINDOW and the others), as it is now.
inline Rgb systemColour(int index)
{
    const COLORREF colour = GetSysColor(index);
    return Rgb{GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

} // namespace controls
