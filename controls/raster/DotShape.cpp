#include "controls/raster/DotShape.h"

#include <cmath>
#include <cstddef>

namespace controls {

namespace {

// Exact for every width up to the widest pen: the argument stays below 2^52.
Coordinate integerSquareRoot(Coordinate n)
{
    return Coordinate(std::sqrt(double(n)));
}

} // namespace

// Distances are counted in half pixels, where every comparison is exact.
Span DotShape::row(Coordinate row) const
{
    const Coordinate offCentre = 1 - width_ % 2;
    const Coordinate across = 2 * row - offCentre;
    // The widest distance along the row still inside the circle; column i
    // lies 2i - offCentre from its centre. On the outermost rows
    // width² - across² is still 2 × width - 1, so no row is empty.
    const Coordinate along = integerSquareRoot(Coordinate(width_) * width_ - across * across - 1);
    return Span{-((along - offCentre) / 2), (along + offCentre) / 2};
}

// Each dot covers its centre column on every one of its rows, and the line
// goes one way, each pixel at most one column and one row from the last, so
// the dots sharing a row overlap or touch there: one span a row holds them
// all, and every pixel is written once however many dots cover it.
std::vector<Span> DotShape::rowsAlong(const LinePath& path, int imageWidth, int imageHeight) const
{
    std::vector<Span> rows(static_cast<std::size_t>(imageHeight));
    const Coordinate reach = lastRow();
    const Box reaching{-reach, -reach, imageWidth - 1 + reach, imageHeight - 1 + reach};
    path.forEachIn(reaching, [&](Coordinate x, Coordinate y, std::uint64_t) {
        forEachRow({x, y}, imageHeight, [&](Coordinate at, Span columns) { rows[std::size_t(at)].include(columns); });
    });
    return rows;
}

} // namespace controls
