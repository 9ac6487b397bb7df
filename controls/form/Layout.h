#pragma once

#include "controls/FormDescription.h"
#include "controls/PixelRect.h"

#include <vector>

namespace controls {

// Where a window's controls go, decided alike on every toolkit.

// The controls in the order the Tab key visits them, by tab index; controls
// with the same index keep the order of the description.
std::vector<const ControlDescription*> inTabOrder(const FormDescription& window);

// Something of this size placed in the middle of an area.
PixelRect centredIn(const PixelRect& area, int width, int height);

} // namespace controls
