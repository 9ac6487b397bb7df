#pragma once

class Window;

// Removes the point selected in the coordinate lists and redraws the board
// with the points that remain, all black; with no row selected, nothing
// changes. Leaves "Изчисли" disabled.
void DeleteSelectedPoint(Window& window);
