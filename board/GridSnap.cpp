#include "board/GridSnap.h"

#include "conversions/Rounding.h"

std::optional<double> snapToGrid(float coordinate, std::int16_t gridStep)
{
    const std::optional<std::int32_t> whole = conversions::roundToInt32(coordinate);
    if (!whole)
        return std::nullopt;
    // The remainder keeps the sign of the coordinate.
    std::int32_t remainder = *whole % gridStep;
    if (remainder >= gridStep / 2.0)
        remainder -= gridStep;
    return double(coordinate) - remainder;
}
