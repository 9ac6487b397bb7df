#pragma once

#include "geometry/SegmentRelation.h"

#include <array>
#include <cstdint>

// The values the window keeps between events and all its procedures share.
// Every field is 0 when the window is created.
struct Worksheet {
    // Inner size of the board in pixels, recorded once at start-up.
    float BoardWidth = 0;
    float BoardHeight = 0;
    // Points entered and listed, 0 to 3.
    std::int16_t PointCount = 0;
    // Pixels per grid unit.
    std::int16_t GridStep = 0;
    // The crossing the keyboard cursor stands on, in grid units.
    std::int16_t CursorColumn = 0;
    std::int16_t CursorRow = 0;

    // Snapshot of the points taken by the last calculation, in grid units with
    // y downwards: row i is point Pi, column 0 its x, column 1 its y.
    std::array<std::array<std::int32_t, 3>, 5> PointCoords{};
    // Square grid units.
    double TriangleArea = 0;
    // Slot 0: P0–P1 (the segment), slot 1: P1–P2, slot 2: P2–P0.
    std::array<double, 7> SideLengths{};
    // The exact squares of those lengths, which decide the verdicts.
    std::array<std::int32_t, 3> SideSquares{};
    // Twice the signed area; positive when P0, P1, P2 run clockwise on the board.
    std::int32_t OrientedDeterminant = 0;
    // Where P2 lies with respect to the segment P0–P1.
    geometry::SegmentRelation Relation = geometry::SegmentRelation::OnSegment;
    // Distance of P2 from the line through P0 and P1, in grid units; written
    // only when P2 lies off that line.
    double PointSegmentDistance = 0;
};
