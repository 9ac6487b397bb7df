#pragma once

#include "controls/raster/RasterGeometry.h"

#include <cstddef>
#include <optional>

namespace controls {

// The pixels a line runs between, and the pattern steps that came before its
// first pixel because a far-off start was cut away, less whole periods.
struct PixelLine {
    PixelPoint from;
    PixelPoint to;
    int stepsBefore = 0;

    // A line between two positions in device pixels, with a pattern of
    // `period` steps; none when it cannot reach the image. End points far
    // off are first cut down to a square around the image, where every
    // pixel is exact.
    static std::optional<PixelLine> between(Point from, Point to, std::size_t period);
    // The pixel a point names, if it is near enough to be drawn exactly.
    static std::optional<PixelPoint> exactPixel(Point p);

    // Whether the line runs along a row or a column.
    bool straight() const { return from.x == to.x || from.y == to.y; }
    // The line moved by `offset` pixels across its shorter side.
    PixelLine shiftedAcross(Coordinate offset) const;
};

} // namespace controls
