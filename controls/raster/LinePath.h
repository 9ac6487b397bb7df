#pragma once

#include "controls/raster/RasterGeometry.h"

#include <cstdint>

namespace controls {

// The pixels of a one-pixel line: one for each step along the axis the line
// spans more of, on the pixel the exact line across it rounds to, halves
// upwards like any coordinate. Rounding the exact position, rather than
// carrying an error term from the start, gives the same pixels whichever end
// the line is drawn from, and lets a clipped line start anywhere along it.
class LinePath
{
public:
    LinePath(PixelPoint from, PixelPoint to);

    // Calls visit(x, y, steps) for each pixel of the line inside `box`, with
    // the steps from the first point.
    template<typename Visit>
    void forEachIn(const Box& box, Visit visit) const
    {
        const Coordinate low = std::max(std::min(major_, majorEnd_), steep_ ? box.top : box.left);
        const Coordinate high = std::min(std::max(major_, majorEnd_), steep_ ? box.bottom : box.right);
        for (Coordinate major = low; major <= high; ++major) {
            const auto steps = std::uint64_t(std::abs(major - major_));
            const Coordinate minor = minorAt(steps);
            const Coordinate x = steep_ ? minor : major;
            const Coordinate y = steep_ ? major : minor;
            if (box.contains(x, y))
                visit(x, y, steps);
        }
    }

private:
    Coordinate minorAt(std::uint64_t steps) const;

    bool steep_;
    Coordinate major_;
    Coordinate minor_;
    Coordinate majorEnd_;
    Coordinate rise_;
    std::uint64_t length_;
};

} // namespace controls
