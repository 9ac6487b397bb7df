#include "geometry/OrientedArea.h"
#include "geometry/SegmentRelation.h"
#include "geometry/SideLengths.h"

#include <QtTest>

#include <cstdint>
#include <limits>
#include <numbers>
#include <optional>

using geometry::GridPoint;
using geometry::SegmentRelation;

namespace geometry {

// Lets a failed comparison name the verdicts instead of printing numbers.
char *toString(SegmentRelation relation)
{
    switch (relation) {
    case SegmentRelation::OnSegment:
        return qstrdup("OnSegment");
    case SegmentRelation::OnExtension:
        return qstrdup("OnExtension");
    case SegmentRelation::ProjectionAtEndPoint:
        return qstrdup("ProjectionAtEndPoint");
    case SegmentRelation::ProjectionOutside:
        return qstrdup("ProjectionOutside");
    case SegmentRelation::ProjectionInside:
        return qstrdup("ProjectionInside");
    }
    return qstrdup("invalid SegmentRelation");
}

} // namespace geometry

namespace {

constexpr std::int32_t int32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t int32Min = std::numeric_limits<std::int32_t>::min();

// 46340 is the largest coordinate difference whose square fits in 32 bits.
constexpr std::int32_t largestSquarable = 46340;

std::optional<SegmentRelation> relationFromLengths(GridPoint p0, GridPoint p1, GridPoint p2)
{
    const auto segment = geometry::squaredDistance(p0, p1);
    const auto endToPoint = geometry::squaredDistance(p1, p2);
    const auto pointToStart = geometry::squaredDistance(p2, p0);
    if (!segment || !endToPoint || !pointToStart)
        return std::nullopt;
    return geometry::segmentRelation(*segment, *endToPoint, *pointToStart);
}

// The same verdict reached from vectors instead of side lengths: the cross
// product tells whether p2 is on the line, the dot product where the foot of
// the perpendicular falls along the segment.
SegmentRelation relationFromVectors(GridPoint p0, GridPoint p1, GridPoint p2)
{
    const std::int64_t segmentX = std::int64_t{p1.x} - p0.x;
    const std::int64_t segmentY = std::int64_t{p1.y} - p0.y;
    const std::int64_t pointX = std::int64_t{p2.x} - p0.x;
    const std::int64_t pointY = std::int64_t{p2.y} - p0.y;
    const std::int64_t cross = segmentX * pointY - segmentY * pointX;
    const std::int64_t dot = pointX * segmentX + pointY * segmentY;
    const std::int64_t segmentSquared = segmentX * segmentX + segmentY * segmentY;

    if (cross == 0) {
        if (p0 == p1)
            return p2 == p0 ? SegmentRelation::OnSegment : SegmentRelation::OnExtension;
        return dot >= 0 && dot <= segmentSquared ? SegmentRelation::OnSegment
                                                 : SegmentRelation::OnExtension;
    }
    if (dot == 0 || dot == segmentSquared)
        return SegmentRelation::ProjectionAtEndPoint;
    if (dot < 0 || dot > segmentSquared)
        return SegmentRelation::ProjectionOutside;
    return SegmentRelation::ProjectionInside;
}

QString describe(GridPoint p0, GridPoint p1, GridPoint p2)
{
    return QStringLiteral("(%1,%2) (%3,%4) (%5,%6)")
        .arg(p0.x).arg(p0.y).arg(p1.x).arg(p1.y).arg(p2.x).arg(p2.y);
}

} // namespace

class TestGeometry : public QObject
{
    Q_OBJECT

private slots:
    void orientedDeterminant_data();
    void orientedDeterminant();
    void determinantOverflow_data();
    void determinantOverflow();
    void triangleAreaAtTheLimits();

    void squaredDistance_data();
    void squaredDistance();
    void squaredDistanceOverflow_data();
    void squaredDistanceOverflow();

    void relationOfPoints_data();
    void relationOfPoints();
    void relationOfLargeSquares_data();
    void relationOfLargeSquares();
    void relationRejectsNegativeSquares_data();
    void relationRejectsNegativeSquares();
    void relationAgreesWithVectors_data();
    void relationAgreesWithVectors();
};

