#include "controls/raster/PixelLine.h"

#include "controls/raster/DeviceScale.h"

#include <cmath>
#include <initializer_list>

namespace controls {

namespace {

// End points up to this far off are drawn exactly (see LinePath::minorAt).
constexpr double ExactLimit = 2147483647.0;
// Lines reaching further are first cut down to this square around the image.
constexpr double CutLimit = 1073741824.0;

// Moves the end `outside` of a segment onto the line where `along` equals
// `edge`: the edge exactly, and the other coordinate by interpolation, in
// halves so that no difference of two huge coordinates overflows.
void moveOntoEdge(Point& outside, const Point& inside, double Point::*along, double Point::*across, double edge)
{
    const double share = (edge * 0.5 - outside.*along * 0.5) / (inside.*along * 0.5 - outside.*along * 0.5);
    const double halfShift = share * (inside.*across * 0.5 - outside.*across * 0.5);
    outside.*across += halfShift;
    outside.*across += halfShift;
    outside.*along = edge;
}

// Keeps the part of segment a–b on the image's side of the line where
// `along` equals `edge`; false when nothing is left.
bool keepInside(Point& a, Point& b, double Point::*along, double Point::*across, double edge)
{
    const auto beyond = [&](const Point& p) { return edge < 0 ? p.*along < edge : p.*along > edge; };
    if (beyond(a) && beyond(b))
        return false;
    if (beyond(a))
        moveOntoEdge(a, b, along, across, edge);
    else if (beyond(b))
        moveOntoEdge(b, a, along, across, edge);
    return true;
}

bool isFinite(Point p)
{
    return std::isfinite(p.x) && std::isfinite(p.y);
}

} // namespace

std::optional<PixelPoint> PixelLine::exactPixel(Point p)
{
    const double x = DeviceScale::roundHalfUp(p.x);
    const double y = DeviceScale::roundHalfUp(p.y);
    if (!(std::fabs(x) <= ExactLimit && std::fabs(y) <= ExactLimit))
        return std::nullopt;
    return PixelPoint{Coordinate(x), Coordinate(y)};
}

std::optional<PixelLine> PixelLine::between(Point from, Point to, std::size_t period)
{
    if (!isFinite(from) || !isFinite(to))
        return std::nullopt;
    const auto exactFrom = exactPixel(from);
    const auto exactTo = exactPixel(to);
    if (exactFrom && exactTo)
        return PixelLine{*exactFrom, *exactTo};

    Point a = from;
    Point b = to;
    for (const double edge : {-CutLimit, CutLimit}) {
        if (!keepInside(a, b, &Point::x, &Point::y, edge) || !keepInside(a, b, &Point::y, &Point::x, edge))
            return std::nullopt;
    }
    const auto cutFrom = exactPixel(a);
    const auto cutTo = exactPixel(b);
    if (!cutFrom || !cutTo)
        return std::nullopt;
    const double Point::*major = isSteep(*cutFrom, *cutTo) ? &Point::y : &Point::x;
    const double skipped =
        std::fabs(DeviceScale::roundHalfUp(a.*major) - DeviceScale::roundHalfUp(from.*major));
    return PixelLine{*cutFrom, *cutTo, int(std::fmod(skipped, double(period)))};
}

PixelLine PixelLine::shiftedAcross(Coordinate offset) const
{
    PixelLine shifted = *this;
    Coordinate PixelPoint::*across = isSteep(from, to) ? &PixelPoint::x : &PixelPoint::y;
    shifted.from.*across += offset;
    shifted.to.*across += offset;
    return shifted;
}

} // namespace controls
