#include "geometry/OrientedArea.h"
#include "geometry/SegmentRelation.h"
#include "geometry/SideLengths.h"

#include <QtTest>

#include <array>
#include <cstdint>
#include <numbers>
#include <optional>

using geometry::GridPoint;
using geometry::SegmentRelation;
using Triangle = std::array<GridPoint, 3>;
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

class TestGeometry : public QObject
{
    Q_OBJECT

private slots:
    void orientedDeterminant_data();
    void orientedDeterminant();
    void squaredDistance_data();
    void squaredDistance();
    void segmentRelation_data();
    void segmentRelation();
    void relationAgreesWithVectors();
};

void TestGeometry::orientedDeterminant_data()
{
    QTest::addColumn<Triangle>("points");
    QTest::addColumn<Squared>("determinant");
    QTest::addColumn<double>("area");
    const auto row = [](const char *name, GridPoint p0, GridPoint p1, GridPoint p2, Squared determinant,
                        double area = 0) { QTest::newRow(name) << Triangle{p0, p1, p2} << determinant << area; };
    row("odd counter-clockwise gives a half", {0, 0}, {0, 3}, {1, 0}, -3, 1.5);
    row("clockwise, every term counts", {4, 5}, {8, 5}, {1, 9}, 16, 8.0);
    // Halving in integers or negating in 32 bits would go wrong at these ends.
    row("smallest determinant", {0, 0}, {-32768, 0}, {0, 65536}, INT32_MIN, 1073741824.0);
    row("largest determinant", {0, 0}, {1, 0}, {0, INT32_MAX}, INT32_MAX, 1073741823.5);
    row("product overflows", {50000, 0}, {0, 50000}, {0, 0}, {});
    // The final value of these two fits in 32 bits; only a partial sum does not.
    row("partial sum overflows", {Largest, 0}, {Largest, Largest}, {0, Largest}, {});
    row("partial difference overflows", {0, -2}, {Largest, Largest}, {Largest, 0}, {});
}

void TestGeometry::orientedDeterminant()
{
    QFETCH(Triangle, points);
    QFETCH(Squared, determinant);
    QFETCH(double, area);
    QCOMPARE(geometry::orientedDeterminant(points[0], points[1], points[2]), determinant);
    if (determinant)
        QVERIFY(geometry::triangleArea(*determinant) == area);
}

void TestGeometry::squaredDistance_data()
{
    QTest::addColumn<GridPoint>("from");
    QTest::addColumn<GridPoint>("to");
    QTest::addColumn<Squared>("squared");
    QTest::addColumn<double>("length");
    const auto row = [](const char *name, GridPoint from, GridPoint to, Squared squared,
                        double length = 0) { QTest::newRow(name) << from << to << squared << length; };
    row("negative coordinates", {-2, -3}, {1, 1}, 25, 5.0);
    row("not a perfect square", {0, 0}, {1, 1}, 2, std::numbers::sqrt2);
    row("largest that fits", {0, 0}, {Largest, 0}, Largest * Largest, 46340.0);
    // Wrapped, these two differences would come out as a harmless 2.
    row("difference of x overflows", {INT32_MAX, 0}, {-INT32_MAX, 0}, {});
    row("difference of y overflows", {0, INT32_MIN + 1}, {0, INT32_MAX}, {});
    row("square overflows", {0, 0}, {Largest + 1, 0}, {});
    row("sum of squares overflows", {0, 0}, {Largest, 300}, {});
}

void TestGeometry::squaredDistance()
{
    QFETCH(GridPoint, from);
    QFETCH(GridPoint, to);
    QFETCH(Squared, squared);
    QFETCH(double, length);
    QCOMPARE(geometry::squaredDistance(from, to), squared);
    QCOMPARE(geometry::squaredDistance(to, from), squared);
    if (squared)
        QVERIFY(geometry::sideLength(*squared) == length);
}

