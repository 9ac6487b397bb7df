#pragma once

#include "controls/raster/PixelLine.h"
#include "controls/PixelRect.h"
#include "controls/raster/RasterGeometry.h"
#include "controls/Rgb.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace controls {

// 32-bit pixels, row after row from the top, each 0xFFRRGGBB in memory order
// of a 32-bit integer, which is what a Qt RGB32 image and a Windows top-down
// 32-bit DIB both read; and the area of them changed since it was last
// asked for. Whatever falls outside is clipped.
class PixelBuffer
{
public:
    // Every pixel in one colour, and all of them changed.
    PixelBuffer(int width, int height, Rgb colour);

    int width() const { return width_; }
    int height() const { return height_; }
    const std::uint32_t* bits() const { return pixels_.data(); }
    // A pixel outside the buffer reads as black.
    Rgb pixel(int x, int y) const;

    // Paints every pixel in one colour.
    void fill(Rgb colour);
    // One colour over a rectangle, and the pixels of a rectangle copied from
    // a buffer of the same size.
    void fillRect(const PixelRect& area, Rgb colour);
    void copyArea(const PixelBuffer& source, const PixelRect& area);

    // The pixels changed since the last call, as one rectangle, and forgets them.
    PixelRect takeChangedArea();

    static constexpr std::uint32_t toBits(Rgb colour)
    {
        return 0xFF000000u | std::uint32_t(colour.red) << 16 | std::uint32_t(colour.green) << 8 | colour.blue;
    }

protected:
    // The pixels from left to right of a row, both included.
    void fillSpan(Coordinate y, Coordinate left, Coordinate right, std::uint32_t colour);
    // A patterned one-pixel line along a row or a column.
    void fillStraight(const PixelLine& line, std::string_view dashes, std::uint32_t colour);

private:
    void markChanged(int left, int top, int right, int bottom);
    PixelRect clipped(const PixelRect& area) const;

    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;
    PixelRect changed_;
};

} // namespace controls
