#pragma once

#include <cstdint>

// The elements of the window's control arrays, named once, and the number of
// points an exercise takes.

namespace lists {
// x in grid units
inline constexpr std::int16_t X = 0;
// y in grid units, counted downwards
inline constexpr std::int16_t Y = 1;
// y in grid units counted upwards from the bottom edge; hidden
inline constexpr std::int16_t UpwardY = 2;
inline constexpr std::int16_t Count = 3;
} // namespace lists

namespace buttons {
inline constexpr std::int16_t Calculate = 0; // "Изчисли"
inline constexpr std::int16_t Clear = 1;     // "Изчисти"
inline constexpr std::int16_t Delete = 2;    // "Изтрий"
inline constexpr std::int16_t Count = 3;
} // namespace buttons

namespace textBoxes {
inline constexpr std::int16_t Report = 0;
// Kept from the first version of the exercise; never shown or read.
inline constexpr std::int16_t OtherSums = 1;
inline constexpr std::int16_t Count = 2;
} // namespace textBoxes

// P0 and P1, the segment's end points, and P2, the point examined.
inline constexpr std::int16_t PointLimit = 3;
