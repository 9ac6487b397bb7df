#include "geometry/Analysis.h"
#include "geometry/OrientedArea.h"
#include "geometry/SegmentRelation.h"
#include "geometry/SideLengths.h"

#include <doctest/doctest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>
#include <vector>

using geometry::GridPoint;
using geometry::SegmentRelation;
using Squared = std::optional<std::int32_t>;
using Relation = std::optional<SegmentRelation>;
using enum SegmentRelation;

namespace {
// The largest coordinate difference whose square fits in 32 bits.
constexpr std::int32_t Largest = 46340;

// An overflowing distance becomes a negative square, which the verdict rejects.
std::int32_t squaredOrNegative(GridPoint from, GridPoint to)
{
    return geometry::squaredDistance(from, to).value_or(-1);
}

// The same verdict from vectors: the cross product tells whether p2 is on the
// line, the dot product where the foot of the perpendicular falls.
SegmentRelation relationFromVectors(GridPoint p0, GridPoint p1, GridPoint p2)
{
    const std::int64_t segmentX = std::int64_t{p1.x} - p0.x, segmentY = std::int64_t{p1.y} - p0.y;
    const std::int64_t pointX = std::int64_t{p2.x} - p0.x, pointY = std::int64_t{p2.y} - p0.y;
    const std::int64_t dot = pointX * segmentX + pointY * segmentY;
    const std::int64_t segmentSquared = segmentX * segmentX + segmentY * segmentY;
    if (segmentX * pointY - segmentY * pointX == 0) {
        const bool between = p0 == p1 ? p2 == p0 : dot >= 0 && dot <= segmentSquared;
        return between ? OnSegment : OnExtension;
    }
    if (dot == 0 || dot == segmentSquared)
        return ProjectionAtEndPoint;
    return dot < 0 || dot > segmentSquared ? ProjectionOutside : ProjectionInside;
}
} // namespace

