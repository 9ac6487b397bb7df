#pragma once

#include <cstdint>
#include <optional>

namespace conversions {

// The platform's conversion of a floating-point value to an integer: the
// nearest integer, a value exactly halfway going to the even neighbour
// (0.5 → 0, 1.5 → 2, -2.5 → -2). The result is the same whatever rounding
// mode the floating-point unit is in.
//
// std::nullopt when the value is NaN or infinite, or when the rounded value
// does not fit the target type: the conversion never wraps.
std::optional<std::int32_t> roundToInt32(double value);
std::optional<std::int16_t> roundToInt16(double value);

} // namespace conversions
