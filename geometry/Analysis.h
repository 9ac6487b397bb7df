#pragma once

#include "geometry/GridPoint.h"
#include "geometry/SegmentRelation.h"

#include <array>
#include <cstdint>
#include <optional>

namespace geometry {

// A point of the board in whole pixels.
struct BoardPixel
{
    std::int32_t x;
    std::int32_t y;
};

// Everything the report and the drawing take from three grid points: P0 and
// P1, the segment's end points, and P2, the point examined.
struct Analysis
{
    std::array<GridPoint, 3> points;
    // The same points in board pixels, one grid unit being gridStep pixels.
    std::array<BoardPixel, 3> pixels;
    // Slot 0: P0–P1 (the segment), slot 1: P1–P2, slot 2: P2–P0.
    std::array<std::int32_t, 3> sideSquares;
    std::array<double, 3> sideLengths;
    // Twice the signed area; positive when P0, P1, P2 run clockwise on the board.
    std::int32_t determinant;
    double area;
    SegmentRelation relation;
    // Distance of P2 from the segment's line; only for a point off that line.
    std::optional<double> distance;
};

// Works the three points out once, in checked arithmetic. Empty when any
// whole number on the way would leave its type.
[[nodiscard]] std::optional<Analysis> analyse(const std::array<GridPoint, 3>& points, std::int16_t gridStep);

} // namespace geometry
