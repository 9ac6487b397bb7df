#include "geometry/SegmentRelation.h"

#include "geometry/CheckedArithmetic.h"

#include <compare>

namespace geometry {

namespace {

// Whether √total = √first + √second, decided without roots: squaring twice
// turns it into total − first − second ≥ 0 and (total − first − second)² =
// 4·first·second. Sums of rounded roots would miss collinear points whose
// lengths are irrational.
std::optional<bool> isSumOfRoots(std::int64_t total, std::int64_t first, std::int64_t second)
{
    const auto rest = checkedSub(total, first);
    const auto excess = rest ? checkedSub(*rest, second) : std::nullopt;
    if (!excess)
        return std::nullopt;
    if (*excess < 0)
        return false;
    const auto excessSquared = checkedMul(*excess, *excess);
    const auto product = checkedMul(first, second);
    const auto fourfoldProduct = product ? checkedMul<std::int64_t>(*product, 4) : std::nullopt;
    if (!excessSquared || !fourfoldProduct)
        return std::nullopt;
    return *excessSquared == *fourfoldProduct;
}

// By the law of cosines the angle between two sides is right, obtuse or acute
// as the square of the opposite side equals, exceeds or falls short of the
// sum of their squares.
std::optional<std::strong_ordering> compareWithSum(std::int64_t opposite, std::int64_t first,
                                                   std::int64_t second)
{
    const auto sum = checkedAdd(first, second);
    if (!sum)
        return std::nullopt;
    return opposite <=> *sum;
}

} // namespace

std::optional<SegmentRelation> segmentRelation(std::int32_t segmentSquared,
                                               std::int32_t endToPointSquared,
                                               std::int32_t pointToStartSquared)
{
    if (segmentSquared < 0 || endToPointSquared < 0 || pointToStartSquared < 0)
        return std::nullopt;

    const std::int64_t segment = segmentSquared;
    const std::int64_t endToPoint = endToPointSquared;
    const std::int64_t pointToStart = pointToStartSquared;

    // Three points are collinear exactly when one side is as long as the
    // other two together; which side that is tells where the point lies.
    const auto betweenEnds = isSumOfRoots(segment, endToPoint, pointToStart);
    const auto beyondStart = isSumOfRoots(endToPoint, segment, pointToStart);
    const auto beyondEnd = isSumOfRoots(pointToStart, segment, endToPoint);
    if (!betweenEnds || !beyondStart || !beyondEnd)
        return std::nullopt;
    if (*betweenEnds)
        return SegmentRelation::OnSegment;
    if (*beyondStart || *beyondEnd)
        return SegmentRelation::OnExtension;

    // Off the line, the foot of the perpendicular leaves the segment past an
    // end point exactly when the triangle's angle at that end is obtuse.
    const auto angleAtStart = compareWithSum(endToPoint, segment, pointToStart);
    const auto angleAtEnd = compareWithSum(pointToStart, segment, endToPoint);
    if (!angleAtStart || !angleAtEnd)
        return std::nullopt;
    using std::strong_ordering;
    if (*angleAtStart == strong_ordering::equal || *angleAtEnd == strong_ordering::equal)
        return SegmentRelation::ProjectionAtEndPoint;
    if (*angleAtStart == strong_ordering::greater || *angleAtEnd == strong_ordering::greater)
        return SegmentRelation::ProjectionOutside;
    return SegmentRelation::ProjectionInside;
}

} // namespace geometry
