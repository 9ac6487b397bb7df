#pragma once

#include <cstdint>

namespace geometry {

// A grid crossing in whole grid units, with y growing downwards as on the board.
struct GridPoint
{
    std::int32_t x;
    std::int32_t y;

    friend bool operator==(const GridPoint &, const GridPoint &) = default;
};

} // namespace geometry
