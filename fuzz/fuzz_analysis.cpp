// Six int32 coordinates and an int16 grid step from the bytes. The analysis
// is empty exactly when a whole number on its way leaves 32 bits, worked out
// here again in 128 bits; otherwise every whole number it gives equals the
// wide one, and the relation equals the one cross and dot products give.
#include "geometry/Analysis.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

using geometry::GridPoint;
using geometry::SegmentRelation;

namespace {

using Wide = __int128;

bool fits32(Wide value)
{
    return value >= INT32_MIN && value <= INT32_MAX;
}

std::optional<Wide> sideSquare(GridPoint from, GridPoint to)
{
    const Wide dx = Wide{from.x} - to.x, dy = Wide{from.y} - to.y;
    // A difference that leaves 32 bits has a square that does too.
    const Wide square = dx * dx + dy * dy;
    return fits32(square) ? std::optional(square) : std::nullopt;
}

// Each product and each partial sum, left to right, must fit.
std::optional<Wide> determinant(GridPoint p0, GridPoint p1, GridPoint p2)
{
    const Wide added[] = {Wide{p0.x} * p1.y, Wide{p1.x} * p2.y, Wide{p2.x} * p0.y};
    const Wide subtracted[] = {Wide{p2.x} * p1.y, Wide{p0.x} * p2.y, Wide{p1.x} * p0.y};
    Wide sum = 0;
    for (int i = 0; i < 6; ++i) {
        const Wide term = i < 3 ? added[i] : subtracted[i - 3];
        sum = i < 3 ? sum + term : sum - term;
        if (!fits32(term) || !fits32(sum))
            return std::nullopt;
    }
    return sum;
}

// As relationFromVectors in tests/core/tst_geometry.cpp.
SegmentRelation relationFromVectors(GridPoint p0, GridPoint p1, GridPoint p2)
{
    const Wide segmentX = Wide{p1.x} - p0.x, segmentY = Wide{p1.y} - p0.y;
    const Wide pointX = Wide{p2.x} - p0.x, pointY = Wide{p2.y} - p0.y;
    const Wide dot = pointX * segmentX + pointY * segmentY;
    const Wide segmentSquared = segmentX * segmentX + segmentY * segmentY;
    if (segmentX * pointY - segmentY * pointX == 0) {
        const bool between = p0 == p1 ? p2 == p0 : dot >= 0 && dot <= segmentSquared;
        return between ? SegmentRelation::OnSegment : SegmentRelation::OnExtension;
    }
    if (dot == 0 || dot == segmentSquared)
        return SegmentRelation::ProjectionAtEndPoint;
    return dot < 0 || dot > segmentSquared ? SegmentRelation::ProjectionOutside
                                           : SegmentRelation::ProjectionInside;
}

[[noreturn]] void fail(const char* what, const std::array<GridPoint, 3>& p, std::int16_t step)
{
    std::fprintf(stderr, "%s: (%d,%d) (%d,%d) (%d,%d) step %d\n", what, p[0].x, p[0].y, p[1].x, p[1].y,
                 p[2].x, p[2].y, step);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::int32_t coordinates[6] = {};
    std::int16_t step = 0;
    unsigned char bytes[sizeof coordinates + sizeof step] = {};
    std::memcpy(bytes, data, size < sizeof bytes ? size : sizeof bytes);
    std::memcpy(coordinates, bytes, sizeof coordinates);
    std::memcpy(&step, bytes + sizeof coordinates, sizeof step);
    const std::array<GridPoint, 3> p{{{coordinates[0], coordinates[1]},
                                      {coordinates[2], coordinates[3]},
                                      {coordinates[4], coordinates[5]}}};

    bool fits = true;
    std::optional<Wide> squares[3];
    for (int i = 0; i < 3; ++i) {
        squares[i] = sideSquare(p[i], p[(i + 1) % 3]);
        fits = fits && squares[i] && fits32(Wide{p[i].x} * step) && fits32(Wide{p[i].y} * step);
    }
    const auto wideDeterminant = determinant(p[0], p[1], p[2]);
    fits = fits && wideDeterminant;

    const auto analysis = geometry::analyse(p, step);
    if (analysis.has_value() != fits)
        fail(fits ? "empty although everything fits" : "given although something overflows", p, step);
    if (!analysis)
        return 0;

    for (int i = 0; i < 3; ++i) {
        if (analysis->points[i] != p[i] || analysis->pixels[i].x != Wide{p[i].x} * step
            || analysis->pixels[i].y != Wide{p[i].y} * step)
            fail("points or pixels", p, step);
        if (analysis->sideSquares[i] != *squares[i]
            || analysis->sideLengths[i] != std::sqrt(static_cast<double>(*squares[i])))
            fail("side", p, step);
    }
    if (analysis->determinant != *wideDeterminant
        || analysis->area != std::fabs(static_cast<double>(*wideDeterminant)) / 2)
        fail("determinant or area", p, step);

    const SegmentRelation relation = relationFromVectors(p[0], p[1], p[2]);
    if (analysis->relation != relation)
        fail("relation", p, step);
    const bool onLine = relation == SegmentRelation::OnSegment || relation == SegmentRelation::OnExtension;
    if (analysis->distance.has_value() == onLine)
        fail("distance given or missing", p, step);
    if (analysis->distance) {
        // The height over the segment: |determinant| / |P0P1|, to a few roundings.
        const long double height = std::fabs(static_cast<long double>(*wideDeterminant))
                / std::sqrt(static_cast<long double>(*squares[0]));
        if (std::fabs(*analysis->distance - height) > 1e-15L * height)
            fail("distance", p, step);
    }
    return 0;
}
