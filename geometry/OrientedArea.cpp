#include "geometry/OrientedArea.h"

#include "geometry/CheckedArithmetic.h"

#include <cmath>

namespace geometry {

namespace {

// Partial sums carry an overflow forward: once a step has failed, the
// whole determinant is unknown.
std::optional<std::int32_t> plus(std::optional<std::int32_t> sum, std::optional<std::int32_t> term)
{
    if (!sum || !term)
        return std::nullopt;
    return checkedAdd(*sum, *term);
}

std::optional<std::int32_t> minus(std::optional<std::int32_t> sum, std::optional<std::int32_t> term)
{
    if (!sum || !term)
        return std::nullopt;
    return checkedSub(*sum, *term);
}

} // namespace

std::optional<std::int32_t> orientedDeterminant(GridPoint p0, GridPoint p1, GridPoint p2)
{
    // Summed strictly from left to right, so that a partial sum leaving
    // 32 bits is caught even where another order would have fitted.
    auto sum = checkedMul(p0.x, p1.y);
    sum = plus(sum, checkedMul(p1.x, p2.y));
    sum = plus(sum, checkedMul(p2.x, p0.y));
    sum = minus(sum, checkedMul(p2.x, p1.y));
    sum = minus(sum, checkedMul(p0.x, p2.y));
    sum = minus(sum, checkedMul(p1.x, p0.y));
    return sum;
}

double triangleArea(std::int32_t determinant)
{
    return std::abs(static_cast<double>(determinant) / 2);
}

} // namespace geometry
