#include "tests/scenarios/SoakReport.h"

#include "conversions/NumberText.h"

#include <cmath>
#include <cstdint>

using namespace reportLines;

namespace {

// Twice the signed area of the triangle a, b, c, with y counted downwards.
std::int64_t cross(Pixel a, Pixel b, Pixel c)
{
    return std::int64_t(b.x - a.x) * (c.y - a.y) - std::int64_t(b.y - a.y) * (c.x - a.x);
}

// The dot product of the sides leaving the corner towards a and towards b:
// zero for a right angle there, negative for an obtuse one.
std::int64_t dot(Pixel corner, Pixel a, Pixel b)
{
    return std::int64_t(a.x - corner.x) * (b.x - corner.x) + std::int64_t(a.y - corner.y) * (b.y - corner.y);
}

std::int64_t squaredLength(Pixel from, Pixel to)
{
    return dot(from, to, to);
}

double triangleArea(std::int64_t determinant)
{
    return std::abs(double(determinant) / 2);
}

std::string decimal(double value)
{
    return conversions::doubleToText(value, ".");
}

// P2 on the line through P0 and P1: between them, the two ends included, the
// sides from P2 point away from each other.
Lines onTheLine(const std::vector<Pixel>& p)
{
    if (dot(p[2], p[0], p[1]) <= 0)
        return {OnLine, OnSegment};
    return {OnLine, OnExtension};
}

// Where the foot of the perpendicular from P2 falls follows from the angles
// at the two ends.
std::string projection(const std::vector<Pixel>& p)
{
    const std::int64_t atStart = dot(p[0], p[1], p[2]);
    const std::int64_t atEnd = dot(p[1], p[0], p[2]);
    if (atStart == 0 || atEnd == 0)
        return AtEndPoint;
    if (atStart < 0 || atEnd < 0)
        return Outside;
    return Inside;
}

// The distance is the height over the segment, twice the area over the base,
// in the same double steps the program takes, so that the texts agree to the
// last digit.
Lines offTheLine(const std::vector<Pixel>& p, std::int64_t determinant)
{
    const double distance = (triangleArea(determinant) * 2) / std::sqrt(double(squaredLength(p[0], p[1])));
    return {DistanceLabel + decimal(distance), projection(p)};
}

} // namespace

std::string expectedReport(const std::vector<Pixel>& points)
{
    const std::int64_t determinant = cross(points[0], points[1], points[2]);
    Lines lines = areaBlock(points, decimal(triangleArea(determinant)));
    const Lines verdict = determinant == 0 ? onTheLine(points) : offTheLine(points, determinant);
    lines.insert(lines.end(), verdict.begin(), verdict.end());
    return reportOf(lines);
}
