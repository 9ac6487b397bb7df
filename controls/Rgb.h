#pragma once

#include <cstdint>

namespace controls {

// A colour as the program names it: three 8-bit channels.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

} // namespace controls
