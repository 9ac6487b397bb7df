#pragma once

#include "controls/Rgb.h"

class Window;

// Draws the point of one list row as a dot at its board position, read back
// from the row's texts in the x and y lists. A row whose position lies
// beyond any board gets a line in the report instead.
void drawListedPoint(Window& window, int row, controls::Rgb colour);

// Every listed point as a black dot, in the order of the rows.
void drawListedPointsBlack(Window& window);
