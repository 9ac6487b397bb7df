#pragma once

#include "geometry/GridPoint.h"

#include <cstdint>
#include <optional>

namespace geometry {

// The squared distance between two grid points, exact in whole grid units.
// Empty when a difference, a square or the sum leaves 32 bits.
[[nodiscard]] std::optional<std::int32_t> squaredDistance(GridPoint from, GridPoint to);

// The length that belongs to a squared distance: exactly 0 for coincident
// points and exactly whole when the squared distance is a perfect square.
[[nodiscard]] double sideLength(std::int32_t squaredDistance);

} // namespace geometry
