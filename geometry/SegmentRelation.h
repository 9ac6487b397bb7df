#pragma once

#include <cstdint>
#include <optional>

namespace geometry {

// Where the examined point lies with respect to the segment between two end
// points. The projection cases describe the foot of the perpendicular from a
// point off the segment's line.
enum class SegmentRelation {
    OnSegment,
    OnExtension,
    ProjectionAtEndPoint,
    ProjectionOutside,
    ProjectionInside
};

// Decides the relation from the squared lengths of the triangle's sides:
// the segment itself, its end to the point, and the point to its start.
// The decision is exact, made on whole numbers only. Empty when a squared
// length is negative; every step is checked against 64-bit overflow as well,
// although the order of the tests keeps squared lengths of 32 bits clear of it.
[[nodiscard]] std::optional<SegmentRelation> segmentRelation(std::int32_t segmentSquared,
                                                             std::int32_t endToPointSquared,
                                                             std::int32_t pointToStartSquared);

} // namespace geometry
