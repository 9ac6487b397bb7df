#include "controls/raster/DeviceScale.h"

#include <algorithm>
#include <cmath>

namespace controls {

namespace {

// Device pixels further off than this are clamped to it, well inside an int.
constexpr double PixelLimit = 1e9;

int toPixel(double wholeNumber)
{
    return int(std::clamp(wholeNumber, -PixelLimit, PixelLimit));
}

} // namespace

DeviceScale::DeviceScale(double factor)
    : factor_(factor > 0 && std::isfinite(factor) ? factor : 1)
{
}

// floor(value + 0.5) would carry 0.49999999999999994 to 1.
double DeviceScale::roundHalfUp(double value)
{
    const double below = std::floor(value);
    return value - below >= 0.5 ? below + 1 : below;
}

int DeviceScale::pixel(double design) const
{
    return toPixel(roundHalfUp(design * factor_));
}

int DeviceScale::extent(int length) const
{
    return pixel(std::max(length, 0));
}

int DeviceScale::length(int length) const
{
    return std::max(1, extent(length));
}

PixelRect DeviceScale::rect(const PixelRect& design) const
{
    const int left = pixel(design.left);
    const int top = pixel(design.top);
    return PixelRect{left, top, pixel(double(design.left) + design.width) - left,
                     pixel(double(design.top) + design.height) - top};
}

// The last design pixel that begins at or before the device pixel. The
// division gives it or a neighbour; the steps settle it against pixel()
// itself, so that no rounding of the division can pick another.
int DeviceScale::designPixel(int device) const
{
    int design = toPixel(std::floor((device + 0.5) / factor_));
    while (design > -PixelLimit && pixel(design) > device)
        --design;
    while (design < PixelLimit && pixel(design + 1.0) <= device)
        ++design;
    return design;
}

// A toolkit that reports device pixel n at n / factor would, multiplied
// back, often land a hair below n; comparing with its own division does not.
int DeviceScale::devicePixel(double position) const
{
    if (std::isnan(position))
        return -1;
    int device = toPixel(std::floor(position * factor_));
    if (device < PixelLimit && (device + 1.0) / factor_ <= position)
        ++device;
    else if (device > -PixelLimit && device / factor_ > position)
        --device;
    return device;
}

} // namespace controls
