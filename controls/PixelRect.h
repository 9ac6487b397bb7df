#pragma once

namespace controls {

// A rectangle of whole pixels; empty when its width or height is not positive.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr bool empty() const { return width <= 0 || height <= 0; }
    friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The smallest rectangle that holds both; an empty one adds nothing.
constexpr PixelRect unite(const PixelRect& a, const PixelRect& b)
{
    if (a.empty())
        return b;
    if (b.empty())
        return a;
    const int left = a.left < b.left ? a.left : b.left;
    const int top = a.top < b.top ? a.top : b.top;
    const int right = a.left + a.width > b.left + b.width ? a.left + a.width : b.left + b.width;
    const int bottom = a.top + a.height > b.top + b.height ? a.top + a.height : b.top + b.height;
    return PixelRect{left, top, right - left, bottom - top};
}

} // namespace controls
