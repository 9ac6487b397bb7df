#pragma once

#include "controls/FormDescription.h"
#include "controls/PixelRect.h"
#include "controls/Rgb.h"

#include <array>

namespace controls {

// The sunken edge round the board, decided once for every toolkit: how wide
// it is at a display scale, what it leaves inside, and the bands it is
// painted in.
class BoardEdge
{
public:
    struct Band {
        PixelRect area;
        Rgb colour;
    };

    explicit BoardEdge(const EdgeLook& look);

    const EdgeLook& look() const { return look_; }
    // The inner length, in design pixels, of a board this long outside.
    int inner(int outerLength) const;
    // The edge in device pixels at a scale: never thinner than one.
    int width(double scale) const;
    // The outer and the inner band in device pixels at a scale: the outer
    // band half the width, rounded up, the inner band the rest.
    int outerWidth(double scale) const { return (width(scale) + 1) / 2; }
    int innerWidth(double scale) const { return width(scale) - outerWidth(scale); }
    // The bands that paint the edge inside an outer rectangle of device
    // pixels, in the order they are to be filled: each band's top and left
    // sides, then its bottom and right, outer band first.
    std::array<Band, 8> bands(const PixelRect& area, double scale) const;

private:
    EdgeLook look_;
};

} // namespace controls
