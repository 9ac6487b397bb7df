#pragma once

#include "controls/raster/DeviceScale.h"
#include "controls/Pen.h"

#include <array>
#include <string>

namespace controls {

// A pen's width and pattern in device pixels at a scale: a pen w wide
// max(1, round(w·s)) pixels wide, each dash, dot and gap of a pattern
// max(1, round(length·s)) long.
class PenScale
{
public:
    explicit PenScale(const DeviceScale& scale);

    // The pattern of a one-pixel pen, one character a pixel: '#' drawn,
    // '.' left alone.
    const std::string& dashes(DrawStyle style) const { return dashes_[std::size_t(style)]; }
    // A width in design pixels, as a pen's or a dot's, in device pixels.
    int width(int designWidth) const;

private:
    DeviceScale scale_;
    std::array<std::string, 5> dashes_;
};

} // namespace controls
