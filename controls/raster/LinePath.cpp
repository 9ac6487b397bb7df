#include "controls/raster/LinePath.h"

namespace controls {

LinePath::LinePath(PixelPoint from, PixelPoint to)
    : steep_(isSteep(from, to)),
      major_(steep_ ? from.y : from.x),
      minor_(steep_ ? from.x : from.y),
      majorEnd_(steep_ ? to.y : to.x),
      rise_((steep_ ? to.x : to.y) - minor_),
      length_(std::uint64_t(std::abs(majorEnd_ - major_)))
{
}

// Exact: end points within 32 bits keep both factors below 2^32, so the
// product fits in 64 unsigned bits.
Coordinate LinePath::minorAt(std::uint64_t steps) const
{
    if (rise_ == 0)
        return minor_;
    const std::uint64_t product = steps * std::uint64_t(std::abs(rise_));
    const auto whole = Coordinate(product / length_);
    const std::uint64_t twiceRest = 2 * (product % length_);
    if (rise_ >= 0)
        return minor_ + whole + (twiceRest >= length_ ? 1 : 0);
    return minor_ - whole - (twiceRest > length_ ? 1 : 0);
}

} // namespace controls
