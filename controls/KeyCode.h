#pragma once

#include <cstdint>

namespace controls {

// The keys a control's key-down event tells of, by the old platform's key
// codes, which are Windows' virtual-key codes.
namespace key {
inline constexpr std::int16_t Tab = 9;
inline constexpr std::int16_t Return = 13;
inline constexpr std::int16_t Space = 32;
inline constexpr std::int16_t PageUp = 33;
inline constexpr std::int16_t PageDown = 34;
inline constexpr std::int16_t End = 35;
inline constexpr std::int16_t Home = 36;
inline constexpr std::int16_t Left = 37;
inline constexpr std::int16_t Up = 38;
inline constexpr std::int16_t Right = 39;
inline constexpr std::int16_t Down = 40;
// The digit keys of the main keyboard, "0" to "9", are their characters' codes.
inline constexpr std::int16_t Digit0 = 48;
inline constexpr std::int16_t Digit9 = 57;
} // namespace key

} // namespace controls
