#pragma once

#include "controls/raster/DeviceScale.h"
#include "controls/Pen.h"
#include "controls/raster/PenScale.h"
#include "controls/raster/PixelBuffer.h"
#include "controls/Rgb.h"

namespace controls {

class LinePath;

// The board's persistent picture. Every drawing is computed here, without
// antialiasing, so every toolkit shows the same pixels, and only in the
// colours it is given.
//
// Drawings are given in design pixels, x to the right, y downwards, and land
// on the image's own pixels at its scale s, the device pixels per design
// pixel: a point (x, y) on the pixel (x·s, y·s) rounds to (halves upwards),
// a pen w wide max(1, round(w·s)) pixels wide, each dash, dot and gap of a
// pattern max(1, round(length·s)) long, a dot w across round(w·s) across.
// At scale 1 design and image pixels are the same. Whatever falls outside
// the image is clipped. The pixels themselves, and what is done to them in
// the image's own pixels, are the buffer's.
class Raster : public PixelBuffer
{
public:
    // An image of width × height design pixels, each side rounded to whole
    // pixels at the scale.
    Raster(int width, int height, Rgb background, double scale = 1);

    double scale() const { return scale_.factor(); }

    // A straight line with both end points drawn. A one-pixel pen follows
    // its pattern from the line's first point on; a wider pen is solid and
    // round, as if a dot of its width were drawn at every pixel of the line.
    void line(double x1, double y1, double x2, double y2, const Pen& pen);
    // A filled round dot `width` design pixels across, centred on a pixel.
    void dot(double x, double y, Rgb colour, int width);

private:
    // Both in device pixels.
    void wideLine(const LinePath& path, int penWidth, std::uint32_t colour);
    void patternedLine(const PixelLine& line, const std::string& dashes, std::uint32_t colour);

    DeviceScale scale_;
    PenScale pens_;
};

} // namespace controls
