#pragma once

#include "controls/Rgb.h"

#include <windows.h>

namespace controls {

inline COLORREF toColourRef(Rgb colour)
{
    return RGB(colour.red, colour.green, colour.blue);
}

} // namespace controls
