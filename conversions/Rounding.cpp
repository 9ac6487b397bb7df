#include "conversions/Rounding.h"

#include <cmath>
#include <limits>

namespace conversions {

namespace {

// For a non-negative value, floor() and the subtraction of the floor are both
// exact, so the comparison with one half sees the true fraction and no
// floating-point rounding mode can change the outcome.
double roundMagnitudeHalfToEven(double magnitude)
{
    const double below = std::floor(magnitude);
    const double fraction = magnitude - below;
    if (fraction < 0.5)
        return below;
    if (fraction > 0.5)
        return below + 1.0;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

// Halves go to the even neighbour on both sides of zero, so rounding the
// magnitude and putting the sign back is the same as rounding the value.
double roundHalfToEven(double value)
{
    return std::copysign(roundMagnitudeHalfToEven(std::fabs(value)), value);
}

template <typename Integer>
std::optional<Integer> roundToInteger(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = roundHalfToEven(value);
    if (rounded < static_cast<double>(std::numeric_limits<Integer>::min())
        || rounded > static_cast<double>(std::numeric_limits<Integer>::max())) {
        return std::nullopt;
    }
    return static_cast<Integer>(rounded);
}

} // namespace

std::optional<std::int32_t> roundToInt32(double value)
{
    return roundToInteger<std::int32_t>(value);
}

std::optional<std::int16_t> roundToInt16(double value)
{
    return roundToInteger<std::int16_t>(value);
}

} // namespace conversions
