#include "controls/Layout.h"

#include <algorithm>
#include <cmath>

namespace controls {

namespace {

int scaledEdge(int edge, double scale)
{
    return int(std::floor(edge * scale + 0.5));
}

} // namespace

std::vector<const ControlDescription*> inTabOrder(const FormDescription& window)
{
    std::vector<const ControlDescription*> ordered;
    for (const ControlDescription& control : window.controls)
        ordered.push_back(&control);
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const auto* a, const auto* b) { return a->tabIndex < b->tabIndex; });
    return ordered;
}

PixelRect scaled(const PixelRect& design, double scale)
{
    const int left = scaledEdge(design.left, scale);
    const int top = scaledEdge(design.top, scale);
    return PixelRect{left, top, scaledEdge(design.left + design.width, scale) - left,
                     scaledEdge(design.top + design.height, scale) - top};
}

PixelRect centredIn(const PixelRect& area, int width, int height)
{
    return PixelRect{area.left + (area.width - width) / 2, area.top + (area.height - height) / 2, width, height};
}

} // namespace controls
