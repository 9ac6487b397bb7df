#pragma once

#include "geometry/GridPoint.h"

#include <cstdint>
#include <optional>

namespace geometry {

// Twice the signed area of the triangle p0 p1 p2: the determinant of the rows
// (x, y, 1). With y growing downwards it is positive when the points run
// clockwise on the board. Empty when an intermediate value leaves 32 bits.
[[nodiscard]] std::optional<std::int32_t> orientedDeterminant(GridPoint p0, GridPoint p1, GridPoint p2);

// The unsigned area that belongs to an oriented determinant.
[[nodiscard]] double triangleArea(std::int32_t determinant);

} // namespace geometry
