#pragma once

namespace controls {

// A rectangle of whole pixels; empty when its width or height is not positive.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool empty() const { return width <= 0 || height <= 0; }
    friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

} // namespace controls