void TestGeometry::orientedDeterminant_data()
{
    QTest::addColumn<GridPoint>("p0");
    QTest::addColumn<GridPoint>("p1");
    QTest::addColumn<GridPoint>("p2");
    QTest::addColumn<std::int32_t>("determinant");
    QTest::addColumn<double>("area");

    QTest::newRow("clockwise on the board") << GridPoint{0, 0} << GridPoint{2, 0} << GridPoint{0, 2} << 4 << 2.0;
    QTest::newRow("counter-clockwise") << GridPoint{0, 0} << GridPoint{0, 2} << GridPoint{2, 0} << -4 << 2.0;
    QTest::newRow("odd determinant gives a half") << GridPoint{0, 0} << GridPoint{1, 0} << GridPoint{0, 1} << 1 << 0.5;
    QTest::newRow("odd negative determinant") << GridPoint{0, 0} << GridPoint{0, 3} << GridPoint{1, 0} << -3 << 1.5;
    QTest::newRow("collinear") << GridPoint{0, 0} << GridPoint{1, 1} << GridPoint{3, 3} << 0 << 0.0;
    QTest::newRow("two points coincide") << GridPoint{2, 3} << GridPoint{2, 3} << GridPoint{5, 1} << 0 << 0.0;
    QTest::newRow("3-4-5 triangle") << GridPoint{0, 0} << GridPoint{3, 0} << GridPoint{0, 4} << 12 << 6.0;
    QTest::newRow("away from the origin") << GridPoint{4, 5} << GridPoint{8, 5} << GridPoint{1, 9} << 16 << 8.0;
    QTest::newRow("largest positive that fits")
        << GridPoint{largestSquarable, 0} << GridPoint{0, largestSquarable} << GridPoint{0, 0}
        << largestSquarable * largestSquarable << 1073697800.0;
    QTest::newRow("largest negative that fits")
        << GridPoint{0, largestSquarable} << GridPoint{largestSquarable, 0} << GridPoint{0, 0}
        << -largestSquarable * largestSquarable << 1073697800.0;
}

void TestGeometry::orientedDeterminant()
{
    QFETCH(GridPoint, p0);
    QFETCH(GridPoint, p1);
    QFETCH(GridPoint, p2);
    QFETCH(std::int32_t, determinant);
    QFETCH(double, area);

    const auto actual = geometry::orientedDeterminant(p0, p1, p2);
    QVERIFY(actual.has_value());
    QCOMPARE(*actual, determinant);
    QCOMPARE(geometry::triangleArea(*actual), area);
}

void TestGeometry::determinantOverflow_data()
{
    QTest::addColumn<GridPoint>("p0");
    QTest::addColumn<GridPoint>("p1");
    QTest::addColumn<GridPoint>("p2");

    QTest::newRow("product") << GridPoint{50000, 0} << GridPoint{0, 50000} << GridPoint{0, 0};
    QTest::newRow("negative product") << GridPoint{-50000, 0} << GridPoint{0, 50000} << GridPoint{0, 0};
    // The final value of the next two fits in 32 bits; only a partial sum does not.
    QTest::newRow("partial sum")
        << GridPoint{largestSquarable, 0} << GridPoint{largestSquarable, largestSquarable}
        << GridPoint{0, largestSquarable};
    QTest::newRow("partial difference")
        << GridPoint{0, -2} << GridPoint{largestSquarable, largestSquarable}
        << GridPoint{largestSquarable, 0};
    QTest::newRow("extreme coordinates") << GridPoint{int32Min, int32Max} << GridPoint{int32Max, int32Min}
                                         << GridPoint{1, 1};
}

void TestGeometry::determinantOverflow()
{
    QFETCH(GridPoint, p0);
    QFETCH(GridPoint, p1);
    QFETCH(GridPoint, p2);

    QCOMPARE(geometry::orientedDeterminant(p0, p1, p2), std::nullopt);
}

void TestGeometry::triangleAreaAtTheLimits()
{
    // Halving in integers or negating in 32 bits would go wrong at these ends.
    QCOMPARE(geometry::triangleArea(int32Min), 1073741824.0);
    QCOMPARE(geometry::triangleArea(int32Max), 1073741823.5);
}

void TestGeometry::squaredDistance_data()
{
    QTest::addColumn<GridPoint>("from");
    QTest::addColumn<GridPoint>("to");
    QTest::addColumn<std::int32_t>("squared");
    QTest::addColumn<double>("length");

    QTest::newRow("horizontal") << GridPoint{0, 0} << GridPoint{3, 0} << 9 << 3.0;
    QTest::newRow("slanted") << GridPoint{3, 0} << GridPoint{0, 4} << 25 << 5.0;
    QTest::newRow("vertical") << GridPoint{0, 4} << GridPoint{0, 0} << 16 << 4.0;
    QTest::newRow("negative coordinates") << GridPoint{-2, -3} << GridPoint{1, 1} << 25 << 5.0;
    QTest::newRow("same point") << GridPoint{7, -4} << GridPoint{7, -4} << 0 << 0.0;
    QTest::newRow("not a perfect square") << GridPoint{0, 0} << GridPoint{1, 1} << 2 << std::numbers::sqrt2;
    QTest::newRow("largest that fits") << GridPoint{0, 0} << GridPoint{largestSquarable, 0}
                                       << largestSquarable * largestSquarable << 46340.0;
}