TEST_SUITE("geometry")
{

TEST_CASE("the oriented determinant is summed left to right in checked arithmetic")
{
    struct Case {
        const char* name;
        std::array<GridPoint, 3> points;
        Squared determinant;
        double area = 0;
    };
    const std::vector<Case> cases{
        {"odd counter-clockwise gives a half", {{{0, 0}, {0, 3}, {1, 0}}}, -3, 1.5},
        {"clockwise, every term counts", {{{4, 5}, {8, 5}, {1, 9}}}, 16, 8.0},
        // Halving in integers or negating in 32 bits would go wrong at these ends.
        {"smallest determinant", {{{0, 0}, {-32768, 0}, {0, 65536}}}, INT32_MIN, 1073741824.0},
        {"largest determinant", {{{0, 0}, {1, 0}, {0, INT32_MAX}}}, INT32_MAX, 1073741823.5},
        {"product overflows", {{{50000, 0}, {0, 50000}, {0, 0}}}, std::nullopt},
        // The final value of these two fits in 32 bits; only a partial sum does not.
        {"partial sum overflows", {{{Largest, 0}, {Largest, Largest}, {0, Largest}}}, std::nullopt},
        {"partial difference overflows", {{{0, -2}, {Largest, Largest}, {Largest, 0}}}, std::nullopt},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        CHECK(geometry::orientedDeterminant(c.points[0], c.points[1], c.points[2]) == c.determinant);
        if (c.determinant)
            CHECK(geometry::triangleArea(*c.determinant) == c.area);
    }
}

TEST_CASE("squared distances are exact or empty")
{
    struct Case {
        const char* name;
        GridPoint from;
        GridPoint to;
        Squared squared;
        double length = 0;
    };
    const std::vector<Case> cases{
        {"negative coordinates", {-2, -3}, {1, 1}, 25, 5.0},
        {"not a perfect square", {0, 0}, {1, 1}, 2, std::numbers::sqrt2},
        {"largest that fits", {0, 0}, {Largest, 0}, Largest * Largest, 46340.0},
        // Wrapped, these two differences would come out as a harmless 2.
        {"difference of x overflows", {INT32_MAX, 0}, {-INT32_MAX, 0}, std::nullopt},
        {"difference of y overflows", {0, INT32_MIN + 1}, {0, INT32_MAX}, std::nullopt},
        {"square overflows", {0, 0}, {Largest + 1, 0}, std::nullopt},
        {"sum of squares overflows", {0, 0}, {Largest, 300}, std::nullopt},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        CHECK(geometry::squaredDistance(c.from, c.to) == c.squared);
        CHECK(geometry::squaredDistance(c.to, c.from) == c.squared);
        if (c.squared)
            CHECK(geometry::sideLength(*c.squared) == c.length);
    }
}

TEST_CASE("the relation is decided exactly from the squared sides")
{
    struct Case {
        const char* name;
        std::int32_t segment;
        std::int32_t endToPoint;
        std::int32_t pointToStart;
        Relation relation;
    };
    const auto points = [](const char* name, GridPoint p0, GridPoint p1, GridPoint p2, Relation relation) {
        return Case{name, squaredOrNegative(p0, p1), squaredOrNegative(p1, p2), squaredOrNegative(p2, p0), relation};
    };
    constexpr std::int32_t quarter = INT32_MAX / 4;
    const std::vector<Case> cases{
        // Irrational lengths whose rounded roots do not add up exactly.
        points("on segment, diagonal", {0, 0}, {3, 3}, {1, 1}, OnSegment),
        points("all three coincide", {3, 2}, {3, 2}, {3, 2}, OnSegment),
        points("extension beyond the start", {2, 0}, {6, 0}, {0, 0}, OnExtension),
        points("end points coincide", {2, 2}, {2, 2}, {5, 1}, OnExtension),
        points("inside, right angle at the point", {0, 0}, {5, 0}, {1, 2}, ProjectionInside),
        // The square of the irrational √65 must not spoil the right angle.
        points("end point, right angle at the start", {0, 0}, {0, 1}, {8, 0}, ProjectionAtEndPoint),
        points("outside, beyond the start", {4, 5}, {8, 5}, {1, 9}, ProjectionOutside),
        points("outside, beyond the end", {4, 5}, {8, 5}, {11, 9}, ProjectionOutside),
        points("largest, one unit off the line", {0, 0}, {Largest, 0}, {Largest / 2, 1}, ProjectionInside),
        points("largest, barely obtuse", {0, 0}, {Largest - 1, 0}, {-1, 9}, ProjectionOutside),
        // Near the limit the squared excess must not be formed before its sign is known.
        {"all sides equal", INT32_MAX, INT32_MAX, INT32_MAX, ProjectionInside},
        {"point at the middle", 4 * quarter, quarter, quarter, OnSegment},
        {"end at the middle", quarter, 4 * quarter, quarter, OnExtension},
        {"right angle at the start", 1, INT32_MAX, INT32_MAX - 1, ProjectionAtEndPoint},
        {"obtuse angle at the start", 1, INT32_MAX, INT32_MAX - 2, ProjectionOutside},
        {"obtuse angle at the end", 1, INT32_MAX - 2, INT32_MAX, ProjectionOutside},
        {"negative segment", -1, 1, 1, std::nullopt},
        {"negative end to point", 4, -1, 1, std::nullopt},
        {"negative point to start", 4, 1, INT32_MIN, std::nullopt},
    };
    for (const Case& c : cases) {
        CAPTURE(c.name);
        CHECK(geometry::segmentRelation(c.segment, c.endToPoint, c.pointToStart) == c.relation);
    }
}

// Every triple of crossings of a small grid, once at unit scale and once
// stretched so that the grid's diagonal squared comes close to 32 bits.
TEST_CASE("the relation agrees with cross and dot products on every triple of a grid")
{
    constexpr int columns = 6, rows = 5, crossings = columns * rows;
    for (const std::int32_t scale : {1, 7000}) {
        const auto crossing = [scale](int i) { return GridPoint{i % columns * scale, i / columns * scale}; };
        for (int triple = 0; triple < crossings * crossings * crossings; ++triple) {
            const GridPoint p0 = crossing(triple % crossings), p1 = crossing(triple / crossings % crossings),
                            p2 = crossing(triple / crossings / crossings);
            const Relation actual = geometry::segmentRelation(squaredOrNegative(p0, p1), squaredOrNegative(p1, p2),
                                                              squaredOrNegative(p2, p0));
            if (actual != relationFromVectors(p0, p1, p2)) {
                CAPTURE(triple);
                FAIL("(" << p0.x << "," << p0.y << ") (" << p1.x << "," << p1.y << ") (" << p2.x << "," << p2.y
                         << ")");
            }
        }
    }
}

TEST_CASE("the analysis works out everything once, or nothing")
{
    const auto worked = geometry::analyse({{{4, 5}, {8, 5}, {1, 9}}}, 20);
    REQUIRE(worked);
    CHECK(worked->sideSquares == std::array<std::int32_t, 3>{16, 65, 25});
    CHECK(worked->sideLengths == std::array<double, 3>{4.0, std::sqrt(65.0), 5.0});
    CHECK(worked->determinant == 16);
    CHECK(worked->area == 8.0);
    CHECK(worked->relation == ProjectionOutside);
    CHECK(worked->distance == 4.0);
    CHECK(worked->pixels[2].x == 20);
    CHECK(worked->pixels[2].y == 180);

    // On the line there is no distance: P0 and P1 may coincide.
    const auto onLine = geometry::analyse({{{3, 2}, {3, 2}, {5, 4}}}, 20);
    REQUIRE(onLine);
    CHECK(onLine->relation == OnExtension);
    CHECK(!onLine->distance);

    // Each stage's overflow: a side, the determinant, the board pixels.
    CHECK(!geometry::analyse({{{0, 0}, {50000, 0}, {0, 1}}}, 20));
    CHECK(!geometry::analyse({{{30000, 30000}, {30001, 30000}, {30000, 30001}}}, 20));
    CHECK(!geometry::analyse({{{200000000, 0}, {200000000, 0}, {200000000, 0}}}, 20));
    CHECK(geometry::analyse({{{200000000, 0}, {200000000, 0}, {200000000, 0}}}, 1));
}

} // TEST_SUITE
