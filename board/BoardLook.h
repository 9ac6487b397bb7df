#pragma once

#include "window/BoardColours.h"

#include <cstdint>

// The pen of everything the program draws on the board; its colours are
// the window's.
namespace look {

// Points are dots this many pixels across.
inline constexpr std::int16_t DotWidth = 5;

} // namespace look
