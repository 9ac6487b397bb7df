#pragma once

#include <cstdint>

class Window;

// The board from the keyboard: the arrow keys move a cursor from crossing
// to crossing, within the crossings a press can reach; Space or Enter enters
// a point at the cursor, as a left-button press on that crossing would.
void Picture1_KeyDown(Window& window, std::int16_t KeyCode, std::int16_t Shift);

// Puts the keyboard cursor on the crossing nearest the board's centre.
void PlaceKeyboardCursor(Window& window);

// Tells the board, for a screen reader, where the cursor stands in grid
// units and how many points are entered.
void DescribeBoard(Window& window);
