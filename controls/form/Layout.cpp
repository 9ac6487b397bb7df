#include "controls/form/Layout.h"

#include <algorithm>

namespace controls {

std::vector<const ControlDescription*> inTabOrder(const FormDescription& window)
{
    std::vector<const ControlDescription*> ordered;
    for (const ControlDescription& control : window.controls)
        ordered.push_back(&control);
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const auto* a, const auto* b) { return a->tabIndex < b->tabIndex; });
    return ordered;
}

PixelRect centredIn(const PixelRect& area, int width, int height)
{
    return PixelRect{area.left + (area.width - width) / 2, area.top + (area.height - height) / 2, width, height};
}

} // namespace controls
