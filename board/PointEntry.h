#pragma once

#include <cstdint>

class Window;

// A mouse button pressed on the board adds a point at the nearest grid
// crossing, up to three points. Any button, any modifier keys.
void Picture1_MouseDown(Window& window, std::int16_t Button, std::int16_t Shift, float X, float Y);
