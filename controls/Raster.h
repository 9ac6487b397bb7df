#pragma once

#include "controls/DeviceScale.h"
#include "controls/Pen.h"
#include "controls/PixelRect.h"
#include "controls/Rgb.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace controls {

// The board's persistent picture: 32-bit pixels, row after row from the top,
// each 0xFFRRGGBB in memory order of a 32-bit integer, which is what a Qt
// RGB32 image and a Windows top-down 32-bit DIB both read. Every drawing is
// computed here, without antialiasing, so every toolkit shows the same
// pixels, and only in the colours it is given.
//
// Drawings are given in design pixels, x to the right, y downwards, and land
// on the image's own pixels at its scale s, the device pixels per design
// pixel: a point (x, y) on the pixel (x·s, y·s) rounds to (halves upwards),
// a pen w wide max(1, round(w·s)) pixels wide, each dash, dot and gap of a
// pattern max(1, round(length·s)) long, a dot w across round(w·s) across.
// At scale 1 design and image pixels are the same. Whatever falls outside
// the image is clipped.
class Raster
{
public:
    // An image of width × height design pixels, each side rounded to whole
    // pixels at the scale.
    Raster(int width, int height, Rgb background, double scale = 1);

    double scale() const { return scale_.factor(); }
    // In the image's own pixels.
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
    // A filled round dot `width` design pixels across, centred on a pixel.
    void dot(double x, double y, Rgb colour, int width);

    // In the image's own pixels, clipped to it: one colour over a rectangle,
    // and the pixels of a rectangle copied from an image of the same size.
    void fillRect(const PixelRect& area, Rgb colour);
    void copyArea(const Raster& source, const PixelRect& area);

    // The pixels changed since the last call, as one rectangle, and forgets them.
    PixelRect takeChangedArea();

private:
    // Positions are 64-bit so that far-off pixels of a line do not overflow.
    void fillSpan(std::int64_t y, std::int64_t left, std::int64_t right, std::uint32_t colour);
    void markChanged(int left, int top, int right, int bottom);
    PixelRect clipped(const PixelRect& area) const;

    DeviceScale scale_;
    int width_;
    int height_;
    // Each pen pattern at this scale, indexed by its style.
    std::array<std::string, 5> dashes_;
    std::vector<std::uint32_t> pixels_;
    PixelRect changed_;
};

} // namespace controls
