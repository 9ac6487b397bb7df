#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace controls {

// The raster's own coordinates. Pixel positions are 64-bit so that far-off
// pixels of a line do not overflow.
using Coordinate = std::int64_t;

// A position in device pixels, not yet rounded to one.
struct Point {
    double x = 0;
    double y = 0;
};

struct PixelPoint {
    Coordinate x = 0;
    Coordinate y = 0;
};

// Whether a line between two pixels spans more rows than columns.
inline bool isSteep(PixelPoint from, PixelPoint to)
{
    return std::abs(to.y - from.y) > std::abs(to.x - from.x);
}

// Inclusive bounds of the pixels worth visiting.
struct Box {
    Coordinate left = 0;
    Coordinate top = 0;
    Coordinate right = 0;
    Coordinate bottom = 0;

    bool contains(Coordinate x, Coordinate y) const
    {
        return x >= left && x <= right && y >= top && y <= bottom;
    }
};

// A run of pixels along a row, both ends included; empty when left > right.
struct Span {
    Coordinate left = std::numeric_limits<Coordinate>::max();
    Coordinate right = std::numeric_limits<Coordinate>::min();

    bool empty() const { return left > right; }
    void include(Span other)
    {
        left = std::min(left, other.left);
        right = std::max(right, other.right);
    }
};

} // namespace controls
