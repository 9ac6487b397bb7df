#include "geometry/CalculationRange.h"

#include "geometry/CheckedArithmetic.h"
#include "geometry/OrientedArea.h"
#include "geometry/SegmentRelation.h"
#include "geometry/SideLengths.h"

namespace geometry {

namespace {

bool fitsBoardPixels(GridPoint point, std::int16_t gridStep)
{
    return checkedMul<std::int32_t>(point.x, gridStep) && checkedMul<std::int32_t>(point.y, gridStep);
}

} // namespace

bool fitsCalculation(const std::array<GridPoint, 3>& points, std::int16_t gridStep)
{
    const auto segment = squaredDistance(points[0], points[1]);
    const auto endToPoint = squaredDistance(points[1], points[2]);
    const auto pointToStart = squaredDistance(points[2], points[0]);
    if (!segment || !endToPoint || !pointToStart)
        return false;
    if (!orientedDeterminant(points[0], points[1], points[2]))
        return false;
    if (!segmentRelation(*segment, *endToPoint, *pointToStart))
        return false;
    for (const GridPoint& point : points) {
        if (!fitsBoardPixels(point, gridStep))
            return false;
    }
    return true;
}

} // namespace geometry
