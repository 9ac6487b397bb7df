#pragma once

#include "controls/raster/LinePath.h"
#include "controls/raster/RasterGeometry.h"

#include <vector>

namespace controls {

// A dot is the pixels whose centres lie inside a circle `width` pixels
// across. An odd width centres the circle on the pixel's centre: width 1 is
// the pixel alone, 3 a 3 × 3 square, 5 rows of 3, 5, 5, 5, 3 (Qt's
// round-capped point). An even width cannot be centred on a pixel; its
// circle is centred on the pixel's lower right corner, so 2 is a 2 × 2 square
// and 4 rows of 2, 4, 4, 2, reaching one pixel further right and down, as
// Qt's even-width points do. A wide pen is such a dot at every pixel of its
// line.
class DotShape
{
public:
    explicit DotShape(int width)
        : width_(width)
    {
    }

    // The rows the dot covers, counted from its centre pixel's.
    Coordinate firstRow() const { return -(width_ - 1) / 2; }
    Coordinate lastRow() const { return width_ / 2; }
    // The columns of one of those rows, counted from the centre pixel's.
    Span row(Coordinate row) const;

    // Calls visit(row, columns) for each row of the dot round `centre` that
    // lies within `height` rows, with the columns in the image's terms.
    template<typename Visit>
    void forEachRow(PixelPoint centre, int height, Visit visit) const
    {
        const Coordinate top = std::max<Coordinate>(centre.y + firstRow(), 0);
        const Coordinate bottom = std::min<Coordinate>(centre.y + lastRow(), height - 1);
        for (Coordinate at = top; at <= bottom; ++at) {
            const Span columns = row(at - centre.y);
            visit(at, Span{centre.x + columns.left, centre.x + columns.right});
        }
    }

    // What the dots at every pixel of a line cover on each row of an image.
    std::vector<Span> rowsAlong(const LinePath& path, int imageWidth, int imageHeight) const;

private:
    int width_;
};

} // namespace controls
