#include "controls/form/BoardEdge.h"

#include "controls/raster/DeviceScale.h"

#include <algorithm>

namespace controls {

BoardEdge::BoardEdge(const EdgeLook& look)
    : look_(look)
{
}

int BoardEdge::inner(int outerLength) const
{
    return std::max(outerLength - 2 * look_.width, 0);
}

int BoardEdge::width(double scale) const
{
    return DeviceScale(scale).length(look_.width);
}

// The bottom and right sides go over the ends of the top and left ones, as
// a system draws an edge.
std::array<BoardEdge::Band, 8> BoardEdge::bands(const PixelRect& area, double scale) const
{
    const int outer = outerWidth(scale);
    const int inner = innerWidth(scale);
    const auto sides = [](const PixelRect& r, int w, Rgb shadow, Rgb light) {
        return std::array<Band, 4>{Band{{r.left, r.top, r.width, w}, shadow}, Band{{r.left, r.top, w, r.height}, shadow},
                                   Band{{r.left, r.top + r.height - w, r.width, w}, light},
                                   Band{{r.left + r.width - w, r.top, w, r.height}, light}};
    };
    const PixelRect within{area.left + outer, area.top + outer, area.width - 2 * outer, area.height - 2 * outer};
    const auto outside = sides(area, outer, look_.outerShadow, look_.outerLight);
    const auto inside = sides(within, inner, look_.innerShadow, look_.innerLight);
    std::array<Band, 8> all;
    std::copy(outside.begin(), outside.end(), all.begin());
    std::copy(inside.begin(), inside.end(), all.begin() + 4);
    return all;
}

} // namespace controls