void TestGeometry::segmentRelation_data()
{
    QTest::addColumn<std::int32_t>("segment");
    QTest::addColumn<std::int32_t>("endToPoint");
    QTest::addColumn<std::int32_t>("pointToStart");
    QTest::addColumn<Relation>("relation");
    const auto squares = [](const char *name, std::int32_t segment, std::int32_t endToPoint, std::int32_t pointToStart,
                            Relation relation) { QTest::newRow(name) << segment << endToPoint << pointToStart << relation; };
    const auto points = [&](const char *name, GridPoint p0, GridPoint p1, GridPoint p2, Relation relation) {
        squares(name, squaredOrNegative(p0, p1), squaredOrNegative(p1, p2), squaredOrNegative(p2, p0), relation);
    };
    // Irrational lengths whose rounded roots do not add up exactly.
    points("on segment, diagonal", {0, 0}, {3, 3}, {1, 1}, OnSegment);
    points("all three coincide", {3, 2}, {3, 2}, {3, 2}, OnSegment);
    points("extension beyond the start", {2, 0}, {6, 0}, {0, 0}, OnExtension);
    points("end points coincide", {2, 2}, {2, 2}, {5, 1}, OnExtension);
    points("inside, right angle at the point", {0, 0}, {5, 0}, {1, 2}, ProjectionInside);
    // The square of the irrational √65 must not spoil the right angle.
    points("end point, right angle at the start", {0, 0}, {0, 1}, {8, 0}, ProjectionAtEndPoint);
    points("outside, beyond the start", {4, 5}, {8, 5}, {1, 9}, ProjectionOutside);
    points("outside, beyond the end", {4, 5}, {8, 5}, {11, 9}, ProjectionOutside);
    points("largest, one unit off the line", {0, 0}, {Largest, 0}, {Largest / 2, 1}, ProjectionInside);
    points("largest, barely obtuse", {0, 0}, {Largest - 1, 0}, {-1, 9}, ProjectionOutside);

    // Near the limit the squared excess must not be formed before its sign is known.
    constexpr std::int32_t quarter = INT32_MAX / 4;
    squares("all sides equal", INT32_MAX, INT32_MAX, INT32_MAX, ProjectionInside);
    squares("point at the middle", 4 * quarter, quarter, quarter, OnSegment);
    squares("end at the middle", quarter, 4 * quarter, quarter, OnExtension);
    squares("right angle at the start", 1, INT32_MAX, INT32_MAX - 1, ProjectionAtEndPoint);
    squares("obtuse angle at the start", 1, INT32_MAX, INT32_MAX - 2, ProjectionOutside);
    squares("obtuse angle at the end", 1, INT32_MAX - 2, INT32_MAX, ProjectionOutside);
    squares("negative segment", -1, 1, 1, {});
    squares("negative end to point", 4, -1, 1, {});
    squares("negative point to start", 4, 1, INT32_MIN, {});
}

void TestGeometry::segmentRelation()
{
    QFETCH(std::int32_t, segment);
    QFETCH(std::int32_t, endToPoint);
    QFETCH(std::int32_t, pointToStart);
    QFETCH(Relation, relation);
    QCOMPARE(geometry::segmentRelation(segment, endToPoint, pointToStart), relation);
}

// Every triple of crossings of a small grid, once at unit scale and once
// stretched so that the grid's diagonal squared comes close to 32 bits.
void TestGeometry::relationAgreesWithVectors()
{
    constexpr int columns = 6, rows = 5, crossings = columns * rows;
    for (const std::int32_t scale : {1, 7000}) {
        const auto crossing = [scale](int i) { return GridPoint{i % columns * scale, i / columns * scale}; };
        int covered = 0;
        for (int triple = 0; triple < crossings * crossings * crossings; ++triple) {
            const GridPoint p0 = crossing(triple % crossings), p1 = crossing(triple / crossings % crossings),
                            p2 = crossing(triple / crossings / crossings);
            const SegmentRelation expected = relationFromVectors(p0, p1, p2);
            const Relation actual = geometry::segmentRelation(squaredOrNegative(p0, p1), squaredOrNegative(p1, p2),
                                                              squaredOrNegative(p2, p0));
            if (actual != expected) {
                QFAIL(qPrintable(QString::asprintf("(%d,%d) (%d,%d) (%d,%d): expected verdict %d",
                                                   p0.x, p0.y, p1.x, p1.y, p2.x, p2.y, int(expected))));
            }
            ++covered;
        }
        qInfo("%d triples checked on a %dx%d grid at scale %d", covered, columns, rows, scale);
    }
}

QTEST_APPLESS_MAIN(TestGeometry)
#include "tst_geometry.moc"
