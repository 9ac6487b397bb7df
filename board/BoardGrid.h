#pragma once

class Window;

// Draws the grid over whatever the board shows: dash-dot-dot black lines one
// grid step apart. Leaves the pen one pixel wide, dash-dot-dot.
void DrawGrid(Window& window);

// Back to the start state: no points, empty lists, a white board with a fresh
// grid, "Изчисли" disabled. The report box keeps its text.
void ResetBoard(Window& window);