void TestGeometry::squaredDistance()
{
    QFETCH(GridPoint, from);
    QFETCH(GridPoint, to);
    QFETCH(std::int32_t, squared);
    QFETCH(double, length);

    QCOMPARE(geometry::squaredDistance(from, to), std::optional{squared});
    QCOMPARE(geometry::squaredDistance(to, from), std::optional{squared});
    QCOMPARE(geometry::sideLength(squared), length);
}

void TestGeometry::squaredDistanceOverflow_data()
{
    QTest::addColumn<GridPoint>("from");
    QTest::addColumn<GridPoint>("to");

    // Wrapped, these differences would come out as a harmless 2.
    QTest::newRow("difference of x") << GridPoint{int32Max, 0} << GridPoint{-int32Max, 0};
    QTest::newRow("difference of y") << GridPoint{0, int32Min + 1} << GridPoint{0, int32Max};
    QTest::newRow("square") << GridPoint{0, 0} << GridPoint{largestSquarable + 1, 0};
    QTest::newRow("sum of squares") << GridPoint{0, 0} << GridPoint{largestSquarable, 300};
}

void TestGeometry::squaredDistanceOverflow()
{
    QFETCH(GridPoint, from);
    QFETCH(GridPoint, to);

    QCOMPARE(geometry::squaredDistance(from, to), std::nullopt);
    QCOMPARE(geometry::squaredDistance(to, from), std::nullopt);
}

void TestGeometry::relationOfPoints_data()
{
    QTest::addColumn<GridPoint>("p0");
    QTest::addColumn<GridPoint>("p1");
    QTest::addColumn<GridPoint>("p2");
    QTest::addColumn<SegmentRelation>("relation");

    const auto row = [](const char *name, GridPoint p0, GridPoint p1, GridPoint p2, SegmentRelation relation) {
        QTest::newRow(name) << p0 << p1 << p2 << relation;
    };
    using enum SegmentRelation;

    // Irrational lengths whose rounded roots do not add up exactly.
    row("on segment, diagonal", {0, 0}, {3, 3}, {1, 1}, OnSegment);
    row("on segment, diagonal midpoint", {0, 0}, {2, 2}, {1, 1}, OnSegment);
    row("on segment, horizontal", {0, 0}, {4, 0}, {1, 0}, OnSegment);
    row("on segment, at the start", {0, 0}, {4, 0}, {0, 0}, OnSegment);
    row("on segment, at the end", {0, 0}, {4, 0}, {4, 0}, OnSegment);
    row("all three coincide", {3, 2}, {3, 2}, {3, 2}, OnSegment);

    row("extension beyond the end", {0, 0}, {4, 0}, {6, 0}, OnExtension);
    row("extension beyond the start", {2, 0}, {6, 0}, {0, 0}, OnExtension);
    row("extension, slanted", {1, 1}, {2, 3}, {4, 7}, OnExtension);
    row("end points coincide", {2, 2}, {2, 2}, {5, 1}, OnExtension);

    row("inside, near the middle", {1, 1}, {11, 1}, {6, 2}, ProjectionInside);
    row("inside, right angle at the point", {0, 0}, {5, 0}, {1, 2}, ProjectionInside);
    row("inside, isosceles", {2, 2}, {8, 2}, {5, 6}, ProjectionInside);

    // The square of the irrational √65 must not spoil the right angle.
    row("end point, right angle at the start", {0, 0}, {0, 1}, {8, 0}, ProjectionAtEndPoint);
    row("end point, 3-4-5 at the start", {0, 0}, {4, 0}, {0, 3}, ProjectionAtEndPoint);
    row("end point, 3-4-5 at the end", {0, 0}, {4, 0}, {4, 3}, ProjectionAtEndPoint);

    row("outside, beyond the start", {4, 5}, {8, 5}, {1, 9}, ProjectionOutside);
    row("outside, beyond the end", {4, 5}, {8, 5}, {11, 9}, ProjectionOutside);

    constexpr std::int32_t half = largestSquarable / 2;
    row("largest, on segment", {0, 0}, {largestSquarable, 0}, {half, 0}, OnSegment);
    row("largest, on extension", {0, 0}, {half, 0}, {largestSquarable, 0}, OnExtension);
    row("largest, one unit off the line", {0, 0}, {largestSquarable, 0}, {half, 1}, ProjectionInside);
    row("largest, right angle", {0, 0}, {largestSquarable, 0}, {0, 9}, ProjectionAtEndPoint);
    row("largest, barely obtuse", {0, 0}, {largestSquarable - 1, 0}, {-1, 9}, ProjectionOutside);
}

