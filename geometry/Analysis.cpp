#include "geometry/Analysis.h"

#include "geometry/CheckedArithmetic.h"
#include "geometry/OrientedArea.h"
#include "geometry/SideLengths.h"

namespace geometry {

namespace {

std::optional<BoardPixel> boardPixel(GridPoint point, std::int16_t gridStep)
{
    const auto x = checkedMul<std::int32_t>(point.x, gridStep);
    const auto y = checkedMul<std::int32_t>(point.y, gridStep);
    if (!x || !y)
        return std::nullopt;
    return BoardPixel{*x, *y};
}

bool isOnSegmentLine(SegmentRelation relation)
{
    return relation == SegmentRelation::OnSegment || relation == SegmentRelation::OnExtension;
}

} // namespace

std::optional<Analysis> analyse(const std::array<GridPoint, 3>& points, std::int16_t gridStep)
{
    Analysis result{};
    result.points = points;
    for (int i = 0; i < 3; ++i) {
        const auto pixel = boardPixel(points[i], gridStep);
        // Slot i runs from point i to the next one round the triangle.
        const auto squared = squaredDistance(points[i], points[(i + 1) % 3]);
        if (!pixel || !squared)
            return std::nullopt;
        result.pixels[i] = *pixel;
        result.sideSquares[i] = *squared;
        result.sideLengths[i] = sideLength(*squared);
    }

    const auto determinant = orientedDeterminant(points[0], points[1], points[2]);
    const auto relation = segmentRelation(result.sideSquares[0], result.sideSquares[1], result.sideSquares[2]);
    if (!determinant || !relation)
        return std::nullopt;
    result.determinant = *determinant;
    result.area = triangleArea(*determinant);
    result.relation = *relation;
    // Twice the area over the base: the triangle's height over the segment.
    // Off the line the segment has length, or the point would lie on it.
    if (!isOnSegmentLine(*relation))
        result.distance = (result.area * 2) / result.sideLengths[0];
    return result;
}

} // namespace geometry
