#include "geometry/SideLengths.h"

#include "geometry/CheckedArithmetic.h"

#include <cmath>

namespace geometry {

namespace {

std::optional<std::int32_t> squaredDifference(std::int32_t from, std::int32_t to)
{
    const auto difference = checkedSub(from, to);
    if (!difference)
        return std::nullopt;
    return checkedMul(*difference, *difference);
}

} // namespace

std::optional<std::int32_t> squaredDistance(GridPoint from, GridPoint to)
{
    const auto squaredDx = squaredDifference(from.x, to.x);
    const auto squaredDy = squaredDifference(from.y, to.y);
    if (!squaredDx || !squaredDy)
        return std::nullopt;
    return checkedAdd(*squaredDx, *squaredDy);
}

double sideLength(std::int32_t squaredDistance)
{
    return std::sqrt(static_cast<double>(squaredDistance));
}

} // namespace geometry
