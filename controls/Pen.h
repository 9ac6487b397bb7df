#pragma once

#include "controls/Rgb.h"

#include <cstdint>

namespace controls {

// Pen patterns; they show only while the pen is one pixel wide.
enum class DrawStyle : std::int16_t {
    Solid = 0,
    Dash = 1,
    Dot = 2,
    DashDot = 3,
    DashDotDot = 4,
};

// How a line is drawn: its colour, its width in pixels and its pattern.
struct Pen {
    Rgb colour;
    int width = 1;
    DrawStyle style = DrawStyle::Solid;
};

} // namespace controls