void TestGeometry::relationOfPoints()
{
    QFETCH(GridPoint, p0);
    QFETCH(GridPoint, p1);
    QFETCH(GridPoint, p2);
    QFETCH(SegmentRelation, relation);

    const auto actual = relationFromLengths(p0, p1, p2);
    QVERIFY(actual.has_value());
    QCOMPARE(*actual, relation);
}

void TestGeometry::relationOfLargeSquares_data()
{
    QTest::addColumn<std::int32_t>("segment");
    QTest::addColumn<std::int32_t>("endToPoint");
    QTest::addColumn<std::int32_t>("pointToStart");
    QTest::addColumn<SegmentRelation>("relation");

    // The square of one side less the other two would leave 64 bits here if
    // it were formed before its sign is known.
    constexpr std::int32_t quarter = int32Max / 4;
    QTest::newRow("all sides equal") << int32Max << int32Max << int32Max << SegmentRelation::ProjectionInside;
    QTest::newRow("point on the end") << int32Max << 0 << int32Max << SegmentRelation::OnSegment;
    QTest::newRow("point on the start") << int32Max << int32Max << 0 << SegmentRelation::OnSegment;
    QTest::newRow("end points coincide") << 0 << int32Max << int32Max << SegmentRelation::OnExtension;
    QTest::newRow("point at the middle") << 4 * quarter << quarter << quarter << SegmentRelation::OnSegment;
    QTest::newRow("end at the middle") << quarter << 4 * quarter << quarter << SegmentRelation::OnExtension;
    QTest::newRow("right angle at the start") << 1 << int32Max << int32Max - 1
                                              << SegmentRelation::ProjectionAtEndPoint;
    QTest::newRow("obtuse angle at the start") << 1 << int32Max << int32Max - 2
                                               << SegmentRelation::ProjectionOutside;
    QTest::newRow("obtuse angle at the end") << 1 << int32Max - 2 << int32Max
                                             << SegmentRelation::ProjectionOutside;
}

void TestGeometry::relationOfLargeSquares()
{
    QFETCH(std::int32_t, segment);
    QFETCH(std::int32_t, endToPoint);
    QFETCH(std::int32_t, pointToStart);
    QFETCH(SegmentRelation, relation);

    const auto actual = geometry::segmentRelation(segment, endToPoint, pointToStart);
    QVERIFY(actual.has_value());
    QCOMPARE(*actual, relation);
}

void TestGeometry::relationRejectsNegativeSquares_data()
{
    QTest::addColumn<std::int32_t>("segment");
    QTest::addColumn<std::int32_t>("endToPoint");
    QTest::addColumn<std::int32_t>("pointToStart");

    QTest::newRow("segment") << -1 << 1 << 1;
    QTest::newRow("end to point") << 4 << -1 << 1;
    QTest::newRow("point to start") << 4 << 1 << int32Min;
}

void TestGeometry::relationRejectsNegativeSquares()
{
    QFETCH(std::int32_t, segment);
    QFETCH(std::int32_t, endToPoint);
    QFETCH(std::int32_t, pointToStart);

    QCOMPARE(geometry::segmentRelation(segment, endToPoint, pointToStart), std::nullopt);
}

void TestGeometry::relationAgreesWithVectors_data()
{
    QTest::addColumn<std::int32_t>("scale");

    QTest::newRow("unit grid") << 1;
    // 7000 brings the grid's diagonal squared close to the 32-bit limit.
    QTest::newRow("grid stretched to the 32-bit limit") << 7000;
}

void TestGeometry::relationAgreesWithVectors()
{
    QFETCH(std::int32_t, scale);

    constexpr int columns = 6;
    constexpr int rows = 5;
    QList<GridPoint> crossings;
    for (int x = 0; x < columns; ++x) {
        for (int y = 0; y < rows; ++y)
            crossings.append(GridPoint{x * scale, y * scale});
    }

    int covered = 0;
    for (const GridPoint p0 : crossings) {
        for (const GridPoint p1 : crossings) {
            for (const GridPoint p2 : crossings) {
                const auto actual = relationFromLengths(p0, p1, p2);
                const SegmentRelation expected = relationFromVectors(p0, p1, p2);
                if (actual != expected) {
                    const QString message = describe(p0, p1, p2) + QStringLiteral(": expected ")
                        + QString::fromLatin1(QScopedArrayPointer<char>(toString(expected)).data());
                    QFAIL(qPrintable(message));
                }
                ++covered;
            }
        }
    }
    qInfo("%d triples checked on a %dx%d grid at scale %d", covered, columns, rows, scale);
    QCOMPARE(covered, columns * rows * columns * rows * columns * rows);
}

QTEST_APPLESS_MAIN(TestGeometry)
#include "tst_geometry.moc"
