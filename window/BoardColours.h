#pragma once

#include "controls/Rgb.h"

// The colours the program draws the board in; the window's design names
// them too, so that another look can show each in a colour of its own.
namespace look {

inline constexpr controls::Rgb Black{0, 0, 0};
inline constexpr controls::Rgb White{255, 255, 255};
// The point selected in the coordinate lists.
inline constexpr controls::Rgb DarkRed{200, 0, 0};

} // namespace look
