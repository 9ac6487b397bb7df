#pragma once

#include <cstdint>
#include <optional>

// Moves a board coordinate to the nearest grid line. The coordinate is
// rounded only to take the remainder, so a fractional press keeps its
// fraction; a remainder of exactly half a step goes to the larger line.
// Empty when the coordinate is too large to round into 32 bits.
std::optional<double> snapToGrid(float coordinate, std::int16_t gridStep);
