#pragma once

#include "controls/Rgb.h"

#include <cstdint>

// The colours and pen of everything the program draws on the board.
namespace look {

inline constexpr controls::Rgb Black{0, 0, 0};
inline constexpr controls::Rgb White{255, 255, 255};
// The point selected in the coordinate lists.
inline constexpr controls::Rgb DarkRed{200, 0, 0};
// Points are dots this many pixels across.
inline constexpr std::int16_t DotWidth = 5;

} // namespace look
