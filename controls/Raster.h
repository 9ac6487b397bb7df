#pragma once

#include "controls/Pen.h"
#include "controls/PixelRect.h"
#include "controls/Rgb.h"

#include <cstdint>
#include <vector>

namespace controls {

// The board's persistent picture: 32-bit pixels, row after row from the top,
// each 0xFFRRGGBB in memory order of a 32-bit integer, which is what a Qt
// RGB32 image and a Windows top-down 32-bit DIB both read. Every drawing is
// computed here, without antialiasing, so every toolkit shows the same
// pixels. Coordinates are pixels, x to the right, y downwards; a coordinate
// names the pixel it rounds to (halves upwards). Whatever falls outside the
// image is clipped.
class Raster
{
public:
    Raster(int width, int height, Rgb background);

    int width() const { return width_; }
    int height() const { return height_; }
    const std::uint32_t* bits() const { return pixels_.data(); }
    // A pixel outside the image reads as black.
    Rgb pixel(int x, int y) const;

    // Paints every pixel in one colour.
    void fill(Rgb colour);
    // A straight line with both end points drawn. A one-pixel pen follows
    // its pattern from the line's first point on; a wider pen is solid and
    // round, as if a dot of its width were drawn at every pixel of the line.
    void line(double x1, double y1, double x2, double y2, const Pen& pen);
    // A filled round dot `width` pixels across, centred on a pixel.
    void dot(double x, double y, Rgb colour, int width);

    // The pixels changed since the last call, as one rectangle, and forgets them.
    PixelRect takeChangedArea();

private:
    // Positions are 64-bit so that far-off pixels of a line do not overflow.
    void fillSpan(std::int64_t y, std::int64_t left, std::int64_t right, std::uint32_t colour);
    void markChanged(int left, int top, int right, int bottom);

    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;
    PixelRect changed_;
};

} // namespace controls
