#pragma once

#include "controls/form/BoardEdge.h"

#include <windows.h>

namespace controls {

// Fills an edge's bands inside the outer rectangle of device pixels, in
// the order the edge gives them.
void fillEdgeBands(HDC context, const BoardEdge& edge, const RECT& outer, double scale);

// The system's raised edge of a button, or its sunken one while the button
// is pressed, in the system's colours, as wide as the look gives it.
EdgeLook buttonEdge(int width, bool pressed);

} // namespace controls
