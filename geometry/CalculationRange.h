#pragma once

#include "geometry/GridPoint.h"

#include <array>
#include <cstdint>

namespace geometry {

// Whether every whole number the analysis of these points works with fits
// its type: the squared sides, the determinant, the relation test and the
// points' board pixels. Checked before anything is written or drawn, so a
// run either completes or changes nothing but its one complaint.
[[nodiscard]] bool fitsCalculation(const std::array<GridPoint, 3>& points, std::int16_t gridStep);

} // namespace geometry
